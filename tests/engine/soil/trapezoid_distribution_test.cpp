// The apparent-pressure trapezoid of supported walls: its geometry, its area of 1.3 times the
// computed resultant, and the cases in which it is not defined.
#include "engine/soil/trapezoid_distribution.h"

#include <gtest/gtest.h>

#include "soil_fixture.h"

namespace vornel::soil {
namespace {

using test::SoilProblem;

// Dry sand, excavation at 20 ft, wall 40 ft (English, one point per inch).
PressureTable triangular_table() {
    SoilProblem p;
    p.set_wall(480.0, 4.8, 240.0);
    p.add_layer(4, 600.0, 0.07, 0.0, 30.0);
    LayerTable t = p.prepared_table();
    return tabulate_pressure(p.s, t, true);
}

// Trapezoidal-rule area of the totals from the top to the excavation point.
double area_to_excavation(const PressureTable& t) {
    double area = 0.0;
    for (int j = 1; j <= t.excavation_point; ++j) {
        area +=
            (t.points[static_cast<size_t>(j) - 1].p1 + t.points[static_cast<size_t>(j)].p1) / 2.0 *
            (t.points[static_cast<size_t>(j)].depth - t.points[static_cast<size_t>(j) - 1].depth);
    }
    return area;
}

TEST(Trapezoid, OneSupportAtFiveFeetOnTwentyFeet) {
    TrapezoidShape s;
    ASSERT_TRUE(trapezoid_shape({1, 60.0, 60.0}, 240.0, 1000.0, s));
    EXPECT_NEAR(s.h1 / 12.0, 3.33, 5e-3);
    EXPECT_NEAR(s.hb / 12.0, 10.0, 1e-12);
    EXPECT_NEAR(s.hm / 12.0, 6.67, 5e-3);
    EXPECT_NEAR(s.pmax, 1.3 * 3.0 * 1000.0 / 480.0, 1e-12);  // 1.3 x 3 P / 40 ft
    EXPECT_DOUBLE_EQ(trapezoid_pressure(s, 20.0), s.pmax / 2.0);
    EXPECT_DOUBLE_EQ(trapezoid_pressure(s, 100.0), s.pmax);
    EXPECT_NEAR(trapezoid_pressure(s, 240.0), 0.0, 1e-12);
}

TEST(Trapezoid, TableGetsTheTrapezoidAndTheExcavationPointTwice) {
    PressureTable t = triangular_table();
    const PressureTable computed = t;
    ASSERT_EQ(t.excavation_point, 240);
    ASSERT_EQ(apply_trapezoid(t, {1, 60.0, 60.0}, 240.0), "");
    ASSERT_EQ(t.points.size(), computed.points.size() + 1);
    const double pmax = 1.3 * 3.0 * computed.running_force / 480.0;
    EXPECT_DOUBLE_EQ(t.points[0].p1, computed.points[0].p1);
    EXPECT_NEAR(t.points[20].p1, pmax / 2.0, 1e-12);
    EXPECT_NEAR(t.points[100].p1, pmax, 1e-12);
    EXPECT_NEAR(t.points[180].p1, pmax / 2.0, 1e-12);
    EXPECT_DOUBLE_EQ(t.points[240].depth, t.points[241].depth);
    EXPECT_NEAR(t.points[240].p1, 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(t.points[241].p1, computed.points[240].p1);
    EXPECT_DOUBLE_EQ(t.points[242].p1, computed.points[241].p1);
    EXPECT_DOUBLE_EQ(t.points[100].p2, computed.points[100].p2);  // soil part kept
    EXPECT_NEAR(area_to_excavation(t), 1.3 * computed.running_force, 1e-9 * computed.running_force);
}

TEST(Trapezoid, SeveralSupportsCarryTheSameArea) {
    PressureTable t = triangular_table();
    const double force = t.running_force;
    ASSERT_EQ(apply_trapezoid(t, {2, 60.0, 180.0}, 240.0), "");
    // H1 = 40 in, Hb = 40 in: rising to 40 in, flat to 200 in, falling to the excavation.
    const double pmax = 1.3 * force / (240.0 - 40.0);
    EXPECT_NEAR(t.points[40].p1, pmax, 1e-12);
    EXPECT_NEAR(t.points[200].p1, pmax, 1e-12);
    EXPECT_NEAR(t.points[220].p1, pmax / 2.0, 1e-12);
    EXPECT_NEAR(area_to_excavation(t), 1.3 * force, 1e-9 * force);
}

TEST(Trapezoid, TwoSupportsAtOneDepthActAsOne) {
    TrapezoidShape one, two;
    ASSERT_TRUE(trapezoid_shape({1, 84.0, 84.0}, 240.0, 500.0, one));
    ASSERT_TRUE(trapezoid_shape({2, 84.0, 84.0}, 240.0, 500.0, two));
    EXPECT_NEAR(two.pmax, one.pmax, 1e-12);
    EXPECT_NEAR(two.zb, one.zb, 1e-12);
}

TEST(Trapezoid, UndefinedCasesKeepTheTriangularTable) {
    PressureTable t = triangular_table();
    const size_t n = t.points.size();
    EXPECT_EQ(apply_trapezoid(t, {0, 0.0, 0.0}, 240.0),
              "WARNING -- NO SUPPORT FOR THE TRAPEZOIDAL DISTRIBUTION: "
              "THE TRIANGULAR DISTRIBUTION IS USED");
    EXPECT_EQ(apply_trapezoid(t, {1, 60.0, 60.0}, 0.0),
              "WARNING -- THE TRAPEZOIDAL DISTRIBUTION IS NOT DEFINED FOR THIS WALL: "
              "THE TRIANGULAR DISTRIBUTION IS USED");
    EXPECT_EQ(t.points.size(), n);
    // A support at the excavation level leaves no falling branch but stays finite.
    TrapezoidShape s;
    ASSERT_TRUE(trapezoid_shape({1, 240.0, 240.0}, 240.0, 500.0, s));
    EXPECT_DOUBLE_EQ(trapezoid_pressure(s, 240.5), 0.0);
}

}  // namespace
}  // namespace vornel::soil
