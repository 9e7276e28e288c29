// Stage files of a staged project: their names, and cutting a data file into stage decks.
//
// The stage file of stage N (1..5) is the data file name with its extension replaced by
// ".st" and N, in the data file's folder. A staged data file is its stage decks one after
// another: stage 1 from the first line, each later stage from the line that holds its
// " Stage No :" title up to the line before the next such line, the last one to the end.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace vornel {

constexpr int kMaxStages = 5;

QString stage_file_name(const QString& data_file, int stage);

// Cuts `content` into at most `stage_count` decks, each ending with CR LF.
std::vector<QByteArray> split_stages(const QByteArray& content, int stage_count);

// The message for a data file that announces `count` stages but holds only `found` decks.
QString missing_stages_text(const QString& data_file, int count, int found);

// Appends a deck to a joined data file, line by line (a missing last line end is added).
void append_deck(QByteArray& joined, const QByteArray& deck);

}  // namespace vornel
