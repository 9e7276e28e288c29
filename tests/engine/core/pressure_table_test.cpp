#include "engine/core/pressure_table.h"
#include "engine/soil/user_pressure.h"

#include <array>
#include <cstdio>
#include <sstream>

#include <gtest/gtest.h>

#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

EngineState pressure_state(std::ostringstream& report, int code) {
    EngineState s = test::state_with_report(report);
    s.control.earth_pressure_code = code;
    s.control.unit_system = 1;
    s.wall.ninc = 30;
    s.wall.h = 6.0;
    s.config.free_height = 24.0;
    s.config.active_width = 2.0;
    s.config.py_width = 0.5;
    return s;
}

// Above the excavation level the pressure acts over the active width, below it over the
// width for soil resistance, from the first point deeper than the free height on.
TEST(PressureTable, GeneratedPointsTakeTheirWidths) {
    std::ostringstream report;
    EngineState s = pressure_state(report, 2);
    s.handover.pressure = {{0, 0, 0, 0},
                           {12, 1.5, 1.0, 0.5},
                           {24, 3.0, 2.0, 1.0},
                           {36, 4.0, 4.0, 0.0},
                           {48, 4.0, 4.0, 0.0}};
    take_generated_pressure(s);
    ASSERT_EQ(s.pressure.size(), 5u);
    EXPECT_DOUBLE_EQ(s.pressure[1].total, 3.0);
    EXPECT_DOUBLE_EQ(s.pressure[1].soil, 2.0);
    EXPECT_DOUBLE_EQ(s.pressure[1].surcharge, 1.0);
    EXPECT_DOUBLE_EQ(s.pressure[2].total, 6.0);  // at the excavation level: still active width
    EXPECT_DOUBLE_EQ(s.pressure[3].total, 2.0);
    EXPECT_DOUBLE_EQ(s.pressure[4].soil, 2.0);
    EXPECT_TRUE(report.str().empty());
}

// The core takes every value as the E10.3 fields of BMWALL.001 hold it, before the width
// factor: a depth a hair above the excavation level reads as the level itself and keeps the
// active width.
TEST(PressureTable, GeneratedValuesAreThoseTheScratchFieldsHold) {
    std::ostringstream report;
    EngineState s = pressure_state(report, 2);
    s.handover.pressure = {{24.00004, 1.23456, 1.00049, 0.23407},
                           {24.04, 2.0e-12 / 3.0, 2.0e-12 / 3.0, 0.0}};
    take_generated_pressure(s);
    ASSERT_EQ(s.pressure.size(), 2u);
    EXPECT_EQ(s.pressure[0].depth, 24.0);
    EXPECT_EQ(s.pressure[0].total, 1.23 * 2.0);
    EXPECT_EQ(s.pressure[0].soil, 1.0 * 2.0);
    EXPECT_EQ(s.pressure[0].surcharge, 0.234 * 2.0);
    EXPECT_EQ(s.pressure[1].depth, 24.0);  // 0.240E+02 as well: still above the excavation
    EXPECT_EQ(s.pressure[1].total, 0.667e-12 * 2.0);
}

// User pressure acts from station 1 down to the depth of its last point; each station takes
// the pressure at its depth times h.
TEST(PressureTable, UserPressureBecomesStationLoads) {
    std::ostringstream report;
    EngineState s = pressure_state(report, 1);
    s.user_pressure = {{0.0, 0.0}, {60.0, 10.0}, {100.0, 30.0}};
    soil::build_user_pressure(s);
    apply_pressure_loads(s);
    EXPECT_EQ(s.Q[0], 0.0);
    EXPECT_DOUBLE_EQ(s.Q[1], 1.0 * 6.0);
    EXPECT_DOUBLE_EQ(s.Q[10], 10.0 * 6.0);
    EXPECT_DOUBLE_EQ(s.Q[11], 13.0 * 6.0);
    EXPECT_DOUBLE_EQ(s.Q[16], 28.0 * 6.0);
    // Station 17 (depth 102, 100 / 6 rounds to 17) lies below the last point: the value of
    // the station above is used again.
    EXPECT_DOUBLE_EQ(s.Q[17], 28.0 * 6.0);
    EXPECT_EQ(s.Q[18], 0.0);
}

TEST(PressureTable, GeneratedPressureLoadsTheWallDownToTheExcavation) {
    std::ostringstream report;
    EngineState s = pressure_state(report, 3);
    s.pressure = {{0, 0, 0, 0}, {24, 24, 24, 0}, {200, 24, 24, 0}};
    apply_pressure_loads(s);
    EXPECT_DOUBLE_EQ(s.Q[2], 12.0 * 6.0);
    EXPECT_DOUBLE_EQ(s.Q[4], 24.0 * 6.0);
    EXPECT_EQ(s.Q[5], 0.0);
}

TEST(PressureTable, LoadsStopAtTheToe) {
    std::ostringstream report;
    EngineState s = pressure_state(report, 1);
    s.user_pressure = {{0.0, 5.0}, {1e9, 5.0}};
    soil::build_user_pressure(s);
    apply_pressure_loads(s);
    EXPECT_DOUBLE_EQ(s.Q[30], 30.0);
    EXPECT_EQ(s.Q[31], 0.0);
}

TEST(PressureTable, ThinnedPoints) {
    const std::vector<std::size_t> english = thinned_points(120, 1);
    ASSERT_EQ(english.size(), 21u);  // points 1, 7, ..., 115 and 120
    EXPECT_EQ(english[1], 6u);
    EXPECT_EQ(english[19], 114u);
    EXPECT_EQ(english[20], 119u);
    EXPECT_EQ(thinned_points(120, 2).size(), 31u);  // 1, 5, ..., 117, 120
    EXPECT_EQ(thinned_points(50, 1).size(), 50u);
    EXPECT_EQ(thinned_points(61, 1).back(), 60u);
    EXPECT_EQ(thinned_points(61, 1).size(), 11u);  // 1, 7, ..., 61: the stepping ends on it
    EXPECT_TRUE(thinned_points(0, 1).empty());
}

}  // namespace
}  // namespace vornel
