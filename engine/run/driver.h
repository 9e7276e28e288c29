// The run driver: the loop over the problems of the input data file and the orderly end of
// a run.
//
// Every problem ends with a continuation code: 0 (or the problem's stage count) ends the
// run, 9 announces the long-term problem of a short-term / long-term run, any other value
// the next construction stage. The result kind, the number of results blocks the plot file
// holds, is 1 for a single problem, 2 for a short-term / long-term run and the stage count
// for a staged run. A check that fails ends the run at once; the driver then writes the
// closing line and the last results block all the same.
#pragma once

#include <string>

#include "engine/base/engine_state.h"

namespace vornel {

// Runs every problem in `deck` (the text of the input data file), writing the report and
// the monitor through s.report and s.monitor and the plot file into s.plot. Never throws
// RunStop: an error stop is recorded in s.error_stop and s.stop_reason.
void run_deck(EngineState& s, std::string deck);

}  // namespace vornel
