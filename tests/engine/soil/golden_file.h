// Comparison of fixed-column output with a checked-in baseline.
//
// The baseline is compared line by line; any differing line or a differing line count fails,
// and the actual text is written beside the baseline as <name>.actual for inspection. With
// UPDATE_GOLDEN=1 in the environment the baseline is rewritten instead and the check passes.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace vornel::test {

// Compares `actual` with the baseline at `golden`; the failure message names the first
// differing line.
::testing::AssertionResult matches_golden(const std::string& actual,
                                          const std::filesystem::path& golden);

// Folder of the soil baselines: tests/data/soil.
std::filesystem::path soil_golden_dir();

}  // namespace vornel::test
