// Lateral pressure on the wall from point, line and strip loads on the backfill surface.
//
// Point and line loads follow the elastic solutions as adjusted for walls (two ranges of the
// distance ratio m = X / H, with H the free height of the wall); a strip load follows the
// elastic strip solution doubled for the unyielding wall. Pressures are force / length^2 per
// unit width of wall, depths are measured down from the top of the wall. The uniform surface
// pressure is not a surcharge row: it acts through the overburden.
//
// The generated pressure table takes the pressure as a step function of depth: each row is
// evaluated on 200 slice points spaced evenly down the wall, and a depth takes the value of
// the deepest slice point strictly above it. The per-layer forces use the direct form, which
// evaluates the formulas at the depth itself.
//
// Without free height (H <= 0) the distance ratio has no meaning; the surcharge rows then
// give no pressure, and the chain writes a warning (write_surcharge_height_warning).
#pragma once

#include "engine/base/engine_state.h"

namespace vornel::soil {

// Pressure of one row at depth z > 0 with reference height h > 0; zero otherwise.
double surcharge_row_pressure(const SurchargeRow& row, double h, double z);

// q(Z) on the 200 slices of the wall length NINC x h, summed over the rows in order.
double surcharge_pressure(const EngineState& s, double z);

// The same step function for a walk down the wall: a run of depths within one slice
// evaluates the rows once. Holds a reference to the state's surcharge rows.
class SurchargeSlices {
  public:
    explicit SurchargeSlices(const EngineState& s);
    double at(double z);

  private:
    const EngineState& s_;
    double h_ = 0.0, dz_ = 0.0;
    bool active_ = false;
    int last_slice_ = -1;
    double last_value_ = 0.0;
};

// q(z) at the depth itself, summed over the rows in order.
double surcharge_pressure_direct(const EngineState& s, double z);

// True when surcharge rows exist but the free height gives them no reference length.
bool surcharge_without_height(const EngineState& s);

// Writes the warning line about surcharge rows without free height to the report when
// surcharge_without_height holds; does nothing otherwise. Call it once per problem.
void write_surcharge_height_warning(EngineState& s);

}  // namespace vornel::soil
