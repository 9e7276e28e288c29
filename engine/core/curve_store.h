// The curve store: the soil-resistance curves (Q-W curves) that the iteration linearises.
//
// A curve holds deflections W and soil forces Q per station (soil resistance times the
// increment length); Q opposes W, so a deflection towards the excavation meets a negative
// force. Curves come from the user's p-y curves (scaled by their multipliers) and from the
// generator, which hands over one record per curve depth (as the scratch file SOILDATA
// lists them): two one-sided curves of 17 points, the excavation side resisting positive deflection
// and the backfill side negative deflection. The store joins them into one curve of 33 points
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

// Joins the generated records of s.handover into s.generated_curves, each value as the
// fields of SOILDATA hold it. Stops the run when the generator announced more than 63 curves.
void take_generated_curves(EngineState& s);

// Fills s.curves for the problem from the user curves and, with p-y code 2, from
// the generator. Stops the run when the store would hold more than 63 curves.
void fill_curve_store(EngineState& s);

}  // namespace vornel
