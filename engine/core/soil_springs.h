// The soil springs of one iteration: every Q-W curve linearised at the current deflection
// and added to the working spring and load tables.
//
// At a deflection w the curve is replaced by the chord of the segment that holds w: a
// spring of stiffness k and a force q, so that the soil force is q - k w. A deflection
// beyond the first or last point extends the end segment and counts as off the curve.
// Linked curves are interpolated station by station between their two curve stations,
// with half values at the ends of each range, as the station-range rows are spread.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel {

struct Linearised {
    double k = 0.0;  // spring stiffness, force / length per station
    double q = 0.0;  // force at zero deflection, per station
    bool off = false;
};

// Linearises a curve at deflection w.
Linearised linearise(const StoredCurve& c, double w);

// Adds the linearised curves of the store to Sw and Qw at the deflections W. Returns true
// when any deflection lay off its curve. Curve stations out of order stop the run.
bool add_soil_springs(EngineState& s);

}  // namespace vornel
