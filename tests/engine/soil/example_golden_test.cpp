// The sample projects with generated earth pressure, run end to end through the engine:
// report and plot data file against their baselines (the folder of the run is masked).
#include <string>

#include <gtest/gtest.h>

#include "golden_file.h"
#include "tests/engine/support/test_support.h"

namespace vornel::test {
namespace {

// The run's folder appears in the report header; everything else is reproducible.
std::string masked(const std::string& report) {
    static const std::string kPath = "Path to file locations      : ";
    std::string out;
    for (const std::string& line : lines_of(report)) {
        const size_t at = line.find(kPath);
        out += at == std::string::npos ? line : line.substr(0, at + kPath.size()) + "<folder>";
        out += '\n';
    }
    return out;
}

DeckRun expect_example(const std::string& name) {
    const TempDir dir;
    DeckRun run = run_deck_file(source_dir() / "examples" / (name + ".vn5d"), dir.path());
    const std::filesystem::path golden = source_dir() / "tests" / "data" / "examples";
    EXPECT_FALSE(run.state.error_stop) << run.state.stop_reason;
    EXPECT_TRUE(matches_golden(masked(run.report), golden / (name + ".vn5o")));
    EXPECT_TRUE(matches_golden(run.plot, golden / (name + ".vn5p")));
    return run;
}

// Every problem of a run converged.
void expect_converged(const DeckRun& run, size_t problems) {
    ASSERT_EQ(run.state.summaries.size(), problems);
    for (const ProblemSummary& p : run.state.summaries) {
        EXPECT_TRUE(p.outcome.converged) << "problem " << p.problem;
    }
}

TEST(Examples, CantileverInLayeredSandAndClayWithWater) {
    expect_example("cantilever_sand_clay_water");
}

TEST(Examples, AnchoredWallTrapezoidalPressureAndStripLoad) {
    expect_example("anchored_trapezoid_strip");
}

// Generated pressure and generated p-y curves in soft clay over sand over weak rock.
TEST(Examples, CantileverInSoftClayOverSandOverWeakRock) {
    expect_converged(expect_example("cantilever_layered"), 1);
}

TEST(Examples, CantileverShortTermAndLongTerm) {
    expect_converged(expect_example("cantilever_layered_long_term"), 2);
}

TEST(Examples, ThreeStageAnchoredExcavation) {
    expect_converged(expect_example("anchored_three_stage"), 3);
}

}  // namespace
}  // namespace vornel::test
