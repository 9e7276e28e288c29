// Resultant forces of the active and water pressure on the retained sub-layers, checked
// against the resultants of the pressure diagrams worked out by hand.
#include "engine/soil/layer_forces.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "soil_fixture.h"

namespace vornel::soil {
namespace {

using test::SoilProblem;

const double kKa30 = std::pow(std::tan(std::numbers::pi / 6.0), 2);  // 1/3

TEST(LayerForces, DrySandWithSurfaceLoad) {
    SoilProblem p;
    p.set_wall(300.0, 3.0, 120.0);
    p.s.surface.surface_load = 1.5;
    p.add_layer(4, 360.0, 0.0694, 0.0, 30.0);
    const LayerTable t = p.prepared_table();
    const ForceTable f = compute_layer_forces(p.s, t);
    ASSERT_EQ(f.rows.size(), 2u);
    const LayerForces& r = f.rows[0];
    // Rectangle q Ka H at mid-height, triangle gamma H^2 Ka / 2 at two thirds.
    EXPECT_NEAR(r.pa1, 1.5 * kKa30 * 120.0, 1e-4);
    EXPECT_NEAR(r.pa2, 0.0694 * 120.0 * 120.0 / 2.0 * kKa30, 2e-3);  // Ka to 1e-5
    EXPECT_DOUBLE_EQ(r.pa3, 0.0);
    EXPECT_DOUBLE_EQ(r.z1, 60.0);
    EXPECT_DOUBLE_EQ(r.z2, 80.0);
    EXPECT_NEAR(f.net, r.pa1 + r.pa2, 1e-12);
    EXPECT_FALSE(f.water_table_above_excavation);
    // The embedded sub-layer gets no forces.
    EXPECT_DOUBLE_EQ(f.rows[1].pa1 + f.rows[1].pa2, 0.0);
    EXPECT_DOUBLE_EQ(f.rows[1].z1, -1000.0);
}

TEST(LayerForces, ModificationFactorScalesEveryPart) {
    SoilProblem p;
    p.set_wall(300.0, 3.0, 120.0);
    p.s.config.active_factor = 0.5;
    p.s.surface.surface_load = 1.0;
    p.add_layer(5, 360.0, 0.07, 0.1, 30.0);
    const LayerTable t = p.prepared_table();
    const LayerForces r = compute_layer_forces(p.s, t).rows[0];
    EXPECT_NEAR(r.pa1, 0.5 * 1.0 * kKa30 * 120.0, 1e-4);
    EXPECT_NEAR(r.pa2, 0.5 * 0.07 * 7200.0 * kKa30, 1e-3);
    EXPECT_NEAR(r.pa3, -0.5 * 2.0 * 0.1 * std::sqrt(kKa30) * 120.0, 1e-4);
}

TEST(LayerForces, SurchargeForceAddsToTheRectangle) {
    SoilProblem p;
    p.set_wall(300.0, 3.0, 120.0);
    p.add_layer(4, 360.0, 0.07, 0.0, 30.0);
    p.s.surcharges = {{2, 100.0, 24.0, 0.0}};  // line load, m = 0.2
    const LayerTable t = p.prepared_table();
    const LayerForces r = compute_layer_forces(p.s, t).rows[0];
    // Ten-step sum of 0.203 Q n / (H (0.16 + n^2)^2) over the retained height.
    double expected = 0.0;
    for (int k = 1; k <= 10; ++k) {
        const double n = k * 12.0 / 120.0;
        expected += 12.0 * 0.203 * 100.0 * n / (120.0 * std::pow(0.16 + n * n, 2));
    }
    EXPECT_NEAR(r.pa1, expected, 1e-9);
}

// Clay 6 m over sand, excavation at 6 m (SI).
SoilProblem clay_over_sand(double cohesion) {
    SoilProblem p(2);
    p.set_wall(12.0, 0.1, 6.0);
    p.add_layer(1, 6.0, 18.0, cohesion, 0.0);
    p.add_layer(4, 15.0, 19.0, 0.0, 32.0);
    return p;
}

TEST(LayerForces, ClayInTensionKeepsOnlyThePositiveTriangle) {
    SoilProblem p = clay_over_sand(20.0);
    const LayerTable t = p.prepared_table();
    const ForceTable f = compute_layer_forces(p.s, t);
    const LayerForces& r = f.rows[0];
    // Tension crack depth zc = 2c / (gamma sqrt(Ka)); below it the diagram rises to
    // gamma H Ka - 2 c sqrt(Ka) at the excavation level (Ka of clay = 1).
    const double zc = 2.0 * 20.0 / 18.0, bottom = 18.0 * 6.0 - 2.0 * 20.0;
    EXPECT_DOUBLE_EQ(r.pa1, 0.0);
    EXPECT_DOUBLE_EQ(r.pa2, 0.0);
    EXPECT_DOUBLE_EQ(r.pa3, 0.0);
    EXPECT_NEAR(r.zp, 6.0 - zc, 1e-4);
    EXPECT_NEAR(r.pa4, bottom * (6.0 - zc) / 2.0, 1e-3);
    EXPECT_NEAR(r.z3, 6.0 - (6.0 - zc) / 3.0, 1e-4);
    EXPECT_NEAR(f.net, r.pa4, 1e-12);
}

TEST(LayerForces, NegativeNetForceIsReportedAndSentToTheConsole) {
    SoilProblem p = clay_over_sand(60.0);  // 2c exceeds gamma H: tension over the full height
    const LayerTable t = p.prepared_table();
    const ForceTable f = compute_layer_forces(p.s, t);
    EXPECT_DOUBLE_EQ(f.rows[0].pa4, 0.0);
    EXPECT_DOUBLE_EQ(f.rows[0].zp, 0.0);
    EXPECT_LT(f.net, 1e-5);
    write_layer_forces(p.s, t, f);
    EXPECT_EQ(test::count_of(p.text(), "\n\n     Net active pressure is negative.\n\n"), 1);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0], "Net active pressure is negative.");
}

// One soil to 40 ft, water at 5 ft, excavation at 15 ft (English).
SoilProblem water_above_excavation(int type, double cohesion, double phi) {
    SoilProblem p;
    p.set_wall(360.0, 3.6, 180.0);
    p.s.config.water_depth_backfill = 60.0;
    p.add_layer(type, 480.0, 0.07, cohesion, phi);
    return p;
}

TEST(LayerForces, WaterAboveTheExcavation) {
    SoilProblem p = water_above_excavation(4, 0.0, 30.0);
    const LayerTable t = p.prepared_table();
    const ForceTable f = compute_layer_forces(p.s, t);
    ASSERT_TRUE(f.water_table_above_excavation);
    const LayerForces& wet = f.rows[1];  // 60 to 180 in, top at the water table
    EXPECT_NEAR(wet.pw1, 0.0, 1e-12);
    EXPECT_NEAR(wet.pw2, -120.0 * 120.0 * 0.036 / 2.0, 1e-4);
    EXPECT_NEAR(wet.pa1, 60.0 * 0.07 * kKa30 * 120.0, 1e-3);
    EXPECT_NEAR(wet.pa2, 120.0 * 120.0 * (0.07 - 0.036) / 2.0 * kKa30, 1e-3);
    // Net: the effective-stress diagram plus the hydrostatic water below the table.
    const double earth = kKa30 * (0.07 * 60 * 60 / 2 + 0.07 * 60 * 120 + 0.034 * 120 * 120 / 2);
    EXPECT_NEAR(f.net, earth + 0.036 * 120 * 120 / 2, 1e-2);

    write_layer_forces(p.s, t, f);
    const std::vector<std::string> lines = test::lines_of(p.text());
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[6],
              "       LAYER    PA1     Z1       PA2     Z2         PA3     Z3        PA4");
    EXPECT_EQ(lines[7],
              "        NO   LBS/IN     IN     LBS/IN     IN     LBS/IN     IN     LBS/IN");
    EXPECT_EQ(lines[8],
              "       1       0.00  30.00      42.00  40.00       0.00   0.00       0.00");
    EXPECT_EQ(lines[9],
              "       2     168.00 120.00      81.60 140.00       0.00   0.00       0.00");
    EXPECT_EQ(lines[13], "      ACTIVE WATER PRESSURE OF EACH LAYER");
    EXPECT_EQ(lines[16], "       LAYER    PW1     Z1       PW2     Z2                ");
    EXPECT_EQ(lines[17], "        NO             ");
    EXPECT_EQ(lines[18], "       2       0.00 120.00     259.20 140.00");
}

TEST(LayerForces, ClayBelowTheWaterTableCarriesNoWaterForce) {
    SoilProblem p = water_above_excavation(2, 2.0, 0.0);
    const LayerTable t = p.prepared_table();
    const ForceTable f = compute_layer_forces(p.s, t);
    EXPECT_TRUE(f.water_table_above_excavation);
    EXPECT_DOUBLE_EQ(f.rows[1].pw1 + f.rows[1].pw2, 0.0);
    write_layer_forces(p.s, t, f);
    EXPECT_EQ(test::lines_of(p.text()).back(), "        NO             ");
}

}  // namespace
}  // namespace vornel::soil
