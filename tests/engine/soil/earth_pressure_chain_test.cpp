// The whole chain on problems filled directly: report sections and the handed-over pressure
// table (in the layout of BMWALL.001) against
// baselines, and the ways the chain ends a run.
#include "engine/soil/earth_pressure.h"

#include <limits>

#include <gtest/gtest.h>

#include "engine/base/run_stop.h"
#include "engine/soil/scratch_text.h"
#include "soil_fixture.h"
#include "tests/engine/support/golden.h"

namespace vornel::soil {
namespace {

using test::SoilProblem;

// Compares with the baseline in tests/engine/soil/golden.
void expect_golden(const std::string& actual, const std::string& name) {
    const test::GoldenResult r =
        test::compare_golden(actual, test::source_dir() / "tests/engine/soil/golden" / name);
    EXPECT_TRUE(r.ok) << r.message;
}

class Chain : public ::testing::Test {
  protected:
    // The pressure table the chain hands over, as BMWALL.001 shows it.
    static std::string scratch(const SoilProblem& p) { return bmwall_text(p.s.handover.pressure); }
};

// Cantilever in English units: 8 ft of sand over clay, water at 6 ft, excavation at 12 ft,
// wall 24 ft; a uniform surface load and a line load.
SoilProblem layered_english() {
    SoilProblem p;
    p.set_wall(288.0, 2.88, 144.0);
    p.s.config.water_depth_backfill = 72.0;
    p.s.config.water_depth_excavation = 120.0;
    p.s.surface.surface_load = 250.0 / 144.0;
    p.s.surcharges = {{2, 1000.0 / 12.0, 48.0, 0.0}};
    p.add_layer(4, 96.0, 120.0 / 1728.0, 0.0, 32.0);
    p.add_layer(3, 240.0, 125.0 / 1728.0, 1200.0 / 144.0, 0.0);
    p.add_layer(4, 400.0, 130.0 / 1728.0, 0.0, 36.0);
    return p;
}

TEST_F(Chain, LayeredSandAndClayTriangular) {
    SoilProblem p = layered_english();
    run_earth_pressure_chain(p.s);
    expect_golden(p.text(), "layered_english.report");
    expect_golden(scratch(p), "layered_english.bmwall");
    EXPECT_NEAR(p.s.gamma_water, 0.036, 1e-8);
    EXPECT_GT(p.s.sigma_v_excavation, 0.0);
}

// Anchored wall in SI: sand, excavation at 6 m, wall 12 m, one tieback at 1.5 m and a strip
// load beside the wall; the backfill slopes at 10 degrees.
SoilProblem anchored_si() {
    SoilProblem p(2);
    p.s.control.earth_pressure_code = 3;
    p.set_wall(12.0, 0.1, 6.0);
    p.s.config.backfill_slope = 10.0;
    p.s.config.water_depth_backfill = 8.0;
    p.s.surcharges = {{3, 20.0, 2.5, 3.0}};
    p.s.support_count = 1;
    p.s.first_support_depth = p.s.last_support_depth = 1.5;
    p.add_layer(4, 3.0, 18.0, 0.0, 30.0);
    p.add_layer(5, 15.0, 19.5, 5.0, 28.0);
    return p;
}

TEST_F(Chain, AnchoredSandTrapezoidal) {
    SoilProblem p = anchored_si();
    run_earth_pressure_chain(p.s);
    expect_golden(p.text(), "anchored_si.report");
    expect_golden(scratch(p), "anchored_si.bmwall");
    // 1 + 120 + 120 points and the excavation point once more.
    EXPECT_EQ(scratch(p).substr(0, 5), " 242\n");
}

TEST_F(Chain, NoSupportRowsFallBackToTheTriangle) {
    SoilProblem p = anchored_si();
    p.s.support_count = 0;
    run_earth_pressure_chain(p.s);
    EXPECT_EQ(test::count_of(p.text(),
                             "\n\n     WARNING -- NO SUPPORT FOR THE TRAPEZOIDAL DISTRIBUTION: THE "
                             "TRIANGULAR DISTRIBUTION IS USED\n"),
              1);
    EXPECT_EQ(scratch(p).substr(0, 5), " 241\n");
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0],
              "WARNING -- NO SUPPORT FOR THE TRAPEZOIDAL DISTRIBUTION: THE "
              "TRIANGULAR DISTRIBUTION IS USED");
}

TEST_F(Chain, ProfileEndingAboveTheTipIsReported) {
    SoilProblem p = layered_english();
    p.s.layers.back().bottom_depth = 200.0;
    p.s.layers.back().thickness = 200.0 - 96.0;
    p.s.layers.pop_back();
    run_earth_pressure_chain(p.s);
    EXPECT_EQ(test::count_of(p.text(),
                             "     WARNING -- THE SOIL LAYERS END ABOVE THE TIP OF THE "
                             "WALL: THE LAST LAYER IS CARRIED ON TO THE TIP\n"),
              1);
    EXPECT_EQ(scratch(p).substr(0, 5), " 289\n");
}

TEST_F(Chain, SurchargeWithoutFreeHeightWarnsOnce) {
    SoilProblem p = layered_english();
    p.s.config.free_height = 0.0;
    p.s.surcharges.push_back({1, 500.0, 30.0, 0.0});
    run_earth_pressure_chain(p.s);
    EXPECT_EQ(test::count_of(p.text(), "FREE HEIGHT OF WALL IS ZERO"), 1);
}

// The stop codes leave the report up to the soil section and one line saying why.
void expect_stop(SoilProblem& p, const std::string& line) {
    EXPECT_THROW(run_earth_pressure_chain(p.s), RunStop);
    const std::string tail = "\n\n     " + line + "\n";
    ASSERT_GE(p.text().size(), tail.size());
    EXPECT_EQ(p.text().substr(p.text().size() - tail.size()), tail);
}

TEST_F(Chain, LayersEndingAboveTheExcavationStopTheRun) {
    SoilProblem p = layered_english();
    p.s.config.free_height = 500.0;
    expect_stop(p, "ERROR STOP -- NO SOIL LAYER BELOW THE EXCAVATION LEVEL");
    EXPECT_NE(p.text().find("SOIL INFORMATION"), std::string::npos);
    EXPECT_EQ(p.text().find("EFFECTIVE OVERBURDEN STRESS"), std::string::npos);
    EXPECT_FALSE(p.s.handover.pressure_ready);
}

TEST_F(Chain, TooManySubLayersStopTheRun) {
    SoilProblem p = layered_english();
    p.s.layers.clear();
    for (int j = 1; j <= 21; ++j) p.add_layer(4, 12.0 * j, 0.07, 0.0, 30.0);
    expect_stop(p, "ERROR STOP -- MORE THAN 20 SUB-LAYERS IN THE SOIL PROFILE");
}

TEST_F(Chain, PressureThatIsNotFiniteIsNeverHandedOver) {
    SoilProblem p = layered_english();
    p.s.layers[1].top[0] = std::numeric_limits<double>::max();
    expect_stop(p, "ERROR STOP -- THE EARTH PRESSURE IS NOT A FINITE NUMBER; CHECK THE SOIL DATA");
    EXPECT_FALSE(p.s.handover.pressure_ready);
}

// The table holds a point per inch (per 5 cm in SI) down to the tip: a wall longer than the
// table can hold stops the run before a point is made, and the longest wall still runs.
TEST_F(Chain, WallTooLongToTabulateStopsTheRun) {
    struct Case {
        int units;
        int ninc;
        double h;
        const char* line;
    };
    for (const Case& c : {
             Case{1, 300, 60000.0,
                  "ERROR STOP -- WALL LENGTH NINC X H 1.8e+07 OUTSIDE 0..200000 FOR GENERATED "
                  "EARTH PRESSURE"},
             Case{2, 100, 100.01,
                  "ERROR STOP -- WALL LENGTH NINC X H 10001 OUTSIDE 0..10000 FOR GENERATED EARTH "
                  "PRESSURE"},
             Case{3, 400, 1e30,
                  "ERROR STOP -- WALL LENGTH NINC X H 4e+32 OUTSIDE 0..200000 FOR GENERATED EARTH "
                  "PRESSURE"},
         }) {
        SoilProblem p = layered_english();
        p.s.control.unit_system = c.units;
        p.s.wall.ninc = c.ninc;
        p.s.wall.h = c.h;
        expect_stop(p, c.line);
        EXPECT_FALSE(p.s.handover.pressure_ready);
    }
    SoilProblem longest = layered_english();
    longest.s.wall.ninc = 100;
    longest.s.wall.h = 2000.0;
    run_earth_pressure_chain(longest.s);
    EXPECT_GE(longest.s.handover.pressure.size(), 200'000u);
    EXPECT_LE(longest.s.handover.pressure.size(), 200'000u + 21u);
}

}  // namespace
}  // namespace vornel::soil
