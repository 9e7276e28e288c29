// Bending stiffness that depends on the bending moment (moment-EI curve sets).
//
// A cracked or yielding section loses stiffness as the moment grows. Each set gives points
// (M, EI) over a station range; at the current curvature phi the stiffness is where the
// curve M(EI) meets the line M = phi EI, found along the first segment whose end point
// lies above that line. Units: moment force x length, EI force x length^2.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel {

// The stiffness of one set at curvature phi (absolute value).
double stiffness_at_curvature(const EiSet& set, double phi);

// Replaces F at the stations of every set by the stiffness at the curvature of W; at a
// physical end of the wall the table takes half of it, as for the stiffness rows.
void update_stiffness(EngineState& s);

}  // namespace vornel
