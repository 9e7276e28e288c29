// The baseline comparator: it must fail on a changed line and on a changed line count, and
// leave the actual text beside the baseline.
#include "golden_file.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/engine/support/test_support.h"

namespace vornel::test {
namespace {

class GoldenFile : public ::testing::Test {
protected:
    void SetUp() override {
        golden_ = dir_ / "table.golden";
        write_text(golden_, "  1  0.100E+01\n  2  0.200E+01\n");
        const char* v = std::getenv("UPDATE_GOLDEN");
        if (v) saved_ = v;
        unsetenv("UPDATE_GOLDEN");
    }
    void TearDown() override {
        if (!saved_.empty()) setenv("UPDATE_GOLDEN", saved_.c_str(), 1);
    }
    TempDir tmp_;
    const std::filesystem::path& dir_ = tmp_.path();
    std::filesystem::path golden_;
    std::string saved_;
};

TEST_F(GoldenFile, EqualTextPasses) {
    EXPECT_TRUE(matches_golden("  1  0.100E+01\n  2  0.200E+01\n", golden_));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "table.golden.actual"));
}

TEST_F(GoldenFile, ChangedColumnFailsAndLeavesTheActualText) {
    const std::string changed = "  1  0.100E+01\n  2 0.200E+01\n";
    const ::testing::AssertionResult r = matches_golden(changed, golden_);
    EXPECT_FALSE(r);
    EXPECT_NE(std::string(r.message()).find("line 2"), std::string::npos);
    EXPECT_EQ(read_text(dir_ / "table.golden.actual"), changed);
}

TEST_F(GoldenFile, ExtraOrMissingLinesFail) {
    EXPECT_FALSE(matches_golden("  1  0.100E+01\n  2  0.200E+01\n  3  0.300E+01\n", golden_));
    EXPECT_FALSE(matches_golden("  1  0.100E+01\n", golden_));
}

TEST_F(GoldenFile, UpdateSwitchRewritesTheBaseline) {
    setenv("UPDATE_GOLDEN", "1", 1);
    EXPECT_TRUE(matches_golden("new\n", golden_));
    unsetenv("UPDATE_GOLDEN");
    EXPECT_TRUE(matches_golden("new\n", golden_));
    EXPECT_FALSE(matches_golden("old\n", golden_));
}

}  // namespace
}  // namespace vornel::test
