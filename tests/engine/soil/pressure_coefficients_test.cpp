// Rankine coefficients for level and sloping backfill, the slope warning, and the effective
// overburden of the working layer table.
#include "engine/soil/pressure_coefficients.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "engine/base/fixed_format.h"
#include "soil_fixture.h"

namespace vornel::soil {
namespace {

using test::SoilProblem;

constexpr double kDeg = std::numbers::pi / 180.0;

// Rankine's active coefficient behind a backfill sloping at beta, exact angles.
double rankine_sloped(double phi, double beta) {
    const double cb = std::cos(beta * kDeg), cf = std::cos(phi * kDeg);
    const double r = std::sqrt(cb * cb - cf * cf);
    return cb * (cb - r) / (cb + r);
}

TEST(Coefficients, LevelGroundThirtyDegrees) {
    const Coefficients c = earth_pressure_coefficients(30.0, 0.0, true);
    // The short degree divisor shows in the sixth digit: not 1/3 and 3.
    EXPECT_EQ(fmt::f(c.ka, 7, 5), "0.33333");
    EXPECT_EQ(fmt::f(c.kp, 7, 5), "2.99999");
    EXPECT_NEAR(c.ka, 1.0 / 3.0, 2e-6);
    EXPECT_NEAR(c.kp, 3.0, 2e-5);
    EXPECT_NEAR(c.sqrt_ka * c.sqrt_ka, c.ka, 1e-15);
    EXPECT_NEAR(c.ka * c.kp, 1.0, 1e-5);  // tan(45 - phi/2) tan(45 + phi/2) = 1
    EXPECT_FALSE(c.slope_warning);
}

TEST(Coefficients, ClayHasUnitCoefficients) {
    const Coefficients c = earth_pressure_coefficients(0.0, 0.0, true);
    EXPECT_NEAR(c.ka, 1.0, 1e-5);
    EXPECT_NEAR(c.kp, 1.0, 1e-5);
}

TEST(Coefficients, SlopingBackfillRaisesKaOnly) {
    const Coefficients up = earth_pressure_coefficients(30.0, 20.0, true);
    EXPECT_NEAR(up.ka, 0.4142, 5e-5);
    EXPECT_NEAR(up.ka, rankine_sloped(30.0, 20.0), 1e-5);
    EXPECT_NEAR(up.sqrt_ka, std::sqrt(up.ka), 1e-15);
    EXPECT_EQ(fmt::f(up.kp, 5, 3), "3.000");
    const Coefficients down = earth_pressure_coefficients(30.0, -20.0, true);
    EXPECT_DOUBLE_EQ(down.ka, up.ka);
    EXPECT_FALSE(up.slope_warning);
}

TEST(Coefficients, SlopeAtOrBeyondFrictionKeepsLevelKaAndWarnsAboveExcavation) {
    const Coefficients level = earth_pressure_coefficients(30.0, 0.0, true);
    const Coefficients steep = earth_pressure_coefficients(30.0, 35.0, true);
    EXPECT_DOUBLE_EQ(steep.ka, level.ka);
    EXPECT_TRUE(steep.slope_warning);
    EXPECT_TRUE(earth_pressure_coefficients(30.0, 30.0, true).slope_warning);
    EXPECT_FALSE(earth_pressure_coefficients(30.0, 35.0, false).slope_warning);
    EXPECT_TRUE(earth_pressure_coefficients(0.0, 5.0, true).slope_warning);  // clay
}

// Sand to 20 ft and sand below, excavation at 10 ft: sub-layers 0-10, 10-20, 20-40 ft.
SoilProblem two_sands(double slope) {
    SoilProblem p;
    p.s.gamma_water = 0.036;
    p.s.config.backfill_slope = slope;
    p.set_wall(480.0, 4.8, 120.0);
    p.add_layer(4, 240.0, 0.07, 0.0, 30.0);
    p.add_layer(4, 480.0, 0.07, 0.0, 30.0);
    return p;
}

TEST(Coefficients, SlopeWarningOncePerRetainedSubLayer) {
    SoilProblem p = two_sands(35.0);
    p.s.layers.front().thickness = p.s.layers.front().bottom_depth = 60.0;
    p.s.layers.back().thickness = 420.0;  // sand 0-5 ft, 5-40 ft: two retained sub-layers
    LayerTable t = subdivide_layers(p.s.layers, 120.0, 1e6, 1.0);
    compute_overburden_and_coefficients(p.s, t);
    write_coefficient_table(p.s, t);
    const std::string warning =
        "\n\n**** WARNING ******\n"
        "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.\n";
    EXPECT_EQ(test::count_of(p.text(), warning), 2);
    EXPECT_EQ(test::count_of(p.monitor.str(), warning), 2);
    ASSERT_EQ(p.messages.size(), 1u);  // the console hears it once
    EXPECT_EQ(p.messages[0],
              "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.");
    // The warnings stand before the lines of sub-layers 1 and 2, not before 3.
    const std::vector<std::string> lines = test::lines_of(p.text());
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[7], "        LAYER         ACTIVE EARTH     PASSIVE EARTH   ");
    EXPECT_EQ(lines[11], "**** WARNING ******");
    EXPECT_EQ(lines[13], "           1          0.333E+00         0.300E+01");
    EXPECT_EQ(lines[18], "           2          0.333E+00         0.300E+01");
    EXPECT_EQ(lines[19], "           3          0.333E+00         0.300E+01");
}

TEST(Overburden, DryProfileIsTheTotalStressFromTheSurfaceLoad) {
    SoilProblem p = two_sands(0.0);
    p.s.surface.surface_load = 2.0;
    p.s.layers.back().top[0] = 0.08;
    LayerTable t = subdivide_layers(p.s.layers, 120.0, 1e6, 1.0);
    compute_overburden_and_coefficients(p.s, t);
    ASSERT_EQ(t.count(), 3);
    EXPECT_DOUBLE_EQ(t.rows[0].sigma_v, 2.0);
    EXPECT_NEAR(t.rows[1].sigma_v, 2.0 + 120 * 0.07, 1e-12);
    EXPECT_NEAR(t.rows[2].sigma_v, 2.0 + 240 * 0.07, 1e-12);
    EXPECT_NEAR(p.s.sigma_v_excavation, 10.4, 1e-12);
    for (const SubLayer& l : t.rows) EXPECT_FALSE(l.wet);
}

TEST(Overburden, WaterAtTheSurfaceMakesEverySubLayerWet) {
    SoilProblem p = two_sands(0.0);
    p.s.surface.surface_load = 1.0;
    p.s.config.water_depth_backfill = 0.0;
    LayerTable t = subdivide_layers(p.s.layers, 120.0, 0.0, 1.0);
    compute_overburden_and_coefficients(p.s, t);
    ASSERT_EQ(t.count(), 3);
    for (const SubLayer& l : t.rows) {
        EXPECT_TRUE(l.wet);
        // Effective stress = surface load + buoyant weight above.
        EXPECT_NEAR(l.sigma_v, 1.0 + l.ztop * (0.07 - 0.036), 1e-12);
    }
}

TEST(Overburden, PorePressureOfOneSubLayerDoesNotEnterTheNext) {
    SoilProblem p = two_sands(0.0);
    p.s.config.water_depth_backfill = 60.0;
    LayerTable t = subdivide_layers(p.s.layers, 120.0, 60.0, 1.0);
    compute_overburden_and_coefficients(p.s, t);
    ASSERT_EQ(t.count(), 4);  // 0-60, 60-120, 120-240, 240-480
    EXPECT_FALSE(t.rows[0].wet);
    EXPECT_NEAR(t.rows[1].sigma_v, 60 * 0.07, 1e-12);
    EXPECT_NEAR(t.rows[2].sigma_v, 120 * 0.07 - 60 * 0.036, 1e-12);
    EXPECT_NEAR(t.rows[3].sigma_v, 240 * 0.07 - 180 * 0.036, 1e-12);
    EXPECT_NEAR(p.s.sigma_v_excavation, t.rows[2].sigma_v, 1e-15);
}

TEST(Overburden, TableLayout) {
    SoilProblem p = two_sands(0.0);
    LayerTable t = subdivide_layers(p.s.layers, 120.0, 1e6, 1.0);
    compute_overburden_and_coefficients(p.s, t);
    write_overburden_table(p.s, t);
    const std::string expected =
        "\n\n"
        "      **************************************************\n"
        "      EFFECTIVE OVERBURDEN STRESS\n"
        "      **************************************************\n\n"
        "                DEPTH                     STRESS       \n"
        "                 IN                       LBS/IN**2\n\n"
        "             0.000E+00                  0.000E+00\n"
        "             0.120E+03                  0.840E+01\n"
        "             0.240E+03                  0.168E+02\n";
    EXPECT_EQ(p.text(), expected);
}

}  // namespace
}  // namespace vornel::soil
