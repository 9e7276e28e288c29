// The engine's entry: the interface code check and one run.
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "engine/base/engine_state.h"
#include "engine/run/run_request.h"

namespace vornel {

constexpr int kInterfaceCode = 7;

// Runs every problem of the input data file and closes all files. Never throws; the state
// returned tells the caller what happened (error stop, summaries).
EngineState run_analysis(const RunRequest& request);

// The statuses of IVORNEL.
constexpr int kRunPerformed = 0;      // the run was performed (whatever the report says)
constexpr int kWrongInterface = 1;    // the interface code was not 7; no file was touched
constexpr int kOutputNotWritten = 2;  // the report, the plot file or the monitor file could
                                      // not be written completely (or an output names the
                                      // deck, or is not a regular file); each such file keeps
                                      // what it held before, or does not exist

// The body of IVORNEL: returns 1 for an interface code other than 7 without touching any
// file, else reads NAMES.dat in the working folder, runs, and returns 0, or 2 when an output
// could not be written. An unreadable NAMES.dat is a console message and 0: nothing is read.
int enter(int interface_code) noexcept;

// As enter, for NAMES.dat in `working_dir`, which also receives the scratch files; console
// messages go to `message_sink` (the library has no console and passes none).
int enter_in(const std::filesystem::path& working_dir, int interface_code,
             const std::function<void(const std::string&)>& message_sink) noexcept;

}  // namespace vornel
