// The report sections that show the p-y soil profile: its layers and the distributions of
// effective unit weight and strength parameters along depth, printed before the curves.
#pragma once

#include <ostream>

#include "engine/base/engine_state.h"
#include "engine/soil/py_profile.h"

namespace vornel::soil {

// The line that names a soil type in the layer list (soft clay for unknown types, which
// are generated as soft clay).
const char* soil_type_text(int type);

// Writes the sections to the report of `s`.
void write_py_profile(EngineState& s, const PyProfile& profile);

}  // namespace vornel::soil
