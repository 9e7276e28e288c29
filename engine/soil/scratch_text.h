// The text of the two scratch files in which the soil routines' results can be looked at:
// BMWALL.001, the generated pressure table, and SOILDATA, the p-y curve records.
//
// BMWALL.001: line 1 is the point count N after one blank; then one line per point, 5X,
// E10.3, 4X, E10.3, 4X, E10.3, 4X, E10.3: depth, total, soil part, surcharge part (force /
// length^2 per unit width). N counts exactly the lines that follow.
//
// SOILDATA: the number of curve records (I5), then the user curves as entered (station and
// point count, 2I5; one line per point, I5, 1X, E15.7, 1X, E15.7: index, p x p-multiplier,
// y x y-multiplier), then the generated records: 1X, E15.7, 1X, I5 (depth below the top of
// the wall, 34), and 17 point lines (index, p, y) per side in the layout of the record's p-y
// method. A run stopped inside a record leaves the lines generated up to the stop.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/base/engine_state.h"

namespace vornel::soil {

// Write the files' text to `out` a few kilobytes at a time.
void write_bmwall(std::ostream& out, const std::vector<PressureRow>& points);
// SOILDATA from s.handover; nothing when the generator stopped before it knew its count.
void write_soildata(std::ostream& out, const EngineState& s);

// The same texts whole.
std::string bmwall_text(const std::vector<PressureRow>& points);
std::string soildata_text(const EngineState& s);

}  // namespace vornel::soil
