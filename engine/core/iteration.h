// The nonlinear solution: soil springs linearised at the current deflections, solve,
// repeat until no station moves by more than the closure tolerance.
//
// Every problem starts from zero deflection. The iteration stops at once when a deflection
// exceeds the maximum allowable deflection, and after the iteration limit (100) in any
// case; these outcomes are results, not errors, and the report prints them as warnings.
// With moment-EI sets a closed iteration also has to agree with the deflections of the
// last stiffness update. Every iteration writes one line into the monitor file.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel {

// Runs the iteration for the problem in s and returns how it ended.
IterationOutcome iterate(EngineState& s);

}  // namespace vornel
