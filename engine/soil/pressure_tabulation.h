// The generated pressure table: the lateral pressure on the wall point by point down the
// whole profile, per unit width of wall (force / length^2).
//
// Above the excavation level the pressure is the active diagram of each retained sub-layer,
// plus the water of the backfill below its water table, less the water standing in the
// excavation; below it the active pressure of the excavation level is carried down unchanged.
// The surcharge pressure is added at every point. Points are one per inch (English and unit-
// free systems) or one per 5 cm (SI) within each sub-layer. Pressure never turns into
// tension: a value below 1.0E-5 becomes J x 1.0E-12, J being the point's running number, so
// that the table still rises strictly where the diagram starts.
//
// Each point splits into the soil part p2 and the surcharge part p3 (the surcharge and the
// surface-load share); the total p1 equals p2 + p3 unless the trapezoidal distribution
// replaces it.
//
// The table runs from the surface to the tip of the wall (NINC x h). When the soil profile
// ends above the tip the last sub-layer is carried on to the tip with its own properties;
// points below the tip are not tabulated.
#pragma once

#include <vector>

#include "engine/base/engine_state.h"
#include "engine/soil/layer_table.h"

namespace vornel::soil {

struct PressureTable {
    std::vector<PressureRow> points;
    double running_force = 0.0;  // resultant of the total above the excavation level
    int excavation_point = 0;    // index of the point at the excavation level
    bool extended = false;       // the last sub-layer was carried on below the profile
};

// Points per unit length: one per inch, or one per 5 cm in SI.
int points_per_length(int unit_system);

// The most points a table may hold, which bounds the memory of one call (32 bytes a point and
// a few copies, about 20 MB): a wall of 16,600 ft, 10 km in SI, or 200 m in unit-free
// millimetres. A real wall needs a few thousand.
constexpr double kMaxPressurePoints = 200'000;

// The length of wall (NINC x h) that a table of kMaxPressurePoints covers.
double longest_tabulated_wall(int unit_system);

// Tabulates the pressure; the wall is at most longest_tabulated_wall long. Resets the active
// coefficients of the sub-layers below the excavation level to their level-ground values (the
// backfill slope does not reach them). `water_pressure` includes the water gradient of the backfill
// below its water table.
PressureTable tabulate_pressure(const EngineState& s, LayerTable& t, bool water_pressure);

}  // namespace vornel::soil
