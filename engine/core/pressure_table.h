// The pressure table: earth, water and surcharge pressure on the retained side of the wall,
// as points (depth, total, soil part, surcharge part) in force per length of wall, and the
// lateral loads it puts on the stations.
//
// With user pressure (earth-pressure code 1) the soil routines build the points from the
// user's, plus the surcharge pressure at each depth over the active width. With generated pressure
// (codes 2 and 3) the points come from the scratch file BMWALL.001, per unit width; they are
// multiplied by the active width down to the excavation level and by the width for soil resistance
// below it (below the excavation the wall's resisting width is that of the soil springs).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/base/engine_state.h"

namespace vornel {

// Earth-pressure codes 2 and 3: reads BMWALL.001 from s.scratch_dir.
void read_generated_pressure(EngineState& s);

// Parses the text of a BMWALL.001 file into s.pressure with the width factors.
void parse_pressure_file(EngineState& s, const std::string& text);

// Adds the pressure table to the station loads Q: stations 1 down to the depth of the last
// point (code 1) or the excavation level (codes 2, 3), at most the toe; each station takes
// the pressure interpolated at its depth times the increment length.
void apply_pressure_loads(EngineState& s);

// The points of a table of n points that the report and the plot file list: all of them
// up to 50, else every 6th (every 4th in SI units) from the first, and the last one.
std::vector<std::size_t> thinned_points(std::size_t n, int unit_system);

}  // namespace vornel
