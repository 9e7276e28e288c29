#include "engine/core/station_tables.h"

#include <sstream>

#include <gtest/gtest.h>

#include "engine/base/run_stop.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

RangeRow stiffness(int from, int to, int flag, double ei) {
    RangeRow r;
    r.from = from;
    r.to = to;
    r.flag = flag;
    r.ei = ei;
    return r;
}

EngineState wall_of(std::ostringstream& report, int ninc, std::vector<RangeRow> rows) {
    EngineState s = test::state_with_report(report);
    s.wall.ninc = ninc;
    s.wall.h = 1.0;
    s.stiffness_rows = std::move(rows);
    clear_station_tables(s);
    spread_stiffness(s);
    return s;
}

TEST(Spreading, OneRowPutsHalfValuesOnItsEnds) {
    std::ostringstream report;
    const EngineState s = wall_of(report, 20, {stiffness(0, 20, 1, 4e9)});
    EXPECT_EQ(s.F[-1], 0.0);
    EXPECT_EQ(s.F[0], 2e9);
    for (int k = 1; k < 20; ++k) EXPECT_EQ(s.F[k], 4e9) << k;
    EXPECT_EQ(s.F[20], 2e9);
    EXPECT_EQ(s.F[21], 0.0);
    // The physical ends remember the full stiffness for the printed moment.
    EXPECT_EQ(s.F_end[0], 4e9);
    EXPECT_EQ(s.F_end[20], 4e9);
    EXPECT_TRUE(is_wall_end(s, 0));
    EXPECT_TRUE(is_wall_end(s, 20));
    EXPECT_FALSE(is_wall_end(s, 10));
    EXPECT_FALSE(is_wall_end(s, -1));
}

TEST(Spreading, MeetingRangesAddTheirHalves) {
    std::ostringstream report;
    const EngineState s =
        wall_of(report, 20, {stiffness(0, 10, 1, 2e9), stiffness(10, 20, 1, 6e9)});
    EXPECT_EQ(s.F[5], 2e9);
    EXPECT_EQ(s.F[10], 4e9);
    EXPECT_EQ(s.F[15], 6e9);
    EXPECT_FALSE(is_wall_end(s, 10));
    EXPECT_EQ(s.F_end[20], 6e9);
}

TEST(Spreading, ContinuedRowsInterpolate) {
    std::ostringstream report;
    // Flag 2 from station 0, then flag 1 to station 20: linear from 1e9 to 3e9.
    const EngineState a =
        wall_of(report, 20, {stiffness(0, 99, 2, 1e9), stiffness(99, 20, 1, 3e9)});
    EXPECT_DOUBLE_EQ(a.F[0], 0.5e9);
    EXPECT_DOUBLE_EQ(a.F[5], 1.5e9);
    EXPECT_DOUBLE_EQ(a.F[19], 2.9e9);
    EXPECT_DOUBLE_EQ(a.F[20], 1.5e9);
    // A chain of three rows (cases 2, 4, 3) runs through station 10 without a break.
    const EngineState b = wall_of(
        report, 20, {stiffness(0, 0, 2, 1e9), stiffness(0, 10, 2, 2e9), stiffness(0, 20, 1, 4e9)});
    EXPECT_DOUBLE_EQ(b.F[5], 1.5e9);
    EXPECT_DOUBLE_EQ(b.F[10], 2e9);
    EXPECT_DOUBLE_EQ(b.F[15], 3e9);
    EXPECT_TRUE(report.str().empty());
}

TEST(Spreading, SingleStationRowIsApplied) {
    std::ostringstream report;
    EngineState s = test::state_with_report(report);
    s.wall.ninc = 20;
    clear_station_tables(s);
    RangeRow load;
    load.kind = RowKind::Load;
    load.from = load.to = 7;
    load.q = 250.0;
    load.t = 40.0;
    load.p = 900.0;
    spread_rows(s, {load});
    EXPECT_EQ(s.Q[7], 250.0);
    EXPECT_EQ(s.T[7], 40.0);
    EXPECT_EQ(s.P[7], -900.0);  // axial load with its sign reversed
    EXPECT_EQ(s.Q[6] + s.Q[8], 0.0);
}

TEST(Spreading, RangeEndingAboveItsStartStops) {
    std::ostringstream report;
    EXPECT_THROW(wall_of(report, 20, {stiffness(10, 5, 1, 1e9)}), RunStop);
    EXPECT_EQ(report.str(), "\n\n     ERROR STOP -- STATIONS NOT IN ORDER\n");
}

TEST(Spreading, DataBeyondTheToeStops) {
    std::ostringstream report;
    EngineState s = wall_of(report, 20, {stiffness(0, 21, 1, 1e9)});
    EXPECT_THROW(check_beyond_end(s), RunStop);
    EXPECT_EQ(report.str(), "\n\n     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END\n");
    // A spring at NINC+2 is allowed (its equation does not exist).
    std::ostringstream quiet;
    EngineState t = wall_of(quiet, 20, {stiffness(0, 20, 1, 1e9)});
    t.S[22] = 5.0;
    EXPECT_NO_THROW(check_beyond_end(t));
}

TEST(StationCodes, EachCodeRemembersItsRow) {
    EngineState s;
    s.restraints = {{1, 0, 0.0, 0.0}, {2, 10, 0.0, 0.01}, {3, 20, 0.5, 0.0}, {2, 20, 0.0, 0.0}};
    set_station_codes(s);
    auto code = [&s](int k) { return s.code[static_cast<std::size_t>(k + 3)]; };
    auto row = [&s](int k) { return s.code_row[static_cast<std::size_t>(k + 3)]; };
    EXPECT_EQ(code(0), kDeflection);
    EXPECT_EQ(row(0), 0);
    EXPECT_EQ(code(9), kSlopeBefore);
    EXPECT_EQ(code(10), kOrdinary);
    EXPECT_EQ(code(11), kSlopeAfter);
    EXPECT_EQ(row(11), 1);
    EXPECT_EQ(code(20), kBoth);
    EXPECT_EQ(row(20), 2);
    EXPECT_EQ(row(19), 3);  // overwritten by the later row at the same station
    EXPECT_EQ(code(5), kOrdinary);
}

}  // namespace
}  // namespace vornel
