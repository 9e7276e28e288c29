// The results of a run in files a script can read: NAME.csv (one row per station and
// problem) and NAME.json (per problem its title, kind, units, iteration outcome, station
// table, maxima and earth-pressure table).
//
// The values are the engine's own doubles, written with 17 significant digits so that they
// read back exactly; a value that is not a finite number is written "nan", "inf" or "-inf"
// in the CSV file and null in the JSON file.
//
// Titles are the deck's bytes: UTF-8 when they are valid UTF-8, else Windows-1252 (the code
// page of older decks). The engine keeps the first 70 bytes of a title, which may cut a UTF-8
// character in two: in a text that may have been cut, an incomplete character at its very end
// is dropped.
#pragma once

#include <string>
#include <vector>

#include "engine/base/engine_state.h"

namespace vornel::tools {

enum class ResultsFormat { Csv, Json };

// "single", "stage N", "short-term" or "long-term" for problem `index` of the run.
std::string problem_kind(const std::vector<ProblemSummary>& problems, std::size_t index);

// `bytes` as UTF-8 text, as described above.
std::string utf8_text(const std::string& bytes, bool may_be_cut = false);

std::string results_csv(const std::vector<ProblemSummary>& problems);
std::string results_json(const std::string& deck, const std::vector<ProblemSummary>& problems);

}  // namespace vornel::tools
