#include "engine/soil/py_multipliers.h"

#include <cmath>

#include <gtest/gtest.h>

namespace vornel::soil {
namespace {

TEST(PyMultipliers, GroupReductionFromTheWidthRatio) {
    const std::vector<PyModRow> none;
    // WA = 2 WP: Mp = 0.5292 * 2^0.5659 = 0.783 on every curve below the excavation level.
    const Multipliers m = py_multipliers(none, 48.0, 24.0, 120.0, 180.0);
    EXPECT_NEAR(m.p, 0.783, 5e-4);
    EXPECT_NEAR(m.p, 0.5292 * std::pow(2.0, 0.5659), 1e-12);
    EXPECT_DOUBLE_EQ(m.y, 1.0);
    EXPECT_DOUBLE_EQ(py_multipliers(none, 24.0, 24.0, 120.0, 180.0).p, 1.0);  // continuous
    EXPECT_DOUBLE_EQ(py_multipliers(none, 26.0, 24.0, 120.0, 180.0).p, 1.0);  // r < 1.1
    EXPECT_DOUBLE_EQ(py_multipliers(none, 74.4, 24.0, 120.0, 180.0).p, 1.0);  // r = 3.1
    EXPECT_NEAR(py_multipliers(none, 72.0, 24.0, 120.0, 180.0).p, 0.5292 * std::pow(3.0, 0.5659),
                1e-12);
    EXPECT_DOUBLE_EQ(py_multipliers(none, 48.0, 24.0, 120.0, 100.0).p, 1.0);  // above H
    EXPECT_DOUBLE_EQ(py_multipliers(none, 48.0, 0.0, 120.0, 180.0).p, 1.0);   // no WP
}

TEST(PyMultipliers, ContinuousWallRatio) {
    EXPECT_DOUBLE_EQ(continuous_wall_ratio(24.0, 24.0), 1.0);
    EXPECT_DOUBLE_EQ(continuous_wall_ratio(12.0, 24.0), 1.0);  // raised to 1
    EXPECT_DOUBLE_EQ(continuous_wall_ratio(60.0, 24.0), 2.5);
    EXPECT_DOUBLE_EQ(continuous_wall_ratio(60.0, 0.0), 1.0);
}

TEST(PyMultipliers, ModificationRowsByDepth) {
    const std::vector<PyModRow> rows = {
        {100.0, 0.5, 2.0}, {200.0, 0.7, 1.0}, {200.0, 0.9, 1.5}, {300.0, 1.1, 0.5}};
    auto mp = [&](double z) { return py_multipliers(rows, 48.0, 24.0, 120.0, z).p; };
    auto my = [&](double z) { return py_multipliers(rows, 48.0, 24.0, 120.0, z).y; };
    EXPECT_DOUBLE_EQ(mp(50.0), 1.0);   // above the rows
    EXPECT_DOUBLE_EQ(mp(350.0), 1.0);  // below the rows
    EXPECT_DOUBLE_EQ(mp(100.0), 0.5);
    EXPECT_NEAR(mp(150.0), 0.6, 1e-12);
    EXPECT_NEAR(my(150.0), 1.5, 1e-12);
    // Two rows at one depth: the second row's factor applies there and below.
    EXPECT_DOUBLE_EQ(mp(200.0), 0.9);
    EXPECT_DOUBLE_EQ(my(200.0), 1.5);
    EXPECT_NEAR(mp(250.0), 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(mp(300.0), 1.1);
    // A step at the last depth as well.
    const std::vector<PyModRow> last = {{100.0, 0.5, 1.0}, {200.0, 0.6, 1.0}, {200.0, 0.8, 1.0}};
    EXPECT_DOUBLE_EQ(modification_factor(last, 200.0, &PyModRow::p_mult), 0.8);
    EXPECT_DOUBLE_EQ(modification_factor({}, 200.0, &PyModRow::p_mult), 1.0);
}

}  // namespace
}  // namespace vornel::soil
