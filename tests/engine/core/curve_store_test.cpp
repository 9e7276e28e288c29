#include "engine/core/curve_store.h"

#include <cstdio>
#include <sstream>

#include <gtest/gtest.h>

#include "engine/base/run_stop.h"
#include "engine/core/soil_springs.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

// One generated curve record in the generator's layout: the depth and 34 as a free-format
// line, then 34 lines I5,1X,E10.3,1X,E10.3. The excavation side (points 1..17) has
// p = 100 (j-1) - 10, the backfill side (18..34) p = 50 (j-1) + 10, both y = 0.05 (j-1).
std::string curve_record(double depth) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "  %10.4f          34\n", depth);
    std::string r = buf;
    for (int side = 0; side < 2; ++side) {
        for (int j = 1; j <= 17; ++j) {
            const double p = side == 0 ? 100.0 * (j - 1) - 10.0 : 50.0 * (j - 1) + 10.0;
            std::snprintf(buf, sizeof buf, "%5d %10.3E %10.3E\n", j, p, 0.05 * (j - 1));
            r += buf;
        }
    }
    return r;
}

EngineState curve_state(std::ostringstream& report) {
    EngineState s = test::state_with_report(report);
    s.wall.ninc = 60;
    s.wall.h = 6.0;
    s.control.py_code = 2;
    return s;
}

TEST(CurveStore, GeneratedRecordJoinsBothSides) {
    std::ostringstream report;
    EngineState s = curve_state(report);
    // One user curve at the head of the file is passed over.
    const std::string text =
        " 3\n 24 2\n 1 100.0 -1.0\n 2 -100.0 1.0\n" + curve_record(126.0) + curve_record(250.0);
    parse_soildata(s, text, 1);
    ASSERT_EQ(s.generated_curves.size(), 2u);
    const PlotCurve& c = s.generated_curves[0];
    ASSERT_EQ(c.y.size(), 33u);
    EXPECT_EQ(c.station, 21);
    EXPECT_EQ(s.generated_curves[1].station, 42);  // 250 / 6 = 41.7
    EXPECT_DOUBLE_EQ(c.y[0], -0.8);                // backfill side, last point, mirrored
    EXPECT_DOUBLE_EQ(c.p[0], 810.0);
    EXPECT_DOUBLE_EQ(c.y[16], 0.0);  // backfill side, first point
    EXPECT_DOUBLE_EQ(c.p[16], 10.0);
    EXPECT_DOUBLE_EQ(c.y[17], 0.05);  // excavation side from its second point
    EXPECT_DOUBLE_EQ(c.p[17], -90.0);
    EXPECT_DOUBLE_EQ(c.y[32], 0.8);
    EXPECT_DOUBLE_EQ(c.p[32], -1590.0);
    for (std::size_t k = 1; k < 33; ++k) EXPECT_GT(c.y[k], c.y[k - 1]) << k;
}

TEST(CurveStore, FixedColumnsRunTogetherAreRead) {
    std::ostringstream report;
    EngineState s = curve_state(report);
    std::string record = curve_record(126.0);
    // A writer without a blank between the two numbers: "-0.100E+02-0.500E-01".
    record.replace(record.find("    1 -1.000E+01"), 27, "    1 -0.100E+02-0.500E-01");
    parse_soildata(s, " 1\n" + record, 0);
    EXPECT_DOUBLE_EQ(s.generated_curves[0].p[17], -90.0);
    EXPECT_DOUBLE_EQ(s.generated_curves[0].y[16], 0.0);
}

TEST(CurveStore, SoildataFaults) {
    struct Case {
        std::string text;
        const char* message;
    } cases[] = {
        {" 64\n", "\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n\n"},
        {" 0\n",
         "\n\n     ERROR STOP -- CURVE COUNT 0 BELOW THE 1 USER CURVES IN CURVE COUNT OF "
         "SOILDATA, LINE 1\n"},
        {" 2\n 24 2\n 1 1 1\n 2 2 2\n   126.0  33\n",
         "\n\n     ERROR STOP -- POINT COUNT 33 IS NOT 34 IN CURVE RECORD 1 OF SOILDATA, LINE 5\n"},
        {" 2\n 24 2\n 1 1 1\n 2 2 2\n" + curve_record(1.0).substr(0, 200),
         "\n\n     ERROR STOP -- END OF FILE IN POINT 7 OF CURVE RECORD 1 OF SOILDATA, LINE 12\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream report;
        EngineState s = curve_state(report);
        EXPECT_THROW(parse_soildata(s, c.text, 1), RunStop);
        EXPECT_EQ(report.str(), c.message);
    }
}

TEST(CurveStore, UserCurvesAloneAreLinkedBelowTheExcavation) {
    std::ostringstream report;
    EngineState s = curve_state(report);
    s.control.py_code = 1;
    s.wall.free_height = 120.0;
    for (int station : {10, 20, 24}) {
        UserCurve c;
        c.station = station;
        c.y = c.y_scaled = {-1.0, 0.0, 1.0};
        c.p = {10.0, 0.0, -10.0};
        c.p_scaled = {20.0, 0.0, -20.0};
        s.user_curves.push_back(c);
    }
    EXPECT_EQ(user_curve_links(s), (std::vector<int>{0, 1, 1}));
    fill_curve_store(s);
    ASSERT_EQ(s.curves.size(), 3u);
    EXPECT_EQ(s.curves[2].points, 3);
    EXPECT_DOUBLE_EQ(s.curves[2].q[0], 20.0 * 6.0);  // p x multiplier x h
    s.control.py_code = 2;  // next to generated curves user curves stand alone
    EXPECT_EQ(user_curve_links(s), (std::vector<int>{0, 0, 0}));
}

StoredCurve linear_curve(int station, double k, int link, int points = 5) {
    StoredCurve c;
    c.station = station;
    c.points = points;
    for (int i = 0; i < points; ++i) {
        const double w = -1.0 + 2.0 * i / (points - 1);
        c.w[static_cast<std::size_t>(i)] = w;
        c.q[static_cast<std::size_t>(i)] = -k * w;
    }
    c.link = link;
    return c;
}

TEST(SoilSprings, LinearisationPicksTheSegmentOfTheDeflection) {
    StoredCurve c;
    c.points = 4;
    c.w = {0.0, 1.0, 2.0, 4.0};
    c.q = {0.0, -10.0, -15.0, -17.0};
    Linearised l = linearise(c, 1.5);
    EXPECT_DOUBLE_EQ(l.k, 5.0);
    EXPECT_DOUBLE_EQ(l.q, -5.0);  // q - k w = -12.5 on the chord
    EXPECT_FALSE(l.off);
    l = linearise(c, 1.0);  // on a point: the segment ending there
    EXPECT_DOUBLE_EQ(l.k, 10.0);
    l = linearise(c, 6.0);  // beyond the last point: last segment extended
    EXPECT_TRUE(l.off);
    EXPECT_DOUBLE_EQ(l.k, 1.0);
    EXPECT_DOUBLE_EQ(l.q - l.k * 6.0, -19.0);
    l = linearise(c, -1.0);  // before the first point
    EXPECT_TRUE(l.off);
    EXPECT_DOUBLE_EQ(l.k, 10.0);
    EXPECT_TRUE(linearise(linear_curve(0, 3.0, 0, 2), 0.0).off);  // two points: always off
}

TEST(SoilSprings, LinkedCurvesInterpolateWithHalfValuesAtTheirStations) {
    std::ostringstream report;
    EngineState s = curve_state(report);
    s.curves = {linear_curve(10, 100.0, 1), linear_curve(20, 300.0, 1)};
    EXPECT_FALSE(add_soil_springs(s));
    EXPECT_DOUBLE_EQ(s.Sw[10], 50.0);
    EXPECT_DOUBLE_EQ(s.Sw[15], 200.0);
    EXPECT_DOUBLE_EQ(s.Sw[20], 150.0);
    EXPECT_EQ(s.Sw[21], 0.0);
}

TEST(SoilSprings, ChainIsCutAtTheToe) {
    std::ostringstream report;
    EngineState s = curve_state(report);
    s.wall.ninc = 20;
    s.curves = {linear_curve(10, 100.0, 1), linear_curve(30, 300.0, 1), linear_curve(40, 300.0, 0)};
    add_soil_springs(s);
    EXPECT_DOUBLE_EQ(s.Sw[10], 50.0);
    EXPECT_DOUBLE_EQ(s.Sw[15], 150.0);
    EXPECT_DOUBLE_EQ(s.Sw[20], 100.0);  // half of 200 at the cut end
    EXPECT_EQ(s.Sw[21], 0.0);
}

TEST(SoilSprings, StandAloneCurvesAndRepeatedStations) {
    std::ostringstream report;
    EngineState s = curve_state(report);
    s.curves = {linear_curve(5, 100.0, 0), linear_curve(5, 700.0, 0), linear_curve(8, 40.0, 0)};
    add_soil_springs(s);
    EXPECT_DOUBLE_EQ(s.Sw[5], 800.0);
    EXPECT_DOUBLE_EQ(s.Sw[8], 40.0);
    // Within a chain a second curve at the chain's station is passed over.
    EngineState t = curve_state(report);
    t.curves = {linear_curve(5, 100.0, 1), linear_curve(5, 700.0, 1), linear_curve(9, 100.0, 0)};
    add_soil_springs(t);
    EXPECT_DOUBLE_EQ(t.Sw[5], 50.0);
    EXPECT_DOUBLE_EQ(t.Sw[7], 100.0);
    EXPECT_TRUE(report.str().empty());

    EngineState u = curve_state(report);
    u.curves = {linear_curve(9, 100.0, 1), linear_curve(5, 100.0, 1)};
    EXPECT_THROW(add_soil_springs(u), RunStop);
    EXPECT_EQ(report.str(), "\n\n     ERROR STOP -- STATIONS NOT IN ORDER\n");
}

}  // namespace
}  // namespace vornel
