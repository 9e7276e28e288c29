// One problem of the input data file, from its control line to its results: read the
// records, echo them, build the station tables and loads, call the soil routines where
// generated earth pressure or p-y curves are asked for, fill the curve store, iterate and
// print the results. The plot file receives the problem's sections as they become known.
#pragma once

#include "engine/base/engine_state.h"
#include "engine/base/free_format_reader.h"

namespace vornel {

// Runs the problem whose title is in s.title. A check that fails throws RunStop after
// writing its message.
void run_problem(EngineState& s, FreeFormatReader& in);

}  // namespace vornel
