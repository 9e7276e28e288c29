// The tabulated pressure down the wall, checked against the Rankine diagrams computed by
// hand: dry and submerged sand, clay in tension, surface load, water in the excavation, the
// point spacing and the table's end at the tip of the wall.
#include "engine/soil/pressure_tabulation.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "engine/soil/layer_forces.h"
#include "soil_fixture.h"

namespace vornel::soil {
namespace {

using test::SoilProblem;

const double kKa30 = std::pow(std::tan(std::numbers::pi / 6.0), 2);  // 1/3

// Relative agreement to the sixth digit, which the short degree divisor disturbs.
void expect_close(double actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-5 * std::abs(expected) + 1e-12);
}

// Dry sand 30 ft, excavation at 10 ft, wall 25 ft (English).
SoilProblem dry_sand() {
    SoilProblem p;
    p.set_wall(300.0, 3.0, 120.0);
    p.add_layer(4, 360.0, 0.0694, 0.0, 30.0);
    return p;
}

TEST(Tabulation, DrySandRisesToTheExcavationAndStaysConstantBelow) {
    SoilProblem p = dry_sand();
    LayerTable t = p.prepared_table();
    const PressureTable table = tabulate_pressure(p.s, t, true);
    ASSERT_EQ(table.points.size(), 301u);  // depth 0, one per inch to the tip
    EXPECT_EQ(table.excavation_point, 120);
    for (size_t j = 1; j < table.points.size(); ++j) {
        const PressureRow& r = table.points[j];
        EXPECT_DOUBLE_EQ(r.depth, static_cast<double>(j));
        const double expected = kKa30 * 0.0694 * std::min(r.depth, 120.0);
        expect_close(r.p1, expected);
        EXPECT_DOUBLE_EQ(r.p2, r.p1);
        EXPECT_DOUBLE_EQ(r.p3, 0.0);
    }
    EXPECT_FALSE(table.extended);
    // The running force integrates the retained diagram: gamma H^2 Ka / 2.
    expect_close(table.running_force, 0.0694 * 120.0 * 120.0 / 2.0 * kKa30);
}

TEST(Tabulation, SurfaceLoadShareIsTheSurchargePart) {
    SoilProblem p = dry_sand();
    p.s.surface.surface_load = 2.0;
    LayerTable t = p.prepared_table();
    const PressureTable table = tabulate_pressure(p.s, t, true);
    const PressureRow& top = table.points[0];
    expect_close(top.p1, 2.0 * kKa30);
    EXPECT_DOUBLE_EQ(top.p2, 0.0);
    EXPECT_DOUBLE_EQ(top.p3, top.p1);
    for (size_t j : {1u, 60u, 120u, 200u}) {
        const PressureRow& r = table.points[j];
        expect_close(r.p1, kKa30 * (2.0 + 0.0694 * std::min(r.depth, 120.0)));
        expect_close(r.p3, kKa30 * 2.0);
        expect_close(r.p2, kKa30 * 0.0694 * std::min(r.depth, 120.0));
    }
}

TEST(Tabulation, SubmergedSandAddsTheWaterGradient) {
    SoilProblem p;
    p.set_wall(360.0, 3.6, 180.0);
    p.s.config.water_depth_backfill = 60.0;
    p.add_layer(4, 480.0, 0.07, 0.0, 30.0);
    LayerTable t = p.prepared_table();
    const ForceTable f = compute_layer_forces(p.s, t);
    const PressureTable table = tabulate_pressure(p.s, t, f.water_table_above_excavation);
    for (size_t j : {30u, 60u, 61u, 120u, 180u}) {
        const double z = table.points[j].depth;
        const double below = std::max(0.0, z - 60.0);
        expect_close(table.points[j].p1,
                     kKa30 * (0.07 * std::min(z, 60.0) + 0.034 * below) + 0.036 * below);
    }
    // Below the excavation the effective pressure of the excavation level is carried on.
    expect_close(table.points[250].p1, kKa30 * (0.07 * 60.0 + 0.034 * 120.0));
    // Without the water switch the water gradient stays out.
    LayerTable dry = p.prepared_table();
    p.s.config.water_switch = 0;
    const PressureTable no_water = tabulate_pressure(p.s, dry, false);
    expect_close(no_water.points[120].p1, kKa30 * (0.07 * 60.0 + 0.034 * 60.0));
    // The running force equals the layer forces' net, water included.
    expect_close(table.running_force, f.net);
}

// Water 4 ft below the top of a 25 ft wall in sand retaining 10 ft, the excavation side dry
// to its level: Rankine on the effective stress plus the pore pressure of the backfill above
// the excavation level; below it the effective pressure of the excavation level alone, with no
// water term, so that the buoyant weight leaves less driving pressure there than without water
// (1.936 against 2.8 psi). The two sides' water is not netted below the excavation level.
TEST(Tabulation, ShallowWaterTableByHand) {
    SoilProblem p;
    p.set_wall(300.0, 3.0, 120.0);
    p.s.config.water_depth_backfill = 48.0;
    p.s.config.water_depth_excavation = 120.0;
    p.add_layer(4, 360.0, 0.07, 0.0, 30.0);
    LayerTable t = p.prepared_table();
    const ForceTable f = compute_layer_forces(p.s, t);
    ASSERT_TRUE(f.water_table_above_excavation);
    const PressureTable wet = tabulate_pressure(p.s, t, true);
    // depth (in), pressure by hand (psi): 0.07 pci total, 0.034 pci buoyant, 0.036 pci water.
    const struct {
        size_t j;
        double p1;
    } rows[] = {
        {24, 0.07 * 24.0 / 3.0},                            // 0.56, dry above the water
        {48, 0.07 * 48.0 / 3.0},                            // 1.12, at the water table
        {96, (3.36 + 0.034 * 48.0) / 3.0 + 0.036 * 48.0},   // 3.392
        {120, (3.36 + 0.034 * 72.0) / 3.0 + 0.036 * 72.0},  // 4.528, at the excavation level
        {121, (3.36 + 0.034 * 72.0) / 3.0},                 // 1.936 below it, held to the tip
        {300, (3.36 + 0.034 * 72.0) / 3.0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.j);
        expect_close(wet.points[r.j].p1, r.p1);
    }
    // The same wall without water: 2.8 psi below the excavation level.
    SoilProblem dry;
    dry.set_wall(300.0, 3.0, 120.0);
    dry.add_layer(4, 360.0, 0.07, 0.0, 30.0);
    LayerTable td = dry.prepared_table();
    expect_close(tabulate_pressure(dry.s, td, false).points[200].p1, 0.07 * 120.0 / 3.0);
}

TEST(Tabulation, WaterInTheExcavationPushesBack) {
    SoilProblem p;
    p.set_wall(240.0, 2.4, 120.0);
    p.s.config.water_depth_backfill = 0.0;
    p.s.config.water_depth_excavation = 60.0;
    p.add_layer(4, 360.0, 0.07, 0.0, 30.0);
    LayerTable t = p.prepared_table();
    const PressureTable table = tabulate_pressure(p.s, t, true);
    const double gradient = 0.036 + 0.034 * kKa30;
    expect_close(table.points[60].p1, gradient * 60.0);
    expect_close(table.points[100].p1, gradient * 100.0 - 40.0 * 0.036);
    // At the excavation level the water of the point above still counts; below it none.
    expect_close(table.points[120].p1, gradient * 120.0 - 59.0 * 0.036);
    expect_close(table.points[121].p1, 0.034 * kKa30 * 120.0);
}

TEST(Tabulation, ClayInTensionBecomesTinyIncreasingValues) {
    SoilProblem p(2);
    p.set_wall(12.0, 0.1, 6.0);
    p.add_layer(1, 6.0, 18.0, 20.0, 0.0);
    p.add_layer(4, 15.0, 19.0, 0.0, 32.0);
    LayerTable t = p.prepared_table();
    const PressureTable table = tabulate_pressure(p.s, t, true);
    ASSERT_EQ(table.points.size(), 1u + 120u + 120u);  // 20 points per metre
    const double zc = 2.0 * 20.0 / 18.0;               // tension crack depth
    for (size_t j = 1; j <= 120; ++j) {
        const PressureRow& r = table.points[j];
        if (r.depth < zc - 1e-3) {
            EXPECT_EQ(r.p1, static_cast<double>(j + 1) * 1.0e-12) << r.depth;
            EXPECT_EQ(r.p2, r.p1);
        } else if (r.depth > zc + 1e-3) {
            EXPECT_NEAR(r.p1, 18.0 * r.depth - 40.0, 1e-3) << r.depth;
        }
    }
    // SI: the running force sums points 5 cm apart.
    EXPECT_NEAR(table.running_force, (108.0 - 40.0) * (6.0 - zc) / 2.0, 0.1);
}

TEST(Tabulation, SurfaceShareCarriesNeitherCohesionNorWater) {
    // Clay with a surface load of 10 kPa: the surcharge part is the surface load's share
    // alone, in the tension zone and below it; the soil part holds the cohesion.
    SoilProblem p(2);
    p.set_wall(12.0, 0.1, 6.0);
    p.s.surface.surface_load = 10.0;
    p.s.config.water_depth_backfill = 1.0;
    p.add_layer(1, 6.0, 18.0, 20.0, 0.0);
    p.add_layer(4, 15.0, 19.0, 0.0, 32.0);
    LayerTable t = p.prepared_table();
    const PressureTable table = tabulate_pressure(p.s, t, true);
    for (size_t j : {10u, 60u, 100u}) {
        const PressureRow& r = table.points[j];
        EXPECT_NEAR(r.p3, 10.0, 1e-4) << r.depth;
        // Total stress in clay (no water gradient), Ka = 1: 10 + 18 z - 40.
        const double p1 = 10.0 + 18.0 * r.depth - 40.0;
        if (p1 > 0.0) {
            EXPECT_NEAR(r.p1, p1, 1e-3);
            EXPECT_NEAR(r.p2, p1 - 10.0, 1e-3);
        } else {
            EXPECT_LT(r.p1, 1e-9);
            EXPECT_NEAR(r.p2, -10.0, 1e-4);
        }
    }
}

TEST(Tabulation, TwoMetresGiveFortyPointsInSi) {
    SoilProblem p(2);
    p.set_wall(4.0, 0.1, 2.0);
    p.add_layer(4, 10.0, 19.0, 0.0, 30.0);
    LayerTable t = p.prepared_table();
    const PressureTable table = tabulate_pressure(p.s, t, true);
    ASSERT_EQ(table.points.size(), 81u);
    EXPECT_EQ(table.excavation_point, 40);
    EXPECT_NEAR(table.points[40].depth, 2.0, 1e-12);
    EXPECT_NEAR(table.points[1].depth, 0.05, 1e-12);
}

TEST(Tabulation, ProfileEndingAboveTheTipIsCarriedOnToTheTip) {
    SoilProblem p = dry_sand();
    p.s.layers.back().thickness = p.s.layers.back().bottom_depth = 200.0;
    LayerTable t = p.prepared_table();
    const PressureTable table = tabulate_pressure(p.s, t, true);
    EXPECT_TRUE(table.extended);
    ASSERT_EQ(table.points.size(), 301u);
    EXPECT_DOUBLE_EQ(table.points.back().depth, 300.0);
    expect_close(table.points.back().p1, kKa30 * 0.0694 * 120.0);
}

TEST(Tabulation, TableStopsAtTheTipWhenTheProfileGoesDeeper) {
    SoilProblem p = dry_sand();
    p.s.layers.back().thickness = p.s.layers.back().bottom_depth = 600.0;
    p.s.config.water_depth_backfill = 400.0;  // a sub-layer starts below the tip
    LayerTable t = p.prepared_table();
    ASSERT_EQ(t.count(), 3);
    const PressureTable table = tabulate_pressure(p.s, t, true);
    EXPECT_FALSE(table.extended);
    ASSERT_EQ(table.points.size(), 301u);
    EXPECT_DOUBLE_EQ(table.points.back().depth, 300.0);
}

TEST(Tabulation, SlopedKaStopsAtTheExcavationLevel) {
    SoilProblem p = dry_sand();
    p.s.config.backfill_slope = 20.0;
    LayerTable t = p.prepared_table();
    const double sloped = t.rows[0].ka;
    const PressureTable table = tabulate_pressure(p.s, t, true);
    EXPECT_NEAR(sloped, 0.4142, 1e-4);
    expect_close(table.points[120].p1, sloped * 0.0694 * 120.0);
    // Below, the level-ground coefficient applies to the excavation-level stress.
    expect_close(table.points[121].p1, kKa30 * 0.0694 * 120.0);
    expect_close(t.rows[1].ka, kKa30);
}

}  // namespace
}  // namespace vornel::soil
