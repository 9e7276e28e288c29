// Reading a data file or a stage file into the project.
//
// The file is read item by item with TWordReader in the order of the deck, adjusted by the
// layout of its format. Tables are emptied first and take the row counts the file announces
// (a count beyond a table's maximum is refused with the reader's integer message, so no
// garbage count can run the reader away); English values are converted from file units to
// table units. When reading fails, what was read stays and the reader's message is returned.
// Afterwards the option switches are rebuilt from what was read and every table but the
// chart tables is filled up to its minimum rows.
#pragma once

#include <QByteArray>
#include <QString>

#include "editor/data_file_layout.h"
#include "editor/program_data.h"

namespace vornel {

struct ReadOutcome {
    bool ok = true;
    QString error;  // the reader's message when not ok
    bool longTermRead = false;
    // The deck goes on with a problem the model does not keep: a data file that is not staged
    // ends with the continuation code 0 or 1, or 9 followed by the long-term block.
    bool moreProblems = false;
};

// A data file in `layout` (the long-term block included when the layout has one).
ReadOutcome read_data_file(const QByteArray& content, TProgramData& data, const DeckLayout& layout);

// A stage file: as a data file, but only an earth-pressure code of 2 sets the generated-
// pressure switch, and the last integer is taken as the long-term marker (a stage never has a
// long-term block). Every switch follows what the stage holds, so a stage without tiebacks
// stays without them after another stage with tiebacks was current.
ReadOutcome read_stage_file(const QByteArray& content, TProgramData& data,
                            const DeckLayout& layout);

}  // namespace vornel
