#include "engine/soil/py_profile.h"

#include <sstream>

#include <gtest/gtest.h>

#include "engine/base/run_stop.h"
#include "engine/soil/py_profile_report.h"
#include "engine/soil/py_records.h"
#include "tests/engine/soil/py_fixture.h"

namespace vornel::soil {
namespace {

using test::kFt;
using test::kGammaWater;
using test::kPcf;
using test::lines_of;
using test::PyState;

const std::array<double, 6> kSand = {110 * kPcf, 0.0, 35.0, 0.0, 90.0, 0.0};
const std::array<double, 6> kClay = {100 * kPcf, 3.0, 0.0, 0.02, 0.0, 0.0};

// Sand from the top of the wall to 40 ft, free height 10 ft, wall 30 ft with h = 6 in.
TEST(PyProfile, SingleSandLayerIsCutTwoIncrementsBelowTheTip) {
    PyState t;
    t.add_py_layer(4, 40, kSand);
    const PyProfile p = build_py_profile(t.s);
    ASSERT_EQ(p.layers.size(), 1u);
    EXPECT_DOUBLE_EQ(p.layers[0].xtop, 0.0);
    EXPECT_DOUBLE_EQ(p.layers[0].xbot, 21 * kFt);
    EXPECT_DOUBLE_EQ(p.layers[0].k, 90.0);
    const auto depths = curve_depths(p.layers[0], p.offset);
    const double expected[5] = {0.1, 63.0, 126.0, 189.0, 251.9};
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(depths[i], expected[i], 1e-12) << i;
    // The unit weight keeps the whole layer; the strength parameters end at the cut.
    EXPECT_DOUBLE_EQ(p.gamma.x.back(), 30 * kFt);
    EXPECT_DOUBLE_EQ(p.strength.x.back(), 21 * kFt);
    EXPECT_NEAR(p.phi.v[0], 35.0 * 3.1416 / 180.0, 1e-15);
}

TEST(PyProfile, LayersEndingAtOrAboveTheExcavationLevelAreLeftOut) {
    PyState t;
    t.add_py_layer(1, 6, kClay);
    t.add_py_layer(1, 10, kClay);  // ends exactly at the excavation level
    t.add_py_layer(4, 40, kSand);
    const PyProfile p = build_py_profile(t.s);
    ASSERT_EQ(p.layers.size(), 1u);
    EXPECT_EQ(p.layers[0].type, 4);
    EXPECT_DOUBLE_EQ(p.layers[0].xtop, 0.0);
    EXPECT_DOUBLE_EQ(p.layers[0].xbot, 21 * kFt);
    // A bottom a hair below the excavation level (rounding of the editor's feet) counts as
    // at the level, as in the earth-pressure layering: no sliver of clay in the profile.
    t.s.layers[1].bottom_depth += 5.0e-6;
    const PyProfile q = build_py_profile(t.s);
    ASSERT_EQ(q.layers.size(), 1u);
    EXPECT_EQ(q.layers[0].type, 4);
}

TEST(PyProfile, CutInterpolatesTheBottomValuesOfTheLastLayer) {
    PyState t;
    SoilLayerInput& l = t.add_py_layer(1, 40, kClay);
    l.bottom[1] = 7.0;  // strength 3 psi at 10 ft, 7 psi at 40 ft
    l.bottom[3] = 0.005;
    const PyProfile p = build_py_profile(t.s);
    ASSERT_EQ(p.strength.size(), 2u);
    EXPECT_NEAR(p.strength.v[1], 3.0 + 4.0 * 21.0 / 30.0, 1e-12);
    EXPECT_NEAR(p.e50.v[1], 0.02 - 0.015 * 21.0 / 30.0, 1e-15);
}

// Sand to 32 ft over clay, wall 30 ft with h = 1 ft: the cut falls on the layer boundary.
// The clay below would be a layer of no thickness whose curve depths lie outside the
// profile; it is left out.
TEST(PyProfile, CutOnALayerBoundaryLeavesNoEmptyLayer) {
    PyState t;
    t.s.wall.ninc = 30;
    t.s.wall.h = 12.0;
    t.add_py_layer(4, 32, kSand);
    t.add_py_layer(1, 50, kClay);
    const PyProfile p = build_py_profile(t.s);
    ASSERT_EQ(p.layers.size(), 1u);
    EXPECT_DOUBLE_EQ(p.layers[0].xbot, 22 * kFt);
    EXPECT_EQ(p.strength.size(), 2u);
}

TEST(PyProfileLookups, LayerBoundaryRules) {
    Distribution d;
    d.add(0.0, 1.0);
    d.add(10.0, 2.0);
    d.add(10.0, 6.0);
    d.add(20.0, 8.0);
    EXPECT_DOUBLE_EQ(*distribution_value(d, 10.0, BoundaryRule::Deeper), 6.0);
    EXPECT_DOUBLE_EQ(*distribution_value(d, 10.0, BoundaryRule::Mean), 4.0);
    EXPECT_DOUBLE_EQ(*distribution_value(d, 5.0, BoundaryRule::Deeper), 1.5);
    EXPECT_DOUBLE_EQ(*distribution_value(d, 15.0, BoundaryRule::Mean), 7.0);
    EXPECT_DOUBLE_EQ(*distribution_value(d, 20.0, BoundaryRule::Mean), 8.0);
    EXPECT_DOUBLE_EQ(*distribution_value(d, 0.0, BoundaryRule::Mean), 1.0);
    EXPECT_FALSE(distribution_value(d, 20.5, BoundaryRule::Mean).has_value());
    // A value that is not given on one side yields the other side's value.
    d.v[2] = 0.0;
    EXPECT_DOUBLE_EQ(*distribution_value(d, 10.0, BoundaryRule::Deeper), 2.0);
    EXPECT_DOUBLE_EQ(*distribution_value(d, 10.0, BoundaryRule::Mean), 2.0);
    d.v[1] = 0.0;
    d.v[2] = 6.0;
    EXPECT_DOUBLE_EQ(*distribution_value(d, 10.0, BoundaryRule::Mean), 6.0);
}

TEST(PyProfileLookups, StrengthTakesTheDeeperLayerAndE50TheMean) {
    PyState t;
    SoilLayerInput& upper = t.add_py_layer(1, 20, kClay);
    upper.bottom[1] = 5.0;
    SoilLayerInput& lower = t.add_py_layer(2, 40, kClay);
    lower.top[1] = lower.bottom[1] = 9.0;
    lower.top[3] = lower.bottom[3] = 0.006;
    const PyProfile p = build_py_profile(t.s);
    const double boundary = 10 * kFt;
    EXPECT_DOUBLE_EQ(p.strength_at(boundary, t.s), 9.0);
    EXPECT_DOUBLE_EQ(p.e50_at(boundary), 0.013);
    EXPECT_DOUBLE_EQ(p.strength_at(60.0, t.s), 4.0);
    EXPECT_DOUBLE_EQ(p.e50_at(500.0), 0.006);  // beyond: the last value
}

TEST(PyProfileLookups, BeyondTheProfileEndsTheRunNamingTheDepth) {
    PyState t;
    t.add_py_layer(4, 40, kSand);
    const PyProfile p = build_py_profile(t.s);
    EXPECT_THROW(p.strength_at(300.0, t.s), RunStop);
    EXPECT_EQ(t.report.str(),
              "\n\n     ERROR STOP -- DEPTH X =    300.00 IN IS BEYOND THE INPUT STRENGTH CURVE\n");
    const std::vector<std::string> once = {"                             **** WARNING ****",
                                           "THE VALUE OF X =  0.3D+03IS BEYOND THE EXTENT OF",
                                           "THE INPUT STRENGTH CURVE"};
    ASSERT_EQ(t.messages.size(), 6u);  // the warning twice
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(t.messages[i], once[i % 3]);

    PyState u;
    u.add_py_layer(4, 40, kSand);
    EXPECT_THROW(p.phi_at(252.5, u.s), RunStop);
    EXPECT_EQ(u.messages.at(1), "THE VALUE OF X =  0.3D+03 IS BEYOND THE EXTENT OF");
    EXPECT_EQ(u.messages.at(2), "THE INPUT PHI CURVE");
    PyState v;
    EXPECT_THROW(p.average_gamma(400.0, v.s), RunStop);
    EXPECT_EQ(v.report.str(),
              "\n\n     ERROR STOP -- DEPTH X =    400.00 IN IS BEYOND THE INPUT UNIT WEIGHT "
              "CURVE\n");
}

// Sand to 40 ft, water table 20 ft below the top of the wall (10 ft below the excavation):
// dry down to the water table, buoyant below it.
TEST(PyProfileUnitWeight, LastLayerReachingBelowTheWaterTable) {
    PyState t;
    t.s.config.water_depth_backfill = 20 * kFt;
    t.add_py_layer(4, 40, kSand);
    const PyProfile p = build_py_profile(t.s);
    const double g = 110 * kPcf, w = g - kGammaWater;
    ASSERT_EQ(p.gamma.size(), 4u);
    EXPECT_EQ(p.gamma_counted, 2);  // the two appended points are not counted
    const double x[4] = {0.0, 120.0, 120.0, 360.0}, v[4] = {g, g, w, w};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(p.gamma.x[i], x[i]) << i;
        EXPECT_DOUBLE_EQ(p.gamma.v[i], v[i]) << i;
    }
    // Averages: the overburden of the excavation side divided by the depth.
    EXPECT_DOUBLE_EQ(p.average_gamma(0.0, t.s), g);
    EXPECT_NEAR(p.average_gamma(60.0, t.s), g, 1e-15);
    EXPECT_NEAR(p.average_gamma(240.0, t.s), (120 * g + 120 * w) / 240, 1e-15);
}

TEST(PyProfileUnitWeight, LayerBoundaryAtTheWaterTable) {
    PyState t;
    t.s.config.water_depth_backfill = 20 * kFt;
    t.add_py_layer(1, 20, kClay);
    t.add_py_layer(4, 40, kSand);
    const PyProfile p = build_py_profile(t.s);
    const double gc = 100 * kPcf, gs = 110 * kPcf;
    ASSERT_EQ(p.gamma.size(), 4u);
    EXPECT_EQ(p.gamma_counted, 4);
    EXPECT_DOUBLE_EQ(p.gamma.v[1], gc);                // the clay ends dry at the water table
    EXPECT_DOUBLE_EQ(p.gamma.v[2], gs - kGammaWater);  // the sand starts buoyant there
    EXPECT_DOUBLE_EQ(p.gamma.v[3], gs - kGammaWater);
}

TEST(PyProfileUnitWeight, UpperLayerReachingBelowTheWaterTable) {
    PyState t;
    t.s.config.water_depth_backfill = 15 * kFt;
    t.add_py_layer(1, 20, kClay);
    t.add_py_layer(4, 40, kSand);
    const PyProfile p = build_py_profile(t.s);
    const double gc = 100 * kPcf, gs = 110 * kPcf;
    ASSERT_EQ(p.gamma.size(), 4u);
    // The clay's bottom point moves up to the water table, keeping its dry value.
    EXPECT_DOUBLE_EQ(p.gamma.x[1], 60.0);
    EXPECT_DOUBLE_EQ(p.gamma.v[1], gc);
    EXPECT_DOUBLE_EQ(p.gamma.x[2], 120.0);
    EXPECT_DOUBLE_EQ(p.gamma.v[2], gs - kGammaWater);
    // Below the water table the buoyant weight governs: average at 120 in by hand.
    const double avg = (60 * gc + 60 * 0.5 * (gc + gs - kGammaWater)) / 120;
    EXPECT_NEAR(p.average_gamma(120.0, t.s), avg, 1e-15);
}

TEST(PyProfileAverageStrength, MeanOfTheLayerFromItsTop) {
    PyState t;
    SoilLayerInput& l = t.add_py_layer(3, 40, kClay);
    l.top[1] = 2.0;
    l.bottom[1] = 5.0;  // 2 psi at the excavation level, 5 psi 360 in below it
    const PyProfile p = build_py_profile(t.s);
    EXPECT_DOUBLE_EQ(p.average_strength(0.0, 1, t.s), 2.0);
    EXPECT_NEAR(p.average_strength(100.0, 1, t.s), (2.0 + 2.0 + 300.0 / 360) / 2, 1e-12);
    EXPECT_TRUE(t.report.str().empty());
    // Beyond the layer the line is extended, with a warning in the report.
    EXPECT_NEAR(p.average_strength(300.0, 1, t.s), (2.0 + 2.0 + 900.0 / 360) / 2, 1e-12);
    EXPECT_EQ(t.report.str(),
              "                             **** WARNING ****\n"
              "                     THE VALUE OF X = 0.30E+03IS BEYOND THE EXTENT OF THE\n"
              "                     INPUT CURVE FOR STRENGTH\n");
}

TEST(PyProfileReport, LayerListAndDistributions) {
    PyState t;
    t.s.config.water_depth_backfill = 20 * kFt;
    t.add_py_layer(4, 40, kSand);
    const PyProfile p = build_py_profile(t.s);
    write_py_profile(t.s, p);
    const std::vector<std::string> l = lines_of(t.text());
    ASSERT_GE(l.size(), 27u);
    EXPECT_EQ(l[3], "      SOIL LAYERS AND STRENGTH DATA");
    EXPECT_EQ(l[6], "      X AT THE SURFACE OF EXCAVATION SIDE     =     120.00 IN");
    EXPECT_EQ(l[8], "         1 LAYER(S) OF SOIL");
    EXPECT_EQ(l[10], "         LAYER  1");
    EXPECT_EQ(l[11], "         THE SOIL IS A SAND");
    EXPECT_EQ(l[13], "         DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH");
    EXPECT_EQ(l[14], "          2 POINTS");
    EXPECT_EQ(l[18], "       120.0000     0.6366D-01");
    EXPECT_EQ(l[21], "       480.0000     0.2766D-01");  // appended, not counted
    EXPECT_EQ(l[23], "         DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH");
    EXPECT_EQ(l[28], "         120.00   0.0000D+00       35.000          -----");
}

TEST(PyProfileReport, TenLayersOverflowTheCount) {
    PyState t;
    for (int i = 1; i <= 10; ++i) t.add_py_layer(1 + i % 7, 10 + 2 * i, kClay);
    const PyProfile p = build_py_profile(t.s);
    EXPECT_EQ(p.layers.size(), 10u);
    write_py_profile(t.s, p);
    EXPECT_NE(t.text().find("\n         * LAYER(S) OF SOIL\n"), std::string::npos);
    EXPECT_NE(t.text().find("THE LAYER IS WEAK ROCK"), std::string::npos);
    EXPECT_EQ(soil_type_text(9), std::string("THE SOIL IS A SOFT CLAY"));
}

}  // namespace
}  // namespace vornel::soil
