// Lateral pressure on the wall from point, line and strip loads on the backfill surface.
#pragma once

#include "engine/core/engine_state.h"

namespace vornel::soil {

// q(Z), force per length squared, at depth z below the top of the wall, summed over the
// surcharge rows; a step function taken on 200 slices of the wall length. Zero without rows.
double surcharge_pressure(const EngineState& s, double z);

}  // namespace vornel::soil
