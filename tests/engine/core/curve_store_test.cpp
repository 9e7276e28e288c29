#include "engine/core/curve_store.h"

#include <sstream>

#include <gtest/gtest.h>

#include "engine/base/fixed_format.h"
#include "engine/base/free_format_reader.h"
#include "engine/base/run_stop.h"
#include "engine/core/soil_springs.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

// One generated curve record as the generator hands it over. The excavation side (points
// 1..17) has p = 100 (j-1) - 10, the backfill side (18..34) p = 50 (j-1) + 10, both
// y = 0.05 (j-1); `noise` is added to every value below the fourth significant digit, where
// the E10.3 fields of SOILDATA have always cut it off.
CurveRecord curve_record(double depth, double noise = 0.0) {
    CurveRecord r;
    r.depth = depth;
    r.sides = 2;
    for (int side = 0; side < 2; ++side) {
        for (int j = 1; j <= 17; ++j) {
            const auto k = static_cast<std::size_t>(side * 17 + j - 1);
            const double p = side == 0 ? 100.0 * (j - 1) - 10.0 : 50.0 * (j - 1) + 10.0;
            r.p[k] = p * (1.0 + noise);
            r.y[k] = 0.05 * (j - 1) * (1.0 + noise);
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
    s.handover.announced_curves = 3;  // one user curve heads the records
    s.handover.curves = {curve_record(126.0, 3e-5), curve_record(250.0, -3e-5)};
    take_generated_curves(s);
    ASSERT_EQ(s.generated_curves.size(), 2u);
    const PlotCurve& c = s.generated_curves[0];
    ASSERT_EQ(c.y.size(), 33u);
    EXPECT_EQ(c.station, 21);
    EXPECT_EQ(s.generated_curves[1].station, 42);  // 250 / 6 = 41.7
    EXPECT_EQ(c.depth, 126.0);
    EXPECT_EQ(c.y[0], -0.8);  // backfill side, last point, mirrored; 0.8000240 held as 0.800
    EXPECT_EQ(c.p[0], 810.0);
    EXPECT_EQ(c.y[16], 0.0);  // backfill side, first point
    EXPECT_EQ(c.p[16], 10.0);
    EXPECT_EQ(c.y[17], 0.05);  // excavation side from its second point
    EXPECT_EQ(c.p[17], -90.0);
    EXPECT_EQ(c.y[32], 0.8);
    EXPECT_EQ(c.p[32], -1590.0);
    for (std::size_t k = 1; k < 33; ++k) EXPECT_GT(c.y[k], c.y[k - 1]) << k;
    EXPECT_EQ(report.str(), "");
}

// The core takes every value of a record exactly as the scratch file's field holds it: the
// points as E10.3, the depth as E15.7, so the station of a curve whose depth lies a hair
// below a half station is the one the written depth gives.
TEST(CurveStore, ValuesAreThoseTheScratchFieldsHold) {
    std::ostringstream report;
    EngineState s = curve_state(report);
    CurveRecord r = curve_record(128.99999996);  // E15.7: 0.1290000E+03, station 21.5 -> 22
    r.p[5] = -123.456789;
    r.y[5] = 0.000123456;
    r.p[20] = 98765.4321;
    r.y[20] = 1.0e-7 / 3.0;
    s.handover.announced_curves = 1;
    s.handover.curves = {r};
    take_generated_curves(s);
    const PlotCurve& c = s.generated_curves.at(0);
    EXPECT_EQ(c.station, 22);
    EXPECT_EQ(c.depth, 129.0);
    auto held = [](double v) {
        double back = 0.0;
        const std::string field = fmt::e(v, 10, 3);
        EXPECT_TRUE(parse_real(field.substr(field.find_first_not_of(' ')), back)) << field;
        return back;
    };
    // Point 6 of the excavation side is stored at 17 + 5 = 22 - 1, point 21 (backfill side
    // point 4) at 17 - 4 = 13, mirrored.
    EXPECT_EQ(c.p[21], -held(-123.456789));
    EXPECT_EQ(c.p[21], 123.0);
    EXPECT_EQ(c.y[21], held(0.000123456));
    EXPECT_EQ(c.y[21], 0.000123);
    EXPECT_EQ(c.p[13], held(98765.4321));
    EXPECT_EQ(c.p[13], 98800.0);
    EXPECT_EQ(c.y[13], -held(1.0e-7 / 3.0));
    EXPECT_EQ(c.y[13], -0.333e-7);
}

TEST(CurveStore, MoreThan63AnnouncedCurvesStopTheRun) {
    std::ostringstream report;
    EngineState s = curve_state(report);
    s.handover.announced_curves = 64;
    EXPECT_THROW(take_generated_curves(s), RunStop);
    EXPECT_EQ(report.str(), "\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n\n");
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
