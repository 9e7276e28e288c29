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
    std::filesystem::path scratch_dir;  // where BMWALL.001 and SOILDATA are written
    std::function<std::tm()> clock;     // empty: the local clock
    std::function<void(const std::string&)> message_sink;   // empty: messages discarded
    std::function<void(const std::string&)> progress_sink;  // progress lines; empty: none
};

}  // namespace vornel
