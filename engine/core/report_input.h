// The report's echo of the input as the engine understood it: program control parameters,
// wall properties, restraints, the stiffness and load table, the pressure tables and the
// user p-y curves. Each section is written when its records have been read, so that a
// check that stops the run leaves the sections before it in the report.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel {

void write_control_parameters(EngineState& s);
void write_wall_properties(EngineState& s);
void write_restraints(EngineState& s);
// Stiffness, concentrated-load, spring and tieback rows; needs F spread from the stiffness.
void write_stiffness_and_loads(EngineState& s);
// The user's pressure points as entered (earth-pressure code 1).
void write_specified_pressure(EngineState& s);
// The generated pressure table with its width factors, thinned (codes 2 and 3).
void write_generated_pressure(EngineState& s);
// The user p-y curves with their multipliers and scaled points.
void write_user_curves(EngineState& s);

}  // namespace vornel
