// Writing the input data file (the project file and the engine's input deck).
//
// Lines end with CR LF; reals carry at most 8 significant digits; separators are those of
// the deck layout (TAB or blank); the zeros of the soil rows are written "0.0". English table
// values are converted to the file's units (ft to in, lbs/ft^3 to lbs/in^3, ...), except the
// tieback and surcharge rows, which the file holds as the tables show them. Before writing,
// the tables of switched-off options are emptied and the control codes derived.
#pragma once

#include <QByteArray>

#include "editor/program_data.h"

namespace vornel {

// The data file of a project without stages: one problem ending with 0, or with the
// long-term analysis the short-term problem, 9, the long-term problem and 0.
QByteArray write_data_file(TProgramData& data);

// The deck of one stage: titled with the project title for stage 1 and " Stage No : N"
// for later stages, ending with the stage number, never with a long-term block.
QByteArray write_stage_deck(TProgramData& data, int stage);

QString stage_title(int stage);  // " Stage No : N"

}  // namespace vornel
