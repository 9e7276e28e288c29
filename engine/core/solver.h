// The beam-column difference equations and their solution.
//
// At every station j from -1 to NINC+1 one fourth-order difference equation ties the
// deflections w(j-2) .. w(j+2) through the bending stiffness F, the axial load P, the
// rotational restraint R, the lateral springs S' and loads Q' (soil springs included) and
// the applied couples T. The system is banded, so it is solved by a forward recursion
// w(j) = A(j) w(j+1) + B(j) w(j+2) + C(j) and one back substitution: linear in the number
// of stations. Prescribed deflections and slopes replace or combine equations through the
// station codes (station_tables.h). Units: lengths and deflections in the problem's length
// unit, forces in its force unit.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel {

// What one solution tells the iteration, over stations 0..NINC.
struct SolveCounts {
    int exceeded = 0;    // |w| above the maximum allowable deflection (or not a number)
    int not_closed = 0;  // |w - previous w| above the closure tolerance (or not a number)
    // Equations with a zero pivot: a station where nothing (stiffness, spring, restraint)
    // ties the deflection. The recursion takes w = 0 there, which is not a result.
    int singular = 0;
};

// Solves for W at stations -1..NINC+1 from F, P, R, T and the working tables Qw and Sw;
// the previous contents of W are the deflections the closure count compares against.
SolveCounts solve_deflections(EngineState& s);

}  // namespace vornel
