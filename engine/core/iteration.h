// The nonlinear solution: soil springs linearised at the current deflections, solve,
// repeat until no station moves by more than the closure tolerance.
//
// Every problem's iteration starts from zero deflection. With moment-EI sets the stiffness
// is updated once before the first iteration from the deflections held at that moment:
// zero for the first problem of a run, the final deflections of the previous problem (the
// stage or case before) otherwise; then the deflections, and those of the last stiffness
// update, are set to zero. The iteration stops at once when a deflection exceeds the
// maximum allowable deflection, and after the iteration limit (100) in any case; these
// outcomes are results, not errors, and the report prints them as warnings, as it does the
// stations that the last solution found without stiffness or support (singular equations,
// where the deflection is set to zero). With moment-EI sets a closed iteration also has to
// agree with the deflections of the last stiffness update. Every iteration writes one line
// into the monitor file.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel {

// Runs the iteration for the problem in s and returns how it ended.
IterationOutcome iterate(EngineState& s);

}  // namespace vornel
