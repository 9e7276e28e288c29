// Surcharge pressure of point, line and strip loads: the worked example, the resultants of
// the elastic solutions, the slicing into steps and the case without free height.
#include "engine/soil/surcharge.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "engine/core/pressure_table.h"
#include "engine/soil/user_pressure.h"
#include "soil_fixture.h"

namespace vornel::soil {
namespace {

using test::SoilProblem;

// English units; wall 250 in long (slices every 1.25 in), excavation at 10 ft.
SoilProblem wall_with(std::vector<SurchargeRow> rows) {
    SoilProblem p;
    p.set_wall(250.0, 1.0, 120.0);
    p.s.surcharges = std::move(rows);
    return p;
}

// Integral of the direct pressure from 0 to `depth` by Simpson's rule.
double resultant(const EngineState& s, double depth, int steps = 20000) {
    const double dz = depth / steps;
    double sum = 0.0;
    for (int i = 0; i <= steps; ++i) {
        const double w = (i == 0 || i == steps) ? 1.0 : (i % 2 ? 4.0 : 2.0);
        sum += w * surcharge_pressure_direct(s, i * dz);
    }
    return sum * dz / 3.0;
}

TEST(Surcharge, PointLoadWorkedExample) {
    // 10 kips at 2 ft from the wall, H = 10 ft: m = 0.2; at 5 ft n = 0.5.
    const SoilProblem p = wall_with({{1, 10000.0, 24.0, 0.0}});
    const double ksf = 0.28 * 10.0 * 0.25 / (100.0 * std::pow(0.41, 3));
    const double psi = ksf * 1000.0 / 144.0;
    EXPECT_NEAR(surcharge_pressure_direct(p.s, 60.0), psi, 1e-12);
    // The step below the slice point at 5 ft reaches to the next slice point, 5 ft + L/200.
    EXPECT_NEAR(surcharge_pressure(p.s, 60.001), psi, 1e-12);
    EXPECT_NEAR(surcharge_pressure(p.s, 61.25), psi, 1e-12);
    EXPECT_NEAR(surcharge_pressure(p.s, 60.0), surcharge_pressure_direct(p.s, 58.75), 1e-12);
    EXPECT_NEAR(surcharge_pressure(p.s, 61.26), surcharge_pressure_direct(p.s, 61.25), 1e-12);
}

TEST(Surcharge, NothingAtOrAboveTheFirstSlicePoint) {
    const SoilProblem p = wall_with({{1, 10000.0, 24.0, 0.0}, {3, 2.0, 30.0, 20.0}});
    EXPECT_EQ(surcharge_pressure(p.s, 0.0), 0.0);
    EXPECT_EQ(surcharge_pressure(p.s, 1.25), 0.0);
    EXPECT_GT(surcharge_pressure(p.s, 1.26), 0.0);
    // Below the tip the last slice point holds.
    EXPECT_NEAR(surcharge_pressure(p.s, 400.0), surcharge_pressure_direct(p.s, 250.0), 1e-15);
}

TEST(Surcharge, DistanceRatioPointFourUsesTheNearWallFormulas) {
    const SoilProblem point = wall_with({{1, 10000.0, 48.0, 0.0}});  // m = 0.4
    const double n = 0.5, q = 10000.0, h = 120.0;
    EXPECT_NEAR(surcharge_pressure_direct(point.s, 60.0),
                0.28 * q * n * n / (h * h * std::pow(0.16 + n * n, 3)), 1e-12);
    const SoilProblem line = wall_with({{2, 100.0, 48.0, 0.0}});
    EXPECT_NEAR(surcharge_pressure_direct(line.s, 60.0),
                0.203 * 100.0 * n / (h * std::pow(0.16 + n * n, 2)), 1e-12);
}

TEST(Surcharge, ResultantsOfTheLoadSolutions) {
    // Line load: 0.203 Q / 0.32 near the wall, 2 Q / pi beyond m = 0.4.
    const double h = 120.0;
    EXPECT_NEAR(resultant(wall_with({{2, 100.0, 24.0, 0.0}}).s, 200 * h), 0.203 * 100.0 / 0.32,
                1e-3);
    EXPECT_NEAR(resultant(wall_with({{2, 100.0, 96.0, 0.0}}).s, 200 * h), 2.0 * 100.0 / 3.1416,
                3e-3);  // the tail beyond 200 H is 1e-3
    // Point load near the wall: 0.28 Q / H times the integral of n^2 / (0.16 + n^2)^3,
    // which is pi / (16 x 0.4^3).
    EXPECT_NEAR(resultant(wall_with({{1, 1000.0, 24.0, 0.0}}).s, 200 * h),
                0.28 * 1000.0 / h * std::numbers::pi / (16.0 * 0.064), 1e-4);
}

TEST(Surcharge, StripWithItsEdgeAtTheWall) {
    // X = W/2: the near edge is at the wall, so theta1 = 0. At z = W, theta2 = 45 degrees.
    const SoilProblem p = wall_with({{3, 2.0, 30.0, 60.0}});
    const double pi = std::numbers::pi;
    EXPECT_NEAR(surcharge_pressure_direct(p.s, 60.0), 2.0 * 2.0 / 3.1416 * (pi / 4 - 0.5), 1e-12);
    // A very wide strip from the wall gives the strip pressure itself (times pi / 3.1416).
    const SoilProblem wide = wall_with({{3, 2.0, 5.0e5, 1.0e6}});
    EXPECT_NEAR(surcharge_pressure_direct(wide.s, 60.0), 2.0 * pi / 3.1416, 1e-3);
}

TEST(Surcharge, RowsAddUpAndUnknownTypesArePointLoads) {
    const SoilProblem one = wall_with({{2, 100.0, 60.0, 0.0}});
    const SoilProblem two = wall_with({{2, 100.0, 60.0, 0.0}, {2, 100.0, 60.0, 0.0}});
    EXPECT_NEAR(surcharge_pressure(two.s, 80.0), 2.0 * surcharge_pressure(one.s, 80.0), 1e-15);
    const SoilProblem point = wall_with({{1, 500.0, 60.0, 0.0}});
    const SoilProblem odd = wall_with({{7, 500.0, 60.0, 0.0}});
    EXPECT_DOUBLE_EQ(surcharge_pressure(odd.s, 80.0), surcharge_pressure(point.s, 80.0));
    EXPECT_EQ(surcharge_pressure(wall_with({}).s, 80.0), 0.0);
}

TEST(Surcharge, WalkDownTheSlicesAgreesWithSingleEvaluations) {
    const SoilProblem p = wall_with({{1, 10000.0, 24.0, 0.0}, {3, 2.0, 30.0, 20.0}});
    SurchargeSlices walk(p.s);
    for (double z : {0.5, 1.3, 2.0, 2.4, 2.6, 100.0, 99.0, 300.0, 1.0}) {
        EXPECT_DOUBLE_EQ(walk.at(z), surcharge_pressure(p.s, z)) << z;
    }
}

TEST(Surcharge, NoFreeHeightGivesNoPressureAndOneWarning) {
    SoilProblem p = wall_with({{1, 10000.0, 24.0, 0.0}});
    p.s.config.free_height = 0.0;
    EXPECT_EQ(surcharge_pressure(p.s, 60.0), 0.0);
    EXPECT_EQ(surcharge_pressure_direct(p.s, 60.0), 0.0);
    EXPECT_TRUE(surcharge_without_height(p.s));
    write_surcharge_height_warning(p.s);
    EXPECT_EQ(p.text(),
              "\n\n     WARNING -- FREE HEIGHT OF WALL IS ZERO: THE SURCHARGE LOADS GIVE NO "
              "PRESSURE\n");
    // The user's pressure table with surcharge rows gets the same warning, and no surcharge.
    SoilProblem user = wall_with({{1, 10000.0, 24.0, 0.0}});
    user.s.config.free_height = 0.0;
    user.s.control.earth_pressure_code = 1;
    user.s.user_pressure = {{0.0, 1.0}, {60.0, 2.0}};
    soil::build_user_pressure(user.s);
    EXPECT_EQ(test::count_of(user.text(), "FREE HEIGHT OF WALL IS ZERO"), 1);
    ASSERT_EQ(user.s.pressure.size(), 2u);
    EXPECT_EQ(user.s.pressure[1].surcharge, 0.0);
    EXPECT_EQ(user.s.pressure[1].total, 2.0);
    SoilProblem none = wall_with({});
    none.s.config.free_height = 0.0;
    write_surcharge_height_warning(none.s);
    EXPECT_EQ(none.text(), "");
}

}  // namespace
}  // namespace vornel::soil
