// The pressure table for user-specified earth pressure (earth-pressure code 1): the user's
// points as entered (the soil part) plus, at each depth, the surcharge pressure of the
// surcharge rows over the active width; the total is their sum. Force per length of wall.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel::soil {

// Fills s.pressure; writes the warning about surcharge rows without free height first.
void build_user_pressure(EngineState& s);

}  // namespace vornel::soil
