#include "engine/soil/rock_py_curves.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

namespace vornel::soil {
namespace {

// S 1000 psi, b 24 in: su 500 psi, y1 0.0096 in, p1 9600 lb/in, pu 12000 lb/in and
// y2 = 0.0096 + 2400 / 50000 = 0.0576 in.
TEST(StrongRock, BilinearCurveThenBrittleDrop) {
    CurveProperties pr;
    pr.b = 24.0;
    pr.strength = 1000.0;
    pr.gamma = 0.08;
    SideDepths d;
    d.xs = d.x0 = 36.0;
    d.mp = 0.8;
    const SideCurve c = strong_rock_curve(pr, d);
    EXPECT_DOUBLE_EQ(c.table.su, 500.0);
    for (int j = 0; j < 17; ++j) EXPECT_NEAR(c.y[j], j * 0.0576 / 15, 1e-15) << j;
    EXPECT_DOUBLE_EQ(c.y[15], 0.0576);
    // Below y1 the stiff line k1 = 2000 su, then 100 su up to y2, both times Mp.
    EXPECT_NEAR(c.p[2], 0.8 * 1.0e6 * 2 * 0.00384, 1e-6);
    EXPECT_NEAR(c.p[3], 0.8 * (9600 + 50000 * (3 * 0.00384 - 0.0096)), 1e-6);
    EXPECT_NEAR(c.p[14], 0.8 * (9600 + 50000 * (14 * 0.00384 - 0.0096)), 1e-6);
    EXPECT_LT(c.p[14], 0.8 * 12000);
    // At and beyond y2 only the overburden wedge is left, not multiplied.
    EXPECT_DOUBLE_EQ(c.p[15], 0.5 * 0.08 * 24.0 * 36.0);
    EXPECT_DOUBLE_EQ(c.p[16], 0.5 * 0.08 * 24.0 * 36.0);
}

TEST(WeakRock, StrengthReductionForJoints) {
    EXPECT_DOUBLE_EQ(weak_rock_alpha(0.0), 1.0);
    EXPECT_NEAR(weak_rock_alpha(100.0), 1.0 / 3.0, 1e-15);
}

CurveProperties weak_rock(double rqd) {
    CurveProperties pr;
    pr.b = 24.0;
    pr.ca = 1000.0;  // qur
    pr.strength = 1000.0;
    pr.rqd = rqd;
    pr.k = 50000.0;   // Em
    pr.e50 = 0.0005;  // krm: yrm = 0.012 in
    return pr;
}

TEST(WeakRock, ShallowCurveByHand) {
    SideDepths d;
    d.xs = 36.0 + 120.0;
    d.layer_top = 120.0;  // 36 in = 1.5 b into the rock
    const SideCurve c = weak_rock_curve(weak_rock(50), d);
    const double pur = 2.0 / 3.0 * 1000 * (24 + 1.4 * 36);  // 49600 lb/in
    const double kir = 50000 * (100 + 400 * 36 / 72.0);     // 1.5e7
    const double yrm = 0.012;
    const double ya = std::pow(0.5 * pur / (std::pow(yrm, 0.25) * kir), 4.0 / 3.0);
    const double fractions[17] = {0.0005, 0.001, 0.003, 0.006, 0.009, 0.02, 0.04, 0.06, 0.08,
                                  0.1,    0.25,  0.5,   0.75,  1.0,   4.0,  8.0,  12.0};
    for (int j = 0; j < 17; ++j) {
        const double y = fractions[j] * yrm;
        EXPECT_NEAR(c.y[j], y, 1e-15) << j;
        const double p = y < ya ? kir * y : std::min(0.5 * pur * std::pow(y / yrm, 0.25), pur);
        EXPECT_NEAR(c.p[j], p, 1e-4 * pur) << j;  // xr carries 1e-8 in beyond 36 in
    }
    EXPECT_NEAR(c.p[13], 0.5 * pur, 1e-4 * pur);  // at yrm half the ultimate
    EXPECT_LT(c.y[0], ya);                        // the first point is on the initial line
}

TEST(WeakRock, DeepFormulasFromThreeWidths) {
    SideDepths shallow, deep;
    shallow.xs = 72.0;  // exactly 3 b: both formula sets meet here
    deep.xs = 200.0;
    const SideCurve a = weak_rock_curve(weak_rock(0), shallow);
    const SideCurve b = weak_rock_curve(weak_rock(0), deep);
    const double pur = 5.2 * 1000 * 24;
    for (int j = 0; j < 17; ++j) EXPECT_NEAR(a.p[j], b.p[j], 1e-6 * pur) << j;
    EXPECT_NEAR(b.p[16], std::min(0.5 * pur * std::pow(12.0, 0.25), pur), 1e-9 * pur);
    EXPECT_NEAR(b.p[0], 500 * 50000.0 * 0.0005 * 0.012, 1e-9);  // Kir = 500 Em
}

}  // namespace
}  // namespace vornel::soil
