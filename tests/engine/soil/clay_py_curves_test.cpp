#include "engine/soil/clay_py_curves.h"

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "tests/engine/soil/py_fixture.h"

namespace vornel::soil {
namespace {

using test::kFt;
using test::kPcf;
using test::kPsf;

// Simpson's rule, fine enough to serve as the exact integral of a smooth resistance.
double integrate(const std::function<double(double)>& f, double a, double b) {
    const int n = 4000;
    const double h = (b - a) / n;
    double sum = f(a) + f(b);
    for (int i = 1; i < n; ++i) sum += f(a + i * h) * (i % 2 ? 4.0 : 2.0);
    return sum * h / 3.0;
}

CurveProperties clay(double c_psf, double gamma_pcf, double e50, double k = 0.0) {
    CurveProperties pr;
    pr.b = 24.0;
    pr.strength = c_psf * kPsf;
    pr.ca = pr.strength;
    pr.gamma = gamma_pcf * kPcf;
    pr.e50 = e50;
    pr.k = k;
    return pr;
}

SideDepths at(double x_in) {
    SideDepths d;
    d.xs = d.x = d.x0 = x_in;
    return d;
}

// c 500 psf, gamma 50 pcf, b 2 ft, x 5 ft: Np = 3 + 250/500 + 0.5 * 5/2 = 4.75.
TEST(SoftClay, WorkedExampleAtFiveFeet) {
    const CurveProperties pr = clay(500, 50, 0.02);
    const SideCurve c = soft_clay_curve(pr, at(5 * kFt));
    const double pu = 4.75 * 500.0 * 2.0 / 12.0;  // lb/ft of pile turned into lb/in
    EXPECT_NEAR(c.integrand, pu, 1e-9);
    const double y50 = 2.5 * 0.02 * 24.0;
    EXPECT_DOUBLE_EQ(c.y[13], 3.0 * y50);  // point 14
    EXPECT_NEAR(c.p[13], 0.5 * pu * std::cbrt(3.0), 1e-6 * pu);
    // The 17 deflections: 0, 0.008 y50, quarter steps to 3 y50, then 8, 15 and 20 y50.
    const double expected[17] = {0,   0.008, 0.25, 0.5,  0.75, 1.0, 1.25, 1.5, 1.75,
                                 2.0, 2.25,  2.5,  2.75, 3.0,  8.0, 15.0, 20.0};
    for (int j = 0; j < 17; ++j) EXPECT_NEAR(c.y[j], expected[j] * y50, 1e-12) << j;
    EXPECT_EQ(c.p[0], 0.0);
    EXPECT_NEAR(c.p[5], 0.5 * pu, 1e-6 * pu);  // at y50 half the ultimate
    for (bool tiny : c.tiny) EXPECT_FALSE(tiny);
}

TEST(SoftClay, UltimateResistanceFromSurfaceToDepth) {
    const CurveProperties pr = clay(500, 50, 0.02);
    // At the surface only the 3 c b of the wedge remains.
    EXPECT_NEAR(soft_clay_curve(pr, at(0.0)).integrand, 3.0 * 500 * 2 / 12.0, 1e-9);
    // At 40 ft Np would be 3 + 4 + 10 = 17: flow around the pile caps it at 9.
    const SideCurve deep = soft_clay_curve(pr, at(40 * kFt));
    const double pu = 9.0 * 500 * 2 / 12.0;
    EXPECT_NEAR(deep.integrand, pu, 1e-9);
    EXPECT_NEAR(deep.p[14], pu, 1e-6 * pu);  // reached at 8 y50
    EXPECT_DOUBLE_EQ(deep.p[15], pu);
    EXPECT_DOUBLE_EQ(deep.p[16], pu);
    // A continuous wall takes the passive resistance gamma x0 b + 2 c b instead.
    SideDepths wall = at(5 * kFt);
    wall.continuous = true;
    EXPECT_NEAR(soft_clay_curve(pr, wall).integrand,
                50 * kPcf * 60.0 * 24.0 + 2.0 * 500 * kPsf * 24.0, 1e-9);
}

TEST(SoftClay, DeflectionsBelowTheSmallestUseTheSecantModulus) {
    const CurveProperties pr = clay(500, 50, 1.0e-16);  // y50 = 6e-15 in
    const SideCurve c = soft_clay_curve(pr, at(5 * kFt));
    const double y50 = 2.5e-16 * 24.0, pu = 4.75 * 500.0 * 2.0 / 12.0;
    const double es0 = 0.5 * pu * std::pow(y50 / 1.0e-14, 2.0 / 3.0) / y50;
    EXPECT_FALSE(c.tiny[0]);  // the origin needs no warning
    for (int j = 1; j < 17; ++j) {
        EXPECT_EQ(c.tiny[j], c.y[j] < 1.0e-14) << j;
        if (c.tiny[j]) {
            EXPECT_NEAR(c.p[j], es0 * c.y[j], 1e-6 * es0 * c.y[j]) << j;
        }
    }
    EXPECT_TRUE(c.tiny[1]);
    EXPECT_FALSE(c.tiny[13]);  // 3 y50 = 1.8e-14
    EXPECT_NEAR(c.tiny_modulus, es0, 1e-6 * es0);
}

TEST(StiffClayWithFreeWater, CoefficientAsAndResidual) {
    EXPECT_DOUBLE_EQ(stiff_clay_as(0.0), 0.223);
    EXPECT_NEAR(stiff_clay_as(2.5), 0.57, 1e-12);
    EXPECT_NEAR(stiff_clay_as(0.5), 0.3415, 1e-12);
    EXPECT_DOUBLE_EQ(stiff_clay_as(5.0), 0.60);
    EXPECT_DOUBLE_EQ(stiff_clay_as(12.0), 0.60);
    EXPECT_NEAR(stiff_clay_residual(0.6), 1.225 * std::sqrt(0.6) - 0.45 - 0.411, 1e-12);
}

TEST(StiffClayWithFreeWater, CurveThroughItsBranches) {
    const CurveProperties pr = clay(1000, 60, 0.005, 1.0e9);  // initial line far above
    const SideDepths d = at(60.0);                            // x0 / b = 2.5: As = 0.57
    const SideCurve c = stiff_clay_water_curve(pr, d);
    const double cu = 1000 * kPsf, b = 24.0, g = 60 * kPcf, x = 60.0;
    const double pc = std::min(2 * cu * b + g * b * x + 2.83 * cu * x, 11 * cu * b);
    const double a = 0.57, y50 = 0.005 * 24.0;
    EXPECT_NEAR(c.y[2], a * y50, 1e-12);
    EXPECT_NEAR(c.p[2], 0.5 * pc * std::sqrt(a), 1e-9 * pc);
    EXPECT_NEAR(c.y[12], 6 * a * y50, 1e-12);
    EXPECT_NEAR(c.p[12], 0.5 * pc * std::sqrt(6 * a) - 0.055 * pc * std::pow(5.0, 1.25), 1e-9 * pc);
    EXPECT_NEAR(c.y[13], 10 * a * y50, 1e-12);
    EXPECT_NEAR(c.p[13], 0.5 * pc * std::sqrt(6 * a) - 0.411 * pc - 0.0625 / y50 * pc * 4 * a * y50,
                1e-9 * pc);
    const double residual = 0.5 * pc * std::sqrt(6 * a) - 0.411 * pc - 0.75 * a * pc;
    EXPECT_NEAR(c.p[15], residual, 1e-9 * pc);  // 18 As y50: the end of the softening
    EXPECT_NEAR(c.y[16], 200 * a * y50, 1e-12);
    EXPECT_NEAR(c.p[16], residual, 1e-9 * pc);
    EXPECT_NEAR(c.integrand, pc * stiff_clay_residual(a), 1e-9 * pc);
}

TEST(StiffClayWithFreeWater, InitialLineBoundsTheCurve) {
    const SideDepths d = at(60.0);
    const SideCurve none = stiff_clay_water_curve(clay(1000, 60, 0.005, 0.0), d);
    for (double p : none.p) EXPECT_EQ(p, 0.0);  // k = 0: the initial line governs
    const double k = 100.0;                     // pci: meets the curve a little beyond the origin
    const SideCurve c = stiff_clay_water_curve(clay(1000, 60, 0.005, k), d);
    const SideCurve free = stiff_clay_water_curve(clay(1000, 60, 0.005, 1.0e12), d);
    EXPECT_NEAR(c.p[1], k * 60.0 * c.y[1], 1e-9);  // near the origin: k x y
    for (int j = 0; j < 17; ++j) {
        EXPECT_LE(c.p[j], k * 60.0 * c.y[j] + 1e-9) << j;
        EXPECT_LE(c.p[j], free.p[j] + 1e-9) << j;
    }
    EXPECT_DOUBLE_EQ(c.p[16], free.p[16]);  // far out the curve itself
}

TEST(StiffClayWithoutFreeWater, FlatFromSixteenY50) {
    const CurveProperties pr = clay(2000, 120, 0.005);
    const SideCurve c = stiff_clay_dry_curve(pr, at(36.0));
    const double cu = 2000 * kPsf, b = 24.0, g = 120 * kPcf, x = 36.0;
    const double pu = std::min(3 * cu * b + g * b * x + 0.5 * cu * x, 9 * cu * b);
    EXPECT_NEAR(c.integrand, pu, 1e-9 * pu);
    const double y50 = 2.5 * 0.005 * 24.0;
    EXPECT_NEAR(c.y[14], 16 * y50, 1e-12);
    EXPECT_NEAR(c.p[14], pu, 1e-12 * pu);  // 0.5 pu 16^(1/4) = pu
    EXPECT_DOUBLE_EQ(c.p[15], pu);
    EXPECT_DOUBLE_EQ(c.p[16], pu);
    EXPECT_NEAR(c.y[1], 1.0e-5 * 16 * y50, 1e-18);
    EXPECT_NEAR(c.p[13], 0.5 * pu * std::pow(8.0, 0.25), 1e-12 * pu);  // 0.5 of 16 y50
}

// The depth at which the soil's own ultimate resistance, integrated from its surface, equals
// the resistance of the layers above.
TEST(ClayEquivalentDepth, SoftClayMatchesTheIntegralOfItsResistance) {
    const CurveProperties pr = clay(500, 50, 0.02);
    const double c = pr.strength, b = pr.b, g = pr.gamma;
    auto pu = [&](double x) { return std::min(3 + g * x / c + 0.5 * x / b, 9.0) * c * b; };
    for (double above : {0.0, 1.0e4, 1.0e5, 5.0e5}) {
        const double xeq = soft_clay_equivalent_depth(pr, 0.0, above);
        EXPECT_NEAR(integrate(pu, 0.0, xeq), above, 1e-6 * (above + 1)) << above;
    }
}

TEST(ClayEquivalentDepth, StiffClayWithoutWaterIsContinuousAtTheFlowDepth) {
    const CurveProperties pr = clay(2000, 120, 0.005);
    const double c = pr.strength, b = pr.b, g = pr.gamma;
    const double xt = (9 * c * b - 3 * c * b) / (0.5 * c + b * g);
    const double ft = c * xt * xt / 4 + 3 * c * b * xt + b * g * xt * xt / 2;
    EXPECT_NEAR(stiff_clay_dry_equivalent_depth(pr, 0.0, ft * (1 - 1e-9)), xt, 1e-6 * xt);
    EXPECT_NEAR(stiff_clay_dry_equivalent_depth(pr, 0.0, ft * (1 + 1e-9)), xt, 1e-6 * xt);
    EXPECT_NEAR(stiff_clay_dry_equivalent_depth(pr, 0.0, ft + 9 * c * b * 10.0), xt + 10.0, 1e-6);
}

TEST(ClayEquivalentDepth, StiffClayWithWaterMatchesItsResidualResistance) {
    const CurveProperties pr = clay(1000, 60, 0.005);
    const double c = pr.strength, b = pr.b, g = pr.gamma;
    auto q = [&](double x) {
        return (2.83 * c * x + 2 * c * b + b * g * x) * stiff_clay_residual(stiff_clay_as(x / b));
    };
    EXPECT_DOUBLE_EQ(stiff_clay_water_equivalent_depth(pr, 0.0, 0.0), 0.0);
    const double xt = (11 * c * b - 2 * c * b) / (2.83 * c + b * g);
    // The exact depth by bisection on the fine integral.
    auto exact_depth = [&](double above) {
        double lo = 0.0, hi = xt;
        for (int i = 0; i < 60; ++i) {
            const double mid = 0.5 * (lo + hi);
            (integrate(q, 0.0, mid) < above ? lo : hi) = mid;
        }
        return lo;
    };
    for (double frac : {0.2, 0.7}) {
        const double above = frac * integrate(q, 0.0, xt);
        // The method sums 40 strips at their lower ends: within a few percent of the depth.
        EXPECT_NEAR(stiff_clay_water_equivalent_depth(pr, 0.0, above), exact_depth(above),
                    0.05 * xt);
    }
}

TEST(ClayForceShift, NetOverburdenOrNothing) {
    const CurveProperties pr = clay(500, 50, 0.02);
    EXPECT_NEAR(clay_shift(pr, 10.0), 24.0 * (10.0 - 2 * 500 * kPsf), 1e-12);
    EXPECT_EQ(clay_shift(pr, 0.0), 0.0);             // -2 c b becomes 0
    EXPECT_EQ(clay_shift(pr, 2 * 500 * kPsf), 0.0);  // exactly balanced
}

}  // namespace
}  // namespace vornel::soil
