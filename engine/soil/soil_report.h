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

#include "engine/core/engine_state.h"

namespace vornel::soil {

void write_framed_heading(std::ostream& out, std::string_view title);

// Unit groups: length, force, force / length, force / length^2 and force / length^3.
std::string unit_length(const UnitLabels& u);
std::string unit_force(const UnitLabels& u);
std::string unit_force_per_length(const UnitLabels& u);
std::string unit_stress(const UnitLabels& u);
std::string unit_weight(const UnitLabels& u);

// A warning of the earth-pressure chain: two empty lines, then the text after five blanks.
void write_warning(std::ostream& out, std::string_view text);

}  // namespace vornel::soil
