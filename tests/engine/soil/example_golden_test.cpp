// The sample projects with generated earth pressure, run end to end through the engine:
// report and plot data file against their baselines.
#include <string>

#include <gtest/gtest.h>

#include "tests/engine/support/golden.h"
#include "tests/engine/support/test_support.h"

namespace vornel::test {
namespace {

void expect_example(const std::string& name) {
    const TempDir dir;
    const DeckRun run = run_deck_file(source_dir() / "examples" / (name + ".vn5d"), dir.path());
    EXPECT_FALSE(run.state.error_stop) << run.state.stop_reason;
    const std::filesystem::path golden = source_dir() / "tests/engine/soil/golden";
    for (const auto& [text, ext] :
         {std::pair{&run.report, ".vn5o"}, std::pair{&run.plot, ".vn5p"}}) {
        const GoldenResult r = compare_golden(*text, golden / (name + ext));
        EXPECT_TRUE(r.ok) << r.message;
    }
}

TEST(Examples, CantileverInLayeredSandAndClayWithWater) {
    expect_example("cantilever_sand_clay_water");
}

TEST(Examples, AnchoredWallTrapezoidalPressureAndStripLoad) {
    expect_example("anchored_trapezoid_strip");
}

}  // namespace
}  // namespace vornel::test
