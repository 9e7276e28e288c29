// The plot data file: one block per solved problem for the results viewer.
//
// A block holds four sections in order: the earth-pressure records, the unit flag with the
// p-y curves, the results header (block count, node count, unit flag) and one node record
// per station from the top to one station beyond the toe. Counts and headers are written
// free format (a blank before each value), the records in fixed fields. The file is built
// in memory and written when the run closes. After an error stop the open block is
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

// Writes the file's text to `out`; after an error stop the block counts are set to the
// blocks written.
void write_plot_file(std::ostream& out, const EngineState& s);

}  // namespace vornel
