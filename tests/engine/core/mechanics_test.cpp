// The beam-column model against closed-form mechanics.
#include <cmath>

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "engine/core/report_results.h"
#include "engine/core/results.h"
#include "tests/engine/support/beam_deck.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

using test::BeamDeck;

const StationResult& at(const test::DeckRun& run, int k) {
    return run.state.results.at(static_cast<std::size_t>(k));
}

test::DeckRun solve(const BeamDeck& d) {
    test::DeckRun run = test::run_deck_text(d.text());
    EXPECT_FALSE(run.state.error_stop) << run.state.stop_reason;
    return run;
}

// A cantilever of length L fixed at its toe, a load P at its free top.
BeamDeck cantilever(int n, double L, double P) {
    BeamDeck d;
    d.ninc = n;
    d.h = L / n;
    d.restraints = {{1, n, 0.0, 0.0}, {2, n, 0.0, 0.0}};
    d.loads = {{1, 0, 0, P, 0.0, 0.0}};
    return d;
}

TEST(Mechanics, CantileverTipDeflectionConvergesAsHSquared) {
    const double L = 120.0, P = 1000.0, EI = 1.0e10;
    const double exact = P * L * L * L / (3.0 * EI);
    double previous_error = 0.0;
    for (int n : {10, 20, 40, 80}) {
        const test::DeckRun run = solve(cantilever(n, L, P));
        const double error = std::fabs(at(run, 0).deflection - exact);
        EXPECT_LT(error, 0.02 * exact) << n;
        if (previous_error > 0.0) {
            const double rate = previous_error / error;
            EXPECT_GT(rate, 3.5) << n;
            EXPECT_LT(rate, 4.5) << n;
        }
        previous_error = error;
    }
}

// The fixed toe carries the whole moment P L; the shear next to it is P.
TEST(Mechanics, FixedToeMomentIsPL) {
    const double L = 120.0, P = 1000.0;
    const int n = 40;
    const test::DeckRun run = solve(cantilever(n, L, P));
    EXPECT_NEAR(at(run, n).moment, P * L, 1e-6 * P * L);
    EXPECT_NEAR(at(run, n - 1).shear, P, 1e-6 * P);
    EXPECT_NEAR(at(run, n).shear, P, 1e-6 * P);  // at the support itself too
    EXPECT_NEAR(at(run, n / 2).moment, P * L / 2, 1e-6 * P * L);
    EXPECT_NEAR(at(run, n).reaction, -P, 1e-6 * P);  // the support force
    // The EI column keeps printing the station table: half the stiffness at the end.
    EXPECT_DOUBLE_EQ(at(run, n).ei, 0.5e10);
    EXPECT_NE(run.report.find("   0.120E+06   0.100E+04  -0.100E+04   0.500E+10\n"),
              std::string::npos);
}

// A wall held at its head (deflection and slope zero), loaded at its toe.
TEST(Mechanics, FixedHeadMomentIsPL) {
    const double L = 120.0, P = -500.0, EI = 1.0e10;
    BeamDeck d;
    d.ninc = 40;
    d.h = L / d.ninc;
    d.restraints = {{1, 0, 0.0, 0.0}, {2, 0, 0.0, 0.0}};
    d.loads = {{1, d.ninc, d.ninc, P, 0.0, 0.0}};
    const test::DeckRun run = solve(d);
    // Deflection towards the excavation is positive and M = EI w'': the head moment is P L.
    EXPECT_NEAR(at(run, 0).moment, P * L, 1e-6 * std::fabs(P * L));
    EXPECT_NEAR(at(run, 1).shear, -P, 1e-6 * std::fabs(P));
    EXPECT_NEAR(at(run, 0).shear, -P, 1e-6 * std::fabs(P));
    EXPECT_NEAR(at(run, 0).reaction, -P, 1e-6 * std::fabs(P));
    const double tip = P * L * L * L / (3.0 * EI);
    EXPECT_NEAR(at(run, d.ninc).deflection, tip, 0.01 * std::fabs(tip));
}

// Both ends fixed, uniform load q: end moments q L^2 / 12 and end shears q L / 2. The shear
// printed at a fixed end is the one-sided difference of the moments inside the wall, within
// half an increment's load of q L / 2; a rotational spring at the end is held the same way.
TEST(Mechanics, FixedEndsCarryTheirMomentAndShear) {
    const double L = 240.0, q = 2.0;
    const int n = 80;
    BeamDeck d;
    d.ninc = n;
    d.h = L / n;
    d.restraints = {{1, 0, 0.0, 0.0}, {2, 0, 0.0, 0.0}, {1, n, 0.0, 0.0}, {2, n, 0.0, 0.0}};
    d.loads = {{1, 0, n, q * d.h, 0.0, 0.0}};
    const test::DeckRun run = solve(d);
    const double end_moment = q * L * L / 12.0, end_shear = q * L / 2.0;
    EXPECT_NEAR(std::fabs(at(run, 0).moment), end_moment, 0.01 * end_moment);
    EXPECT_NEAR(std::fabs(at(run, n).moment), end_moment, 0.01 * end_moment);
    EXPECT_NEAR(std::fabs(at(run, 0).shear), end_shear, q * d.h);
    EXPECT_NEAR(std::fabs(at(run, n).shear), end_shear, q * d.h);
    EXPECT_LT(at(run, 0).shear * at(run, n).shear, 0.0);  // opposite signs at the two ends

    // A very stiff rotational spring at each end in place of the prescribed slopes.
    BeamDeck sprung = d;
    sprung.restraints = {{1, 0, 0.0, 0.0}, {1, n, 0.0, 0.0}};
    sprung.springs = {{0, 0, 1, 0.0, 1.0e16}, {n, n, 1, 0.0, 1.0e16}};
    const test::DeckRun held = solve(sprung);
    EXPECT_NEAR(std::fabs(at(held, 0).shear), end_shear, 2.0 * q * d.h);
    EXPECT_NEAR(std::fabs(at(held, n).shear), end_shear, 2.0 * q * d.h);
}

// Simply supported, uniform load q per unit length: 5 q L^4 / (384 EI) at midspan.
TEST(Mechanics, SimplySupportedUniformLoad) {
    const double L = 240.0, q = 2.0, EI = 1.0e10;
    const double exact = 5.0 * q * std::pow(L, 4) / (384.0 * EI);
    double previous_error = 0.0;
    for (int n : {20, 40, 80}) {
        BeamDeck d;
        d.ninc = n;
        d.h = L / n;
        d.restraints = {{1, 0, 0.0, 0.0}, {1, n, 0.0, 0.0}};
        d.loads = {{1, 0, n, q * d.h, 0.0, 0.0}};  // a load per station, half at the ends
        const test::DeckRun run = solve(d);
        EXPECT_DOUBLE_EQ(at(run, 0).deflection, 0.0);
        const double error = std::fabs(at(run, n / 2).deflection - exact);
        EXPECT_LT(error, 0.01 * exact) << n;
        EXPECT_NEAR(at(run, n / 2).moment, -q * L * L / 8.0, 0.01 * q * L * L / 8.0) << n;
        if (previous_error > 0.0) {
            EXPECT_GT(previous_error / error, 3.5) << n;
        }
        previous_error = error;
    }
}

// A long wall on uniform springs k per unit length, a load P at its free top:
// deflection 2 P beta / k with beta = (k / 4EI)^(1/4).
TEST(Mechanics, WallOnSpringsUnderTopLoad) {
    const double EI = 1.0e10, k = 400.0, P = 1000.0;
    const double beta = std::pow(k / (4.0 * EI), 0.25);
    const double L = 8.0 / beta;
    const double exact = 2.0 * P * beta / k;
    double previous_error = 0.0;
    for (int n : {50, 100, 200}) {
        BeamDeck d;
        d.ninc = n;
        d.h = L / n;
        d.loads = {{1, 0, 0, P, 0.0, 0.0}};
        d.springs = {{0, n, 1, k * d.h, 0.0}};
        const test::DeckRun run = solve(d);
        const double error = std::fabs(at(run, 0).deflection - exact);
        EXPECT_LT(error, 0.01 * exact) << n;
        if (previous_error > 0.0) {
            EXPECT_GT(previous_error / error, 3.0) << n;
        }
        previous_error = error;
    }
}

// A prescribed deflection and a prescribed slope at the same station, as two rows: each
// supplies its own value, whatever the other column of its row holds. Without load the
// wall turns as a rigid body.
TEST(Mechanics, DeflectionAndSlopeRowsAtOneStationPairCorrectly) {
    for (bool slope_first : {false, true}) {
        BeamDeck d;
        d.ninc = 20;
        d.h = 6.0;
        const BeamDeck::Restraint deflection{1, 0, 0.1, 0.5}, slope{2, 0, 0.7, 0.01};
        d.restraints =
            slope_first ? std::vector{slope, deflection} : std::vector{deflection, slope};
        const test::DeckRun run = solve(d);
        for (int k = 0; k <= d.ninc; ++k) {
            EXPECT_NEAR(at(run, k).deflection, 0.1 + 0.01 * k * d.h, 1e-9) << k;
            EXPECT_NEAR(at(run, k).slope, 0.01, 1e-9) << k;
            EXPECT_NEAR(at(run, k).moment, 0.0, 1e-3) << k;
        }
    }
}

// A prescribed slope at an interior station: the slope is held there, the deflection
// rows elsewhere keep theirs.
TEST(Mechanics, InteriorSlopeAndEndDeflections) {
    BeamDeck d;
    d.ninc = 20;
    d.h = 6.0;
    d.restraints = {{1, 0, 0.0, 9.0}, {2, 10, 9.0, 0.002}, {1, 20, 0.0, 9.0}};
    const test::DeckRun run = solve(d);
    EXPECT_NEAR(at(run, 0).deflection, 0.0, 1e-12);
    EXPECT_NEAR(at(run, 20).deflection, 0.0, 1e-12);
    EXPECT_NEAR(at(run, 10).slope, 0.002, 1e-12);
}

// A couple M0 at the top of a cantilever fixed at its toe: constant moment M0 along the
// wall, no shear away from the couple.
TEST(Mechanics, CoupleAtTheTopOfACantilever) {
    const double M0 = 6000.0;
    BeamDeck d = cantilever(40, 120.0, 0.0);
    d.loads = {{1, 0, 0, 0.0, M0, 0.0}};
    const test::DeckRun run = solve(d);
    for (int k = 2; k < d.ninc; ++k) {
        EXPECT_NEAR(at(run, k).moment, M0, 1e-6 * M0) << k;
        EXPECT_NEAR(at(run, k).shear, 0.0, 1e-6 * M0) << k;
    }
    // The couple's forces M0/2h act at stations -1 and +1; the end moment holds the whole
    // couple, so no shear or reaction is left at the top.
    for (int k : {0, 1}) {
        EXPECT_NEAR(at(run, k).shear, 0.0, 1e-6 * M0) << k;
        EXPECT_NEAR(at(run, k).reaction, 0.0, 1e-6 * M0) << k;
    }
    EXPECT_NEAR(at(run, 0).moment, M0, 1e-6 * M0);
}

// A couple M0 at midspan of a simply supported wall: the moment jumps by M0 there, the shear
// is M0 / L all along, the stations beside the couple included once the couple's forces are
// taken out.
TEST(Mechanics, CoupleAtMidspanOfASimplySupportedWall) {
    const double M0 = 12000.0, L = 120.0;
    BeamDeck d;
    d.ninc = 40;
    d.h = L / d.ninc;
    d.restraints = {{1, 0, 0.0, 0.0}, {1, 40, 0.0, 0.0}};
    d.loads = {{1, 20, 20, 0.0, M0, 0.0}};
    const test::DeckRun run = solve(d);
    for (int k = 1; k < d.ninc; ++k) {
        EXPECT_NEAR(at(run, k).shear, -M0 / L, 1e-6 * M0) << k;
        EXPECT_NEAR(at(run, k).reaction, 0.0, 1e-6 * M0) << k;
    }
    EXPECT_NEAR(at(run, 21).moment - at(run, 19).moment, M0 - 2.0 * d.h * M0 / L, 1e-6 * M0);
    EXPECT_NEAR(at(run, 10).moment, -M0 / L * 10 * d.h, 1e-6 * M0);
}

// A prescribed slope where the wall has no stiffness leaves the equation held for the slope
// without a pivot; the combination must not divide by it.
TEST(Mechanics, SlopeAtAStationWithoutStiffnessStaysFinite) {
    BeamDeck d;
    d.ninc = 10;
    d.restraints = {{2, 0, 0.0, 0.01}};
    d.loads = {{1, 5, 5, 100.0, 0.0, 0.0}};
    std::string deck = d.text();
    deck.replace(deck.find("0\t10\t1\t"), 7, "1\t10\t1\t");  // stiffness from station 1
    const test::DeckRun shifted = test::run_deck_text(deck);
    for (const StationResult& r : shifted.state.results) {
        EXPECT_TRUE(std::isfinite(r.deflection) && std::isfinite(r.moment));
    }
    EXPECT_NEAR(shifted.state.results[0].slope, 0.01, 1e-12);
    EXPECT_TRUE(shifted.state.outcome.converged);
}

// Values at the limit of the number range mean nothing for a wall and would overflow: the
// deck is refused with the value named, instead of giving results that are not numbers.
TEST(Mechanics, ValuesBeyondTheNumberRangeAreRefused) {
    BeamDeck d;
    d.ninc = 10;
    d.h = 1e300;
    const test::DeckRun run = test::run_deck_text(d.text());
    EXPECT_TRUE(run.state.error_stop);
    EXPECT_NE(run.state.stop_reason.find("e+300\" OUTSIDE -1E30..1E30 IN WALL PROPERTIES, LINE 3"),
              std::string::npos)
        << run.state.stop_reason;
    EXPECT_TRUE(run.state.summaries.empty());
}

// A deflection, moment or shear that is not a finite number is one warning line in the report
// and in the summary.
TEST(Mechanics, ResultsThatAreNotFiniteAreAWarning) {
    EngineState s;
    s.wall.ninc = 2;
    s.results.resize(4);
    EXPECT_TRUE(results_finite(s));
    s.results[3].moment = std::numeric_limits<double>::quiet_NaN();  // beyond the toe
    EXPECT_TRUE(results_finite(s));
    s.results[1].shear = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(results_finite(s));
    IterationOutcome o;
    o.non_finite = true;
    EXPECT_EQ(outcome_warnings(o),
              std::vector<std::string>{"deflection, moment or shear not a finite number"});
    std::ostringstream report;
    EngineState r = test::state_with_report(report);
    r.outcome.non_finite = true;
    r.wall.ninc = 1;
    r.wall.h = 1.0;
    r.results.resize(3);
    write_results(r);
    EXPECT_NE(report.str().find("\n     ***** RESULTS ARE NOT FINITE NUMBERS *****\n"),
              std::string::npos);
}

}  // namespace
}  // namespace vornel
