#include "engine/soil/sand_silt_py_curves.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "tests/engine/soil/py_fixture.h"

namespace vornel::soil {
namespace {

using test::kFt;
using test::kPcf;
using test::kPsf;

constexpr double kPi = 3.14159265358979323846;
double rad(double deg) {
    return deg * kPi / 180.0;
}

// Reese's wedge, written out from the published expressions with angles in degrees.
struct Wedge {
    double pst, psd;
};
Wedge reese_wedge(double phi_deg, double gamma, double b, double x) {
    const double phi = rad(phi_deg), alpha = phi / 2, beta = rad(45 + phi_deg / 2), k0 = 0.4;
    const double ka = std::pow(std::tan(rad(45 - phi_deg / 2)), 2);
    const double pst =
        gamma * x *
        (k0 * x * std::tan(phi) * std::sin(beta) / (std::tan(beta - phi) * std::cos(alpha)) +
         std::tan(beta) / std::tan(beta - phi) * (b + x * std::tan(beta) * std::tan(alpha)) +
         k0 * x * std::tan(beta) * (std::tan(phi) * std::sin(beta) - std::tan(alpha)) - ka * b);
    const double psd = ka * b * gamma * x * (std::pow(std::tan(beta), 8) - 1) +
                       k0 * b * gamma * x * std::tan(phi) * std::pow(std::tan(beta), 4);
    return {pst, psd};
}

CurveProperties soil(double phi_deg, double gamma_pcf, double k, double c_psf = 0.0) {
    CurveProperties pr;
    pr.b = 24.0;
    pr.phi = rad(phi_deg);
    pr.gamma = gamma_pcf * kPcf;
    pr.k = k;
    pr.strength = c_psf * kPsf;
    return pr;
}

SideDepths at(double x_in) {
    SideDepths d;
    d.xs = d.x = d.x0 = x_in;
    return d;
}

TEST(SandFactors, StaticTablesByDepthRatio) {
    EXPECT_NEAR(sand_factor_a(2.0), 1.48, 1e-12);
    EXPECT_NEAR(sand_factor_b(2.0), 1.05, 1e-12);
    EXPECT_NEAR(sand_factor_a(4.5), 0.89, 1e-12);
    EXPECT_NEAR(sand_factor_b(4.5), 0.515, 1e-12);
    EXPECT_NEAR(sand_factor_a(0.25), (2.83 + 2.48) / 2, 1e-12);
    EXPECT_DOUBLE_EQ(sand_factor_a(0.0), 2.83);
    EXPECT_DOUBLE_EQ(sand_factor_b(0.0), 2.14);
    EXPECT_DOUBLE_EQ(sand_factor_a(9.0), 0.88);
    EXPECT_DOUBLE_EQ(sand_factor_b(9.0), 0.50);
}

TEST(SandWedge, CoulombPassiveAndClosedFormOfTheWedge) {
    EXPECT_NEAR(coulomb_passive(rad(30), rad(15)), 4.98, 0.01);
    EXPECT_NEAR(coulomb_passive(rad(30), 0.0), 3.0, 1e-9);  // no friction: Rankine
    const Wedge w = reese_wedge(35, 60 * kPcf, 24.0, 48.0);
    const SandWedge s = sand_wedge(rad(35), 60 * kPcf, 24.0, 48.0, kPi);
    EXPECT_NEAR(s.pst, w.pst, 1e-9 * w.pst);
    EXPECT_NEAR(s.psd, w.psd, 1e-9 * w.psd);
}

// phi 35, gamma 60 pcf, b 2 ft, x0 4 ft: A and B at x0 / b = 2.
TEST(Sand, CurveAtFourFeet) {
    const CurveProperties pr = soil(35, 60, 1.0e9);
    const SideCurve c = sand_curve(pr, at(4 * kFt));
    const Wedge w = reese_wedge(35, 60 * kPcf, 24.0, 48.0);
    const double ps = std::min(w.pst, w.psd);
    const double pu = 1.48 * ps, pm = 1.05 * ps;
    EXPECT_NEAR(c.table.a, 1.48, 1e-12);
    EXPECT_NEAR(c.table.b, 1.05, 1e-12);
    EXPECT_NEAR(c.integrand, pu, 1e-3 * pu);  // the method takes pi as 3.1416
    const double ym = 24.0 / 60, yu = 3 * 24.0 / 80;
    EXPECT_NEAR(c.y[12], ym, 1e-12);
    EXPECT_NEAR(c.y[13], 0.9, 1e-12);  // y14 = 3 b / 80
    EXPECT_NEAR(c.y[16], yu + 3 * 24.0, 1e-12);
    EXPECT_NEAR(c.p[12], pm, 1e-3 * pm);
    EXPECT_NEAR(c.p[13], pu, 1e-3 * pu);
    EXPECT_DOUBLE_EQ(c.p[16], c.p[13]);
    // The parabola p = pm (y / ym)^(1/n), n = pm / (m ym), m the slope of the straight part.
    const double n = pm / ((pu - pm) / (yu - ym) * ym);
    EXPECT_NEAR(c.p[6], pm * std::pow(0.5, 1 / n), 1e-3 * pm);
    EXPECT_EQ(c.p[0], 0.0);
}

TEST(Sand, SmallModulusFollowsTheInitialLine) {
    const SideCurve stiff = sand_curve(soil(35, 60, 1.0e9), at(48.0));
    const double pm = stiff.p[12], ym = 0.4;
    const double kx = 0.9 * pm / ym;  // below the parabola up to ym
    const SideCurve c = sand_curve(soil(35, 60, kx / 48.0), at(48.0));
    for (int j = 0; j <= 12; ++j) EXPECT_NEAR(c.p[j], kx * c.y[j], 1e-9 * pm) << j;
    for (int j = 13; j < 17; ++j) {
        EXPECT_NEAR(c.p[j], std::min(kx * c.y[j], stiff.p[j]), 1e-9 * pm) << j;
    }
    // At the surface the line has no slope at all.
    for (double p : sand_curve(soil(35, 60, 100.0), at(0.0)).p) EXPECT_EQ(p, 0.0);
}

TEST(Sand, ContinuousWallUsesCoulombPassive) {
    SideDepths d = at(48.0);
    d.continuous = true;
    const SideCurve c = sand_curve(soil(30, 60, 1.0e9), d);
    const double ps = 24.0 * coulomb_passive(rad(30), rad(15)) * 60 * kPcf * 48.0;
    EXPECT_NEAR(c.integrand, 1.48 * ps, 2e-4 * ps);
}

TEST(Silt, CohesionRaisesPmButNotPu) {
    const CurveProperties pr = soil(30, 110, 1.0e9, 200);
    const double x = 60.0, b = 24.0, c = 200 * kPsf, g = 110 * kPcf;
    const SideCurve s = silt_curve(pr, at(x));
    const Wedge w = reese_wedge(30, g, b, x);
    const double ps = std::min(w.pst, w.psd);
    const double pc = (3 + g * x / c + 0.5 * x / b) * c * b;
    const double pu = sand_factor_a(x / b) * ps, pm = 1.5 * ps + pc;
    EXPECT_NEAR(s.table.pc, pc, 1e-9 * pc);
    EXPECT_NEAR(s.table.ps, ps, 1e-9 * ps);
    EXPECT_NEAR(s.integrand, pu, 1e-9 * pu);
    EXPECT_NEAR(s.p[12], pm, 1e-9 * pm);      // at ym
    EXPECT_NEAR(s.p[13], pu, 1e-9 * pu);      // at yu
    EXPECT_NEAR(s.y[14], 0.9 + 12.0, 1e-12);  // yu + b/2
    EXPECT_NEAR(s.y[16], 0.9 + 36.0, 1e-12);  // yu + 3b/2
    EXPECT_DOUBLE_EQ(s.p[16], s.p[13]);
    // Deep enough, the cohesion part is capped at 9 c b.
    EXPECT_NEAR(silt_curve(pr, at(40 * kFt)).table.pc, 9 * c * b, 1e-9);
}

TEST(Silt, SoftInitialLineReachesTheUltimateDirectly) {
    const double x = 60.0;
    const SideCurve stiff = silt_curve(soil(30, 110, 1.0e9, 200), at(x));
    const double pu = stiff.integrand, yu = 0.9;
    const double kx = 0.5 * pu / yu;  // the line stays below everything up to yu
    const SideCurve c = silt_curve(soil(30, 110, kx / x, 200), at(x));
    for (int j = 0; j < 17; ++j) EXPECT_NEAR(c.p[j], std::min(kx * c.y[j], pu), 1e-9 * pu) << j;
}

TEST(Silt, ModerateLineMeetsTheStraightPart) {
    const double x = 60.0, ym = 0.4, yu = 0.9;
    const SideCurve stiff = silt_curve(soil(30, 110, 1.0e9, 200), at(x));
    const double pm = stiff.p[12], pu = stiff.p[13];
    const double kx = 0.5 * (pu / yu + pm / ym);
    const SideCurve c = silt_curve(soil(30, 110, kx / x, 200), at(x));
    for (int j = 0; j <= 12; ++j) EXPECT_NEAR(c.p[j], kx * c.y[j], 1e-9 * pm) << j;
    for (int j = 13; j < 17; ++j) EXPECT_NEAR(c.p[j], pu, 1e-9 * pu) << j;
}

TEST(SandEquivalentDepth, MatchesTheIntegralOfItsResistance) {
    const CurveProperties pr = soil(32, 115, 100.0);
    const double b = 24.0, g = 115 * kPcf;
    auto pu = [&](double x) {
        const Wedge w = reese_wedge(32, g, b, x);
        return sand_factor_a(x / b) * std::min(w.pst, w.psd);
    };
    auto integral = [&](double to) {
        double sum = 0.0;
        const int n = 4000;
        for (int i = 0; i < n; ++i) sum += pu((i + 0.5) * to / n) * to / n;
        return sum;
    };
    // The method sums 100 strips down to the depth where the wedge meets the flow-around
    // resistance; its answer lies within one strip of the exact depth.
    double lo = 1.0, hi = 1.0e4;
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (lo + hi);
        const Wedge w = reese_wedge(32, g, b, mid);
        (w.pst < w.psd ? lo : hi) = mid;
    }
    const double strip = lo / 100;
    EXPECT_NEAR(sand_equivalent_depth(pr, 100.0, 0.0), 0.0, 1e-9);
    for (double depth : {30.0, 90.0, 200.0}) {
        const double xeq = sand_equivalent_depth(pr, 100.0, integral(depth));
        EXPECT_NEAR(xeq, depth, strip) << depth;
    }
}

TEST(SiltEquivalentDepth, AddsTheCohesionResistance) {
    const CurveProperties sand = soil(32, 115, 100.0);
    const CurveProperties silt = soil(32, 115, 100.0, 300);
    const double above = 2.0e5;
    // Cohesion adds resistance: the same resistance above is reached at a smaller depth.
    EXPECT_LT(silt_equivalent_depth(silt, 100.0, above), sand_equivalent_depth(sand, 100.0, above));
    EXPECT_NEAR(silt_equivalent_depth(silt, 100.0, 0.0), 0.0, 1e-9);
}

TEST(SandSiltForceShift, ActiveThrustOfTheBackfill) {
    const double ka = std::pow(std::tan(rad(45 - 15)), 2);
    EXPECT_NEAR(sand_shift(soil(30, 110, 0), 8.0), 8.0 * ka * 24.0, 1e-3);
    EXPECT_EQ(sand_shift(soil(30, 110, 0), 0.0), 0.0);
    const CurveProperties silt = soil(30, 110, 0, 144);  // c = 1 psi
    EXPECT_NEAR(silt_shift(silt, 8.0), 24.0 * (8.0 * ka - 2.0 * std::sqrt(ka)), 1e-9);
    EXPECT_EQ(silt_shift(silt, 2.0), 0.0);  // cohesion outweighs the thrust
}

}  // namespace
}  // namespace vornel::soil
