// An analysis that needs no files: the text of an input data file in, the results out.
//
// Every run of the engine goes through `analyse_on_streams`: the entry point and vornel-run
// hand it the deck read from its file and the streams of the report and the monitor file;
// `analyse_deck` hands it the deck it was given and streams into memory. The two therefore
// write the same report, plot data file and monitor file byte for byte (for the same names,
// version text and clock) and give the same numbers.
//
// All data of a call lives in its own EngineState, so calls on several threads at once are
// independent of each other.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/base/engine_state.h"
#include "engine/run/run_request.h"

namespace vornel {

// The state of one run, with the request's environment and names.
EngineState engine_state_for(const RunRequest& request);

// Runs every problem of `deck`, writing the report and the monitor file to the streams and
// the plot data file into s.plot (each closed block to s.plot.sink when one is set). Never
// throws RunStop; the closing line and the last results block are written however it ends.
void analyse_on_streams(EngineState& s, std::string deck, std::ostream& report,
                        std::ostream& monitor);

// Which output texts a file-free analysis keeps; the numbers are always kept.
struct AnalysisTexts {
    bool report = false;
    bool plot = false;
    bool monitor = false;
};

struct Analysis {
    std::vector<ProblemSummary> problems;  // in the order of the deck
    bool error_stop = false;               // a check ended the run (its message is in the report)
    std::string stop_reason;               // one line for callers
    std::string stop_message;              // the report's line of the stop ("ERROR STOP -- ...")
    std::string report, plot, monitor;     // the texts asked for; empty otherwise
};

// Analyses `deck`, the text of an input data file. `request` gives the version text, the
// clock, the sinks and the names the report header shows (its input, report and plot paths);
// no file is opened, read or written, and no scratch file is written. Never throws.
Analysis analyse_deck(const RunRequest& request, std::string deck, AnalysisTexts texts = {});

}  // namespace vornel
