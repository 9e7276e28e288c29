#include "engine/core/iteration.h"

#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "engine/core/moment_ei.h"
#include "engine/core/report_results.h"
#include "tests/engine/support/beam_deck.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

using test::BeamDeck;

BeamDeck cantilever(double P) {
    BeamDeck d;
    d.ninc = 40;
    d.h = 3.0;
    d.restraints = {{1, 40, 0.0, 0.0}, {2, 40, 0.0, 0.0}};
    d.loads = {{1, 0, 0, P, 0.0, 0.0}};
    return d;
}

std::vector<std::pair<double, double>> tanh_curve(double pu, double y50, double scale = 1.0) {
    std::vector<std::pair<double, double>> pts;
    for (double y : {-3.2, -1.6, -0.8, -0.4, -0.2, -0.1, 0.0, 0.1, 0.2, 0.4, 0.8, 1.6, 3.2}) {
        pts.emplace_back(y * scale, -pu * std::tanh(y / y50));
    }
    return pts;
}

// The curve's p at deflection y, by linear interpolation between its points.
double curve_p(const std::vector<std::pair<double, double>>& pts, double y) {
    for (std::size_t i = 1; i < pts.size(); ++i) {
        if (y <= pts[i].first) {
            const auto [y0, p0] = pts[i - 1];
            const auto [y1, p1] = pts[i];
            return p0 + (p1 - p0) * (y - y0) / (y1 - y0);
        }
    }
    return pts.back().second;
}

TEST(Iteration, LinearProblemClosesAtIterationTwo) {
    const test::DeckRun run = test::run_deck_text(cantilever(1000.0).text());
    EXPECT_EQ(run.state.outcome.iterations, 2);
    EXPECT_TRUE(run.state.outcome.converged);
    EXPECT_NE(
        run.report.find("     RESULTS -- ITERATION  2\n     --------------------\n\n   STA I"),
        std::string::npos);
    const std::vector<std::string> lines = test::lines_of(run.monitor);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3], "     ITERATION MONITOR DATA");
    EXPECT_EQ(lines[5].substr(0, 41), "      1       NO         40   0.555E-01 0");
    EXPECT_EQ(lines[6].substr(0, 28), "      2       NO          0 ");
    EXPECT_EQ(lines[6].size(), 3u + 4u + 7u + 9u + 4u + 2u + 50u);
}

TEST(Iteration, UnloadedWallClosesAtIterationOne) {
    const test::DeckRun run = test::run_deck_text(cantilever(0.0).text());
    EXPECT_EQ(run.state.outcome.iterations, 1);
    EXPECT_TRUE(run.state.outcome.converged);
}

// User curves on a cantilever loaded at its top: at convergence the net reaction at every
// curve station inside the chain is the curve's soil force at the station's deflection.
TEST(Iteration, NonlinearSpringsMeetTheirCurves) {
    BeamDeck d = cantilever(1200.0);
    d.restraints.clear();
    d.tolerance = 1e-9;
    for (int k = 0; k <= 40; k += 4) d.curves.push_back({k, 1.0, 1.0, tanh_curve(100.0, 0.3)});
    const test::DeckRun run = test::run_deck_text(d.text());
    ASSERT_TRUE(run.state.outcome.converged);
    EXPECT_GT(run.state.outcome.iterations, 2);
    EXPECT_FALSE(run.state.outcome.off_curve);
    for (int k = 4; k <= 36; k += 4) {
        const StationResult& r = run.state.results[static_cast<std::size_t>(k)];
        const double force = curve_p(d.curves[0].points, r.deflection) * d.h;
        EXPECT_NEAR(r.reaction, force, 1e-5 * 40.0 * d.h) << k;
    }
    double total = 0.0;  // the soil holds the load
    for (int k = 0; k <= 40; ++k) total += run.state.results[static_cast<std::size_t>(k)].reaction;
    EXPECT_NEAR(total, 0.0, 1e-3);
}

TEST(Iteration, TwoPointCurvesAreAlwaysOffTheirCurves) {
    BeamDeck d = cantilever(1000.0);
    // Two linked curves (a lone linked curve would start a chain that never closes).
    d.curves.push_back({20, 1.0, 1.0, {{-1.0, 100.0}, {1.0, -100.0}}});
    d.curves.push_back({30, 1.0, 1.0, {{-1.0, 100.0}, {1.0, -100.0}}});
    const test::DeckRun run = test::run_deck_text(d.text());
    EXPECT_TRUE(run.state.outcome.off_curve);
    EXPECT_NE(run.monitor.find("      1       YES        40 "), std::string::npos);
    EXPECT_NE(run.report.find("     --------------------\n\n     ***** DEFLECTION OFF Q - W CURVES "
                              "*****\n\n   STA I"),
              std::string::npos);
}

TEST(Iteration, ExcessiveDeflectionStopsAtOnce) {
    BeamDeck d = cantilever(1000.0);
    d.max_deflection = 0.03;
    const test::DeckRun run = test::run_deck_text(d.text());
    EXPECT_EQ(run.state.outcome.iterations, 1);
    EXPECT_FALSE(run.state.outcome.converged);
    int beyond = 0;
    for (int k = 0; k <= 40; ++k) {
        if (std::fabs(run.state.results[static_cast<std::size_t>(k)].deflection) > 0.03) ++beyond;
    }
    EXPECT_EQ(run.state.outcome.exceeded_count, beyond);
    EXPECT_NE(run.report.find("\n     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***  " +
                              std::to_string(beyond) + "  *** STATIONS *****\n"),
              std::string::npos);
    EXPECT_NE(
        run.report.find("\n     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n"),
        std::string::npos);
}

TEST(Iteration, IterationLimitLeavesTheSolutionNotClosed) {
    BeamDeck d = cantilever(3000.0);
    d.restraints.clear();
    for (int k = 0; k <= 40; k += 4) d.curves.push_back({k, 1.0, 1.0, tanh_curve(40.0, 0.3)});
    test::DeckRun run = test::run_deck_text(d.text());
    std::ostringstream report;
    EngineState& s = run.state;
    s.report = &report;
    s.iteration_limit = 2;
    const IterationOutcome o = iterate(s);
    EXPECT_EQ(o.iterations, 2);
    EXPECT_GT(o.not_closed_count, 0);
    EXPECT_FALSE(o.converged);
    EXPECT_EQ(outcome_warnings(o),
              std::vector<std::string>{"solution not closed within specified tolerance"});
}

// A wall without bending stiffness and without support: every equation has a zero pivot.
// The deflection is set to zero, and the report and the summary say so rather than passing
// w = 0 off as a result.
TEST(Iteration, WallWithoutStiffnessOrSupportIsReportedSingular) {
    BeamDeck d;
    d.ninc = 10;
    d.ei = 0.0;
    d.loads = {{1, 0, 0, 1000.0, 0.0, 0.0}};
    const test::DeckRun run = test::run_deck_text(d.text());
    EXPECT_EQ(run.state.outcome.singular_count, 11);
    for (int k = 0; k <= 10; ++k) EXPECT_EQ(run.state.W[k], 0.0) << k;
    EXPECT_NE(run.report.find("     RESULTS -- ITERATION  1\n     --------------------\n\n"
                              "     ***** NO STIFFNESS OR SUPPORT AT ***  11  *** STATIONS: "
                              "DEFLECTION SET TO ZERO *****\n\n   STA I"),
              std::string::npos);
    ASSERT_EQ(run.state.summaries.size(), 1u);
    EXPECT_EQ(run.state.summaries[0].warnings,
              std::vector<std::string>{
                  "no stiffness or support at 11 stations: singular equations, deflection set "
                  "to zero"});
}

// Springs alone hold stations 0..5 (each w = Q / S, a spring per station); stations 6..10
// have neither stiffness nor support and are counted. A supported wall has no such line.
TEST(Iteration, StretchWithoutStiffnessOrSupportIsCounted) {
    BeamDeck d;
    d.ninc = 10;
    d.ei = 0.0;
    d.loads = {{1, 0, 0, 1000.0, 0.0, 0.0}};
    d.springs = {{0, 5, 1, 2.0e4, 0.0}};
    const test::DeckRun run = test::run_deck_text(d.text());
    EXPECT_EQ(run.state.outcome.singular_count, 5);
    EXPECT_DOUBLE_EQ(run.state.W[0], 1000.0 / run.state.S[0]);
    EXPECT_NE(run.report.find("***   5  *** STATIONS: DEFLECTION SET TO ZERO"), std::string::npos);

    const test::DeckRun supported = test::run_deck_text(cantilever(1000.0).text());
    EXPECT_EQ(supported.state.outcome.singular_count, 0);
    EXPECT_EQ(supported.report.find("NO STIFFNESS OR SUPPORT"), std::string::npos);
    EXPECT_TRUE(supported.state.summaries.at(0).warnings.empty());
}

TEST(MomentEi, StiffnessWhereTheCurveMeetsTheCurvature) {
    EiSet set;
    set.moment = {0.0, 1e5, 2e5};
    set.ei = {2e9, 2e9, 1e9};
    EXPECT_DOUBLE_EQ(stiffness_at_curvature(set, 0.0), 2e9);
    EXPECT_DOUBLE_EQ(stiffness_at_curvature(set, 2e-5), 2e9);
    EXPECT_DOUBLE_EQ(stiffness_at_curvature(set, 1e-4), 1.5e9);  // 1.5e5 = 1e-4 x 1.5e9
    EiSet single;
    single.moment = {5e4};
    single.ei = {3e9};
    EXPECT_DOUBLE_EQ(stiffness_at_curvature(single, 1.0), 3e9);
}

// A cantilever whose stiffness halves between 60000 and 120000: the iteration goes on past
// its first closed iteration until the stiffness agrees with the deflections, and every
// station ends on its moment-EI curve.
TEST(MomentEi, CantileverEndsOnItsMomentStiffnessCurve) {
    BeamDeck d = cantilever(1000.0);
    d.ei_sets.push_back({0, 40, {{0.0, 1e10}, {6e4, 1e10}, {1.2e5, 5e9}, {1e6, 5e9}}});
    const test::DeckRun run = test::run_deck_text(d.text());
    ASSERT_TRUE(run.state.outcome.converged);
    const std::vector<std::string> lines = test::lines_of(run.monitor);
    EXPECT_GT(lines.size(), 5u + 3u);
    EXPECT_NE(lines[lines.size() - 2].find("NO          0 "), std::string::npos);
    for (int k = 22; k <= 40; ++k) {
        const StationResult& r = run.state.results[static_cast<std::size_t>(k)];
        const double expected_ei = 1e10 - (r.moment - 6e4) / 6e4 * 5e9;
        // The EI column prints the station table: half the stiffness at the fixed toe.
        const double table_ei = k == 40 ? 0.5 * expected_ei : expected_ei;
        EXPECT_NEAR(r.ei, table_ei, 2e-4 * expected_ei) << k;
    }
    EXPECT_NEAR(run.state.results[40].moment, 1.2e5, 1.0);
}

}  // namespace
}  // namespace vornel
