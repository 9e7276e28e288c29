// The framed title that opens a section of the report, shared by the sections of the
// beam-column model and of the soil models: 50 asterisks, the title, 50 asterisks, each line
// after 6 blanks.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel {

void write_banner(EngineState& s, const char* title);

}  // namespace vornel
