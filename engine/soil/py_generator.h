// The p-y curve generator (p-y code 2): the p-y soil profile below the excavation level,
// five curve depths per layer, both sides of the wall, written to the scratch file SOILDATA
// in the state's scratch folder (user curves first when there are any).
#pragma once

#include "engine/base/engine_state.h"

namespace vornel::soil {

// Writes the generator's report sections and SOILDATA. Throws RunStop (after writing its
// report line) on soil data it cannot use.
void generate_py_curves(EngineState& s);

}  // namespace vornel::soil
