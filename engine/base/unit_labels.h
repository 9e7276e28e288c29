// Unit labels of the report: short label pieces set per problem from the unit system and
// the unit groups assembled from them for the headings.
//
// English: " IN", " LBS", "IN", "LBS"; SI: "  M", "  KN", " M", " KN"; any other unit code
// keeps the labels of the previous problem (the neutral "  L", "   F", " L", "  F" at the
// start of a run). The pieces keep their leading blanks, so the groups line up in fixed
// columns: the English force group " LBS" takes four columns.
#pragma once

#include <string>

#include "engine/base/engine_state.h"

namespace vornel {

// Sets s.units from s.control.unit_system.
void set_unit_labels(EngineState& s);

namespace units {

std::string length(const UnitLabels& u);            // " IN"
std::string force(const UnitLabels& u);             // " LBS"
std::string force_per_length(const UnitLabels& u);  // " LBS/IN"
std::string stiffness(const UnitLabels& u);         // " LBS-IN**2"
std::string moment(const UnitLabels& u);            // "LBS-IN"
std::string couple(const UnitLabels& u);            // " IN-LBS"

}  // namespace units
}  // namespace vornel
