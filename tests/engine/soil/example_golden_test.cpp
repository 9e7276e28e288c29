// The sample projects with generated earth pressure, run end to end through the engine:
// report and plot data file against their baselines.
#include <string>

#include <gtest/gtest.h>

#include "tests/engine/support/golden.h"
#include "tests/engine/support/test_support.h"

namespace vornel::test {
namespace {

DeckRun expect_example(const std::string& name) {
    const TempDir dir;
    DeckRun run = run_deck_file(source_dir() / "examples" / (name + ".vn5d"), dir.path());
    EXPECT_FALSE(run.state.error_stop) << run.state.stop_reason;
    const std::filesystem::path golden = source_dir() / "tests/engine/soil/golden";
    for (const auto& [text, ext] :
         {std::pair{&run.report, ".vn5o"}, std::pair{&run.plot, ".vn5p"}}) {
        const GoldenResult r = compare_golden(*text, golden / (name + ext));
        EXPECT_TRUE(r.ok) << r.message;
    }
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
