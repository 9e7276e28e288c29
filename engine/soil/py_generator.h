// The p-y curve generator (p-y code 2): the p-y soil profile below the excavation level,
// five curve depths per layer, both sides of the wall, handed to the core in s.handover.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel::soil {

// Writes the generator's report sections and fills s.handover.curves (and the count of
// records, user curves included). Throws RunStop (after writing its report line) on soil
// data it cannot use; the records generated up to then stay in s.handover.
void generate_py_curves(EngineState& s);

}  // namespace vornel::soil
