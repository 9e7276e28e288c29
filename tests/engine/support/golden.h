// Golden-file comparison for fixed-column output.
//
// The actual text is compared line by line with the checked-in baseline. On a mismatch the
// actual text is written beside the baseline as <name>.actual and the assertion names the
// first differing line and the line counts. With the environment variable UPDATE_GOLDEN=1
// the baseline is rewritten instead and the assertion passes.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace vornel::test {

// The directory of the checked-in baselines: tests/data/<sub>.
std::filesystem::path golden_dir(const std::string& sub);

::testing::AssertionResult matches_golden(const std::string& actual,
                                          const std::filesystem::path& golden);

// The comparison alone: empty when equal, else a description of the first difference.
std::string golden_difference(const std::string& expected, const std::string& actual);

}  // namespace vornel::test
