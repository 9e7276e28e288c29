// The earth-pressure chain for generated earth pressure (earth-pressure codes 2 and 3):
// the working layer table, the coefficients and overburden, the per-layer forces and the
// tabulated pressure, handed to the core in s.handover.pressure.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel::soil {

// Writes the chain's report sections, fills s.handover.pressure (per unit width) and sets
// s.gamma_water and s.sigma_v_excavation. Throws RunStop (after writing its report line) when
// the layers cannot carry the wall: no soil below the excavation level, more than 20
// sub-layers, a wall too long to tabulate, or a pressure that is not a finite number.
void run_earth_pressure_chain(EngineState& s);

}  // namespace vornel::soil
