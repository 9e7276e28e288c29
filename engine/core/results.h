// Results per station from the final deflections: slope, bending moment, shear and net
// soil reaction, with the corrections for applied couples.
//
// Moments come from the curvature (central difference) times the bending stiffness. At a
// station where the wall physically ends, the difference equations see a couple at the end
// (a restraining couple, or a couple applied there) as if it acted half above and half below
// the station, and the station table holds half the stiffness; the printed moment uses the
// full stiffness of the range that ends there, so it is the moment just inside the wall, and
// the shear and reaction next to the end follow from it. The end station's own reaction is
// the support force. The applied couples enter the equations as pairs of opposite forces on
// the neighbouring stations; the shear and reaction corrections take those forces out again.
// Units: the problem's length and force units (moment force x length, shear and reaction
// force; the reaction is the net soil force on the station).
#pragma once

#include "engine/base/engine_state.h"

namespace vornel {

// Fills s.results for stations 0..NINC+1 (the deflection at NINC+2 is extrapolated first).
void compute_results(EngineState& s);

// False when a deflection, moment or shear of stations 0..NINC is not a finite number.
bool results_finite(const EngineState& s);

// The largest absolute deflection, moment and shear over stations 0..NINC, with depths.
void summarise_results(const EngineState& s, ProblemSummary& summary);

}  // namespace vornel
