// The report's account of a solved problem: how the iteration ended and the table of
// results per station (deflection, slope, moment, shear, net soil reaction, EI).
#pragma once

#include "engine/base/engine_state.h"

namespace vornel {

void write_results(EngineState& s);

// The warnings of the outcome as short texts (for the headless runner's summary).
std::vector<std::string> outcome_warnings(const IterationOutcome& o);

}  // namespace vornel
