// The closed forms of the technical manual against published figures and against each other.
#include "tools/verification_formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vornel::verify {
namespace {

TEST(BeamFormulas, FiniteBeamOnSpringsGivesTheHandbookFigures) {
    // L 20 m, EI 1042 kN-m2/m, k 5 kN/m3 on each side, P 10 kN at the middle.
    const BeamOnFoundation h = hetenyi_centre_load(10, 20, 1042, 10);
    EXPECT_NEAR(1000 * h.centreDeflection, 117.94, 0.005);
    EXPECT_NEAR(h.centreMoment, 11.643, 0.005);
    // The general solution solved for the free ends agrees with Hetenyi's closed form.
    EXPECT_NEAR(foundation_beam_deflection(10, 20, 1042, 10, 0), h.centreDeflection, 1e-9);
    // A very long beam is the infinite beam: P beta / 2k.
    const double beta = std::pow(10.0 / (4 * 1042), 0.25);
    EXPECT_NEAR(foundation_beam_deflection(10, 400, 1042, 10, 0), 10 * beta / 20, 1e-9);
}

TEST(BeamFormulas, CantileverAndSimpleSpan) {
    EXPECT_DOUBLE_EQ(cantilever_tip_load_deflection(10, 10, 1e5, 0), 1.0 / 30);
    EXPECT_DOUBLE_EQ(cantilever_tip_load_deflection(10, 10, 1e5, 10), 0.0);
    EXPECT_DOUBLE_EQ(simple_beam_uniform_deflection(10, 10, 1e5, 5), 5 * 10 * 1e4 / (384 * 1e5));
}

TEST(PressureFormulas, RankineAndStrip) {
    EXPECT_NEAR(rankine_ka(30), 1.0 / 3, 1e-15);
    EXPECT_NEAR(rankine_ka(0), 1.0, 1e-15);
    // A strip that starts at the wall presses with its full intensity just below the surface.
    EXPECT_NEAR(boussinesq_strip_pressure(50, 1, 2, 1e-9), 50, 1e-6);
    // Far below, the pressure falls away.
    EXPECT_LT(boussinesq_strip_pressure(50, 2, 2, 100), 0.1);
}

TEST(PyLaws, PublishedPoints) {
    // Soft clay, c 500 psf, 50 pcf, b 24 in, x 5 ft: Np = 4.75; at 3 y50, 0.5 pu 3^(1/3).
    const ClayPoint soft{500.0 / 144, 500.0 / 144, 50.0 / 1728, 24, 0.01, 0, 60};
    const double pu = 4.75 * 500.0 / 144 * 24, y50 = 2.5 * 0.01 * 24;
    EXPECT_NEAR(matlock_soft_clay(soft, 3 * y50), 0.5 * pu * std::cbrt(3.0), 1e-9);
    EXPECT_NEAR(matlock_soft_clay(soft, 9 * y50), pu, 1e-9);
    // Strong rock, qu 1000 psi, b 24 in: 9600 lbs/in at 0.0096 in, 12 000 at 0.0576 in.
    const RockPoint rock{1000, 0.1, 24, 10};
    EXPECT_NEAR(strong_rock(rock, 0.0096 - 1e-12), 9600, 1e-5);
    EXPECT_NEAR(strong_rock(rock, 0.0576 - 1e-12), 12000, 1e-5);
    EXPECT_DOUBLE_EQ(strong_rock(rock, 0.06), 0.5 * 0.1 * 24 * 10);
    // The static sand coefficients at depth / b = 4.5.
    EXPECT_NEAR(sand_coefficient_a(4.5), 0.89, 1e-12);
    EXPECT_NEAR(sand_coefficient_b(4.5), 0.515, 1e-12);
    // Weak rock with RQD 100: alpha 1/3; deep, pur = 5.2 alpha qu b.
    const RockPoint weak{300, 0.08, 12, 100, 0.0005, 1e4, 100};
    EXPECT_NEAR(reese_weak_rock(weak, 1000), 5.2 / 3 * 300 * 12, 1e-6);
}

TEST(Convergence, SecondOrderErrorsGiveOrderTwo) {
    const std::vector<double> orders = observed_orders({4.0, -1.0, 0.25});
    ASSERT_EQ(orders.size(), 2u);
    EXPECT_DOUBLE_EQ(orders[0], 2.0);
    EXPECT_DOUBLE_EQ(orders[1], 2.0);
}

}  // namespace
}  // namespace vornel::verify
