// The pressure table: earth, water and surcharge pressure on the retained side of the wall,
// as points (depth, total, soil part, surcharge part) in force per length of wall, and the
// lateral loads it puts on the stations.
//
// With user pressure (earth-pressure code 1) the soil routines build the points from the
// user's, plus the surcharge pressure at each depth over the active width. With generated
// pressure (codes 2 and 3) the points are the soil routines' table per unit width; they are
// multiplied by the active width down to the excavation level and by the width for soil
// resistance below it (below the excavation the wall's resisting width is that of the soil
// springs).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/base/engine_state.h"

namespace vornel {

// Earth-pressure codes 2 and 3: fills s.pressure from the soil routines' table in
// s.handover, each value as the E10.3 fields of BMWALL.001 hold it, with the width factors.
void take_generated_pressure(EngineState& s);

// Adds the pressure table to the station loads Q: stations 1 down to the depth of the last
// point (code 1) or the excavation level (codes 2, 3), at most the toe; each station takes
// the pressure interpolated at its depth times the increment length.
void apply_pressure_loads(EngineState& s);

// The points of a table of n points that the report and the plot file list: all of them
// up to 50, else every 6th (every 4th in SI units) from the first, and the last one.
std::vector<std::size_t> thinned_points(std::size_t n, int unit_system);

}  // namespace vornel
