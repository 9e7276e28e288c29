// Pieces shared by the report sections of the earth-pressure chain: the framed section
// heading and the unit groups assembled from the problem's unit labels.
//
// A framed heading is two empty lines, a line of 50 asterisks, the title and another line of
// 50 asterisks (each indented six blanks), then one empty line. The unit groups keep the
// leading blanks of their label pieces, so a column of values and its unit line stay aligned
// in every unit system.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "engine/base/engine_state.h"

namespace vornel::soil {

void write_framed_heading(EngineState& s, const char* title);

// Unit groups beyond those of the core: force / length^2 and force / length^3.
std::string unit_stress(const UnitLabels& u);
std::string unit_weight(const UnitLabels& u);

// A warning of the earth-pressure chain: two empty lines, then the text after five blanks in
// the report, and the text to the console (the state's message sink).
void write_warning(EngineState& s, const std::string& text);

}  // namespace vornel::soil
