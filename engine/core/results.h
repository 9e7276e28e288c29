// Results per station from the final deflections: slope, bending moment, shear and net
// soil reaction, with the corrections for applied couples.
//
// Moments come from the curvature (central difference) times the bending stiffness; at a
// station where the wall physically ends, the full stiffness of the range that ends there
// is used, because the station table holds only half of it (see station_tables.h). The
// applied couples enter the difference equations as pairs of opposite forces on the
// neighbouring stations; the shear and reaction corrections take those forces out again.
// Units: the problem's length and force units (moment force x length, shear and reaction
// force; the reaction is the net soil force on the station).
#pragma once

#include "engine/core/engine_state.h"

namespace vornel {

// Fills s.results for stations 0..NINC+1 (the deflection at NINC+2 is extrapolated first).
void compute_results(EngineState& s);

// The largest absolute deflection, moment and shear over stations 0..NINC, with depths.
void summarise_results(const EngineState& s, ProblemSummary& summary);

}  // namespace vornel
