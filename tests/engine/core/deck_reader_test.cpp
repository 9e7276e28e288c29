#include "engine/core/deck_reader.h"

#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "engine/base/run_stop.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

// A state for one problem of NINC 60, h = 6, in the given unit system.
EngineState problem_state(std::ostringstream& report, int unit_system = 1) {
    EngineState s = test::state_with_report(report);
    s.control.unit_system = unit_system;
    s.wall.ninc = 60;
    s.wall.h = 6.0;
    s.wall.wall_width = 12.0;
    return s;
}

TEST(DeckReader, TitleKeepsSeventyCharacters) {
    std::ostringstream report;
    FreeFormatReader in(std::string(75, 'T') + "\r\n", report);
    EXPECT_EQ(read_title(in), std::string(70, 'T'));
}

TEST(DeckReader, ControlLineAndWallProperties) {
    std::ostringstream report;
    EngineState s = test::state_with_report(report);
    FreeFormatReader in("2 1\t1\t0\t3\t2 4 1 0 2\r\n60 0.15\t0.5\t1E-5\t3\t1.2\r\n", report);
    read_control_line(s, in);
    read_wall_properties(s, in);
    EXPECT_EQ(s.control.unit_system, 2);
    EXPECT_EQ(s.control.earth_pressure_code, 3);
    EXPECT_EQ(s.control.py_code, 2);
    EXPECT_EQ(s.control.user_curve_count, 4);
    EXPECT_EQ(s.control.tieback_count, 2);
    EXPECT_DOUBLE_EQ(s.gamma_water, static_cast<double>(9.81f));
    EXPECT_EQ(s.wall.ninc, 60);
    EXPECT_DOUBLE_EQ(s.wall.h, 0.15);
    EXPECT_DOUBLE_EQ(s.wall.closure_tolerance, 1e-5);
    EXPECT_DOUBLE_EQ(s.wall.wall_width, 1.2);
    EXPECT_TRUE(soil_records_present(s.control));
}

// The storage and range checks end the run with a line naming the record.
TEST(DeckReader, WallPropertiesOutsideTheTables) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"0 1 1 1 1 1\n", "NUMBER OF INCREMENTS 0 OUTSIDE 1..407 IN WALL PROPERTIES, LINE 1"},
        {"10 0 1 1 1 1\n", "INCREMENT LENGTH 0 IS NOT POSITIVE IN WALL PROPERTIES, LINE 1"},
    };
    for (const Case& c : cases) {
        std::ostringstream report;
        EngineState s = test::state_with_report(report);
        FreeFormatReader in(c.text, report);
        EXPECT_THROW(read_wall_properties(s, in), RunStop);
        EXPECT_EQ(report.str(), std::string("\n\n     ERROR STOP -- ") + c.message + "\n");
    }
}

TEST(DeckReader, RestraintChecks) {
    // Decreasing stations, and a station above the fictitious one at -1.
    const std::pair<int, const char*> out_of_order[] = {{2, "1\t10\t0\t0\n1\t9\t0\t0\n"},
                                                        {1, "2\t-2\t0\t0\n"}};
    for (const auto& [count, rows] : out_of_order) {
        std::ostringstream report;
        EngineState s = problem_state(report);
        s.control.restraint_count = count;
        FreeFormatReader in(rows, report);
        EXPECT_THROW(read_restraints(s, in), RunStop);
        EXPECT_EQ(report.str(), "\n\n     ERROR STOP -- STATIONS NOT IN ORDER\n");
    }
    std::ostringstream report;
    EngineState s = problem_state(report);
    s.control.restraint_count = 1;
    FreeFormatReader in("1\t62\t0\t0\n", report);
    EXPECT_THROW(read_restraints(s, in), RunStop);
    EXPECT_EQ(report.str(),
              "\n\n     ERROR STOP -- STATION 62 OUTSIDE -1..61 IN RESTRAINT ROW 1, LINE 1\n");
}

TEST(DeckReader, RangeRowsAndCouples) {
    std::ostringstream report;
    EngineState s = problem_state(report);
    s.control.stiffness_count = 2;
    FreeFormatReader in(
        "0\t30\t2\t1E9\n"
        "0\t60\t1\t2E9\n"
        "1\n"
        "1\t10\t10\t500\t1200\t-300\n"
        "1\n"
        "5\t5\t1\t1000\t0\n",
        report);
    read_stiffness_rows(s, in);
    read_load_rows(s, in);
    read_spring_rows(s, in);
    ASSERT_EQ(s.stiffness_rows.size(), 2u);
    EXPECT_EQ(s.stiffness_rows[0].flag, 2);
    EXPECT_DOUBLE_EQ(s.stiffness_rows[1].ei, 2e9);
    ASSERT_EQ(s.load_rows.size(), 1u);
    EXPECT_EQ(s.load_rows[0].from, 10);
    EXPECT_DOUBLE_EQ(s.load_rows[0].p, -300.0);  // kept as entered
    ASSERT_EQ(s.couples.size(), 1u);
    EXPECT_EQ(s.couples[0].station, 10);
    EXPECT_DOUBLE_EQ(s.couples[0].force, 1200.0 / 12.0);  // moment / 2h
    EXPECT_EQ(s.support_count, 1);
    EXPECT_DOUBLE_EQ(s.first_support_depth, 30.0);
}

TEST(DeckReader, RangeRowChecks) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"0\t64\t1\t1E9\n", "STATION 64 OUTSIDE -3..63 IN STIFFNESS ROW 1, LINE 1"},
        {"0\t10\t3\t1E9\n", "CONTINUATION FLAG 3 IS NOT 1 OR 2 IN STIFFNESS ROW 1, LINE 1"},
        {"0\t10\t1\n", "END OF FILE IN STIFFNESS ROW 1, LINE 1"},
    };
    for (const Case& c : cases) {
        std::ostringstream report;
        EngineState s = problem_state(report);
        s.control.stiffness_count = 1;
        FreeFormatReader in(c.text, report);
        EXPECT_THROW(read_stiffness_rows(s, in), RunStop);
        EXPECT_EQ(report.str(), std::string("\n\n     ERROR STOP -- ") + c.message + "\n");
    }
}

// English units: the tieback depth, unbonded length and spacing are in feet.
TEST(DeckReader, TiebackBecomesASpringAtItsStation) {
    std::ostringstream report;
    EngineState s = problem_state(report);
    s.control.tieback_count = 2;
    s.spring_rows.push_back({RowKind::Spring, 2, 2, 1, 0, 0, 10.0, 0, 0, 0});
    FreeFormatReader in("10\t1.5\t29000000\t20\t30\t8\n25\t1\t29000000\t20\t0\t8\n", report);
    read_tiebacks(s, in);
    ASSERT_EQ(s.tiebacks.size(), 2u);
    EXPECT_EQ(s.tiebacks[0].station, 20);  // 10 ft x 12 / 6 in
    const double theta = 30.0 * 3.1416 / 180.0;
    const double k = std::cos(theta) * 29e6 * 1.5 / ((20.0 * 12.0) * (8.0 * 12.0 / 12.0));
    EXPECT_NEAR(s.tiebacks[0].stiffness, k, 1e-9 * k);
    ASSERT_EQ(s.spring_rows.size(), 3u);
    EXPECT_EQ(s.spring_rows[1].kind, RowKind::Tieback);
    EXPECT_EQ(s.spring_rows[1].from, 20);
    EXPECT_EQ(s.spring_rows[1].to, 20);
    EXPECT_EQ(s.support_count, 3);
    EXPECT_DOUBLE_EQ(s.first_support_depth, 12.0);  // the spring at station 2
    EXPECT_DOUBLE_EQ(s.last_support_depth, 300.0);  // the tieback at 25 ft
}

TEST(DeckReader, TiebackWithoutSpacingIsRefused) {
    std::ostringstream report;
    EngineState s = problem_state(report, 2);
    s.control.tieback_count = 1;
    FreeFormatReader in("3\t0.001\t200000000\t6\t15\t0\n", report);
    EXPECT_THROW(read_tiebacks(s, in), RunStop);
    EXPECT_EQ(report.str(),
              "\n\n     ERROR STOP -- SPACING 0 IS NOT POSITIVE IN TIEBACK ROW 1, LINE 1\n");
}

// Records 14-19 are read in full: SI surcharge distances and widths are in millimetres.
TEST(DeckReader, SoilRecords) {
    std::ostringstream report;
    EngineState s = problem_state(report, 2);
    FreeFormatReader in(
        "3\t1.2\t0.6\t2\t4\t1\t1\t5\r\n"
        "10\t0\t0\t0\t0\t0\r\n"
        "2\r\n"
        "1\t50\t1500\t0\r\n"
        "3\t20\t2000\t1000\r\n"
        "2\r\n"
        "4 5\r\n"
        "18 0.0  35 0.0  16000 0.0  \r\n"
        "19 0.0  36 0.0  16000 0.0  \r\n"
        "1 12.5\r\n"
        "17 25 0.0  0.007 135000 0.3\r\n"
        "17 40 0.0  0.007 135000 0.3\r\n",
        report);
    read_soil_records(s, in);
    EXPECT_DOUBLE_EQ(s.config.free_height, 3.0);
    EXPECT_DOUBLE_EQ(s.config.py_width, 0.6);
    EXPECT_EQ(s.config.water_switch, 1);
    EXPECT_DOUBLE_EQ(s.config.backfill_slope, 5.0);
    EXPECT_DOUBLE_EQ(s.surface.surface_load, 10.0);
    ASSERT_EQ(s.surcharges.size(), 2u);
    EXPECT_DOUBLE_EQ(s.surcharges[0].x, 1.5);
    EXPECT_EQ(s.surcharges[1].type, 3);
    EXPECT_DOUBLE_EQ(s.surcharges[1].width, 1.0);
    ASSERT_EQ(s.layers.size(), 2u);
    EXPECT_EQ(s.layers[0].type, 4);
    EXPECT_DOUBLE_EQ(s.layers[0].thickness, 5.0);
    EXPECT_DOUBLE_EQ(s.layers[1].thickness, 7.5);
    EXPECT_DOUBLE_EQ(s.layers[0].top[2], 35.0);
    EXPECT_DOUBLE_EQ(s.layers[1].bottom[5], 0.3);
}

TEST(DeckReader, UserCurvesScaledByTheirMultipliers) {
    std::ostringstream report;
    EngineState s = problem_state(report);
    s.control.user_curve_count = 1;
    FreeFormatReader in("24\t3\t0.5\t2\n-1\t100\n0\t0\n1\t-200\n", report);
    read_user_curves(s, in);
    ASSERT_EQ(s.user_curves.size(), 1u);
    const UserCurve& c = s.user_curves[0];
    EXPECT_EQ(c.station, 24);
    EXPECT_EQ(c.y, (std::vector<double>{-1, 0, 1}));
    EXPECT_EQ(c.y_scaled, (std::vector<double>{-2, 0, 2}));
    EXPECT_EQ(c.p_scaled, (std::vector<double>{50, 0, -100}));
}

TEST(DeckReader, CurveAndSetCounts) {
    struct Case {
        int curves, sets;
        const char* text;
        const char* message;
    } cases[] = {
        {1, 0, "24\t1\t1\t1\n", "NUMBER OF POINTS 1 OUTSIDE 2..34 IN P-Y CURVE 1, LINE 1"},
        {0, 1, "0\t70\t2\n", "STATION 70 OUTSIDE -3..63 IN MOMENT-EI SET 1, LINE 1"},
    };
    for (const Case& c : cases) {
        std::ostringstream report;
        EngineState s = problem_state(report);
        s.control.user_curve_count = c.curves;
        s.control.ei_set_count = c.sets;
        FreeFormatReader in(c.text, report);
        EXPECT_THROW(
            {
                read_user_curves(s, in);
                read_ei_sets(s, in);
            },
            RunStop);
        EXPECT_EQ(report.str(), std::string("\n\n     ERROR STOP -- ") + c.message + "\n");
    }
    std::ostringstream report;
    EngineState s = problem_state(report);
    s.control.user_curve_count = 64;
    FreeFormatReader in("", report);
    EXPECT_THROW(read_user_curves(s, in), RunStop);
    EXPECT_EQ(report.str(), "\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n\n");
}

TEST(DeckReader, NearestStation) {
    EXPECT_EQ(nearest_station(19.5), 20);
    EXPECT_EQ(nearest_station(-0.5), -1);
    EXPECT_EQ(nearest_station(1e300), 1'000'000);
    EXPECT_EQ(nearest_station(-1e300), -1'000'000);
}

}  // namespace
}  // namespace vornel
