// Everything one run needs from its caller. The C entry point fills it from NAMES.dat in the
// working folder; the headless runner fills it from its command line.
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

namespace vornel {

struct RunRequest {
    std::string version;
    std::filesystem::path input, report, plot, monitor;
    // Where BMWALL.001 and SOILDATA are written, each name after `scratch_prefix`; empty:
    // the run writes no scratch files.
    std::filesystem::path scratch_dir;
    std::string scratch_prefix;
    // Whether the scratch files are overwritten where they lie, as in the entry point's own
    // hand-over folder, which no one else writes; else they are replaced whole, as outputs.
    bool scratch_in_place = false;
    std::function<std::tm()> clock;                         // empty: the local clock
    std::function<void(const std::string&)> message_sink;   // empty: messages discarded
    std::function<void(const std::string&)> progress_sink;  // progress lines; empty: none
    // Whether each problem's summary keeps its station rows and pressure table, for a caller
    // that reads them afterwards; the C entry point has no way to hand them on.
    bool keep_result_tables = true;
};

}  // namespace vornel
