// The curve store: the soil-resistance curves (Q-W curves) that the iteration linearises.
//
// A curve holds deflections W and soil forces Q per station (soil resistance times the
// increment length); Q opposes W, so a deflection towards the excavation meets a negative
// force. Curves come from the user's p-y curves (scaled by their multipliers) and from the
// generator, which leaves one record per curve depth in the scratch file SOILDATA: two
// one-sided curves of 17 points, the excavation side resisting positive deflection and
// the backfill side negative deflection. The store joins them into one curve of 33 points
// running from the backfill side to the excavation side.
//
// Link flags: a linked curve is interpolated with the next curve over the stations
// between them. Generated curves are linked; user curves alone are linked from the
// excavation level down; user curves next to generated ones stand alone.
#pragma once

#include <string>
#include <vector>

#include "engine/base/engine_state.h"

namespace vornel {

constexpr int kGeneratedSidePoints = 17;
constexpr int kGeneratedRecordPoints = 2 * kGeneratedSidePoints;
constexpr int kGeneratedCurvePoints = kGeneratedRecordPoints - 1;

// The link flags of the user curves as they enter the store.
std::vector<int> user_curve_links(const EngineState& s);

// Reads the generated curve records of SOILDATA (in s.scratch_dir) into
// s.generated_curves, passing over the user-curve records at its head.
void read_generated_curves(EngineState& s);

// Parses the text of a SOILDATA file; `user_count` records at its head are passed over.
void parse_soildata(EngineState& s, const std::string& text, int user_count);

// Fills s.curves for the problem from the user curves and, with p-y code 2, from
// SOILDATA. Stops the run when the store would hold more than 63 curves.
void fill_curve_store(EngineState& s);

}  // namespace vornel
