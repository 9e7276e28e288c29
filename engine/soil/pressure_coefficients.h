// Earth-pressure coefficients and effective overburden of the working layer table.
//
// For every sub-layer: whether its top lies in the water of the backfill, the effective
// vertical stress at its top on the backfill side (force / length^2, starting from the uniform
// surface pressure), and Rankine's active and passive coefficients. A sloping backfill raises
// the active coefficient of sub-layers whose friction angle exceeds the slope; where the slope
// reaches the friction angle of retained soil no Rankine state exists, the level-ground value
// is kept and the engineer is warned. The passive coefficient never depends on the slope.
#pragma once

#include "engine/base/engine_state.h"
#include "engine/soil/layer_table.h"

namespace vornel::soil {

struct Coefficients {
    double ka = 0.0, sqrt_ka = 0.0, kp = 0.0, sqrt_kp = 0.0;
    bool slope_warning = false;
};

// Level-ground active coefficient tan^2(45 - phi/2) and its square root (phi in degrees).
double level_sqrt_ka(double phi);

// Coefficients of a soil with friction angle `phi` behind a backfill sloping at `beta`
// degrees (either sign); `retained` is true above the excavation level.
Coefficients earth_pressure_coefficients(double phi, double beta, bool retained);

// Wet flags, effective overburden and coefficients of every sub-layer; stores the effective
// stress at the excavation level in s.sigma_v_excavation. Uses s.gamma_water.
void compute_overburden_and_coefficients(EngineState& s, LayerTable& t);

// "EFFECTIVE OVERBURDEN STRESS" and "ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT"; the
// slope warning goes to the monitor file and the report inside the second table.
void write_overburden_table(EngineState& s, const LayerTable& t);
void write_coefficient_table(EngineState& s, const LayerTable& t);

}  // namespace vornel::soil
