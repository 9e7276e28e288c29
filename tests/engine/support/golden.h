// Golden-file comparison for the fixed-column outputs (report, plot file, monitor file).
//
// Volatile text is masked on both sides before comparing: the date and time line of the
// report header and the folder of the input file. A mismatch writes the masked actual text
// beside the golden file as <golden>.actual and names the first differing line; a different
// line count fails as well. With UPDATE_GOLDEN=1 in the environment the golden file is
// rewritten from the actual text instead.
#pragma once

#include <filesystem>
#include <string>

namespace vornel::test {

std::string mask_volatile(const std::string& text);

struct GoldenResult {
    bool ok = false;
    std::string message;  // empty when ok
};

// True when UPDATE_GOLDEN=1 is set.
bool update_golden_requested();

GoldenResult compare_golden(const std::string& actual, const std::filesystem::path& golden,
                            bool update = update_golden_requested());

}  // namespace vornel::test
