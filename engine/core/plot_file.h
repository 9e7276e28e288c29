// The plot data file: one block per solved problem for the results viewer.
//
// A block holds four sections in order: the earth-pressure records, the unit flag with the
// p-y curves, the results header (block count, node count, unit flag) and one node record
// per station from the top to one station beyond the toe. Counts and headers are written
// free format (a blank before each value), the records in fixed fields. Each block is built
// in memory and handed on when it closes (see PlotBuffer). After an error stop the open block is
// completed with empty sections, and every results header then gives the number of blocks
// the file really holds, so that a reader always finds whole blocks and never runs off the
// end.
#pragma once

#include <ostream>

#include "engine/base/engine_state.h"

namespace vornel {

// Earth-pressure section: the count (0 without earth pressure) and the thinned records.
void plot_pressure_section(EngineState& s);
// Unit flag and p-y section.
void plot_curve_section(EngineState& s);
// Results header and node records (the last computed results, none when no problem has
// computed results); closes the block.
void plot_results_block(EngineState& s);
// Completes the open block after an error stop: missing sections empty, then the results.
void plot_complete_block(EngineState& s);

// Writes the text not yet handed on to `out`; after an error stop the block counts in it are
// set to the blocks written. Blocks handed on must be taken back into s.plot.text first for
// their counts to be set.
void write_plot_file(std::ostream& out, const EngineState& s);

}  // namespace vornel
