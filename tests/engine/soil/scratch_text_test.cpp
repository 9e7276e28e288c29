// The scratch files' layouts, column by column.
#include "engine/soil/scratch_text.h"

#include <gtest/gtest.h>

#include "tests/engine/support/test_support.h"

namespace vornel::soil {
namespace {

TEST(BmwallFile, CountLineThenFourFieldsPerPoint) {
    const std::vector<PressureRow> points = {{0.0, 0.0, 0.0, 0.0},
                                             {1.0, 2.0e-12, 2.0e-12, 0.0},
                                             {120.0, 2.7759, 2.5, 0.2759},
                                             {121.0, 1234.5, -0.5, 0.125}};
    EXPECT_EQ(bmwall_text(points),
              " 4\n"
              "      0.000E+00     0.000E+00     0.000E+00     0.000E+00\n"
              "      0.100E+01     0.200E-11     0.200E-11     0.000E+00\n"
              "      0.120E+03     0.278E+01     0.250E+01     0.276E+00\n"
              "      0.121E+03     0.123E+04    -0.500E+00     0.125E+00\n");
    EXPECT_EQ(bmwall_text({}), " 0\n");
}

// SOILDATA: the count, the user curves as entered, then each record in its method's
// layout; a record the generator stopped in shows the sides it finished.
TEST(SoildataText, CountUserCurvesAndRecordsInTheirLayouts) {
    EngineState s;
    EXPECT_EQ(soildata_text(s), "");  // the generator stopped before it knew its count
    UserCurve u;
    u.station = 22;
    u.y_scaled = {-1.0, 1.0};
    u.p_scaled = {100.0, -100.0};
    s.handover.user_curves = {u};
    s.handover.announced_curves = 3;
    CurveRecord a;
    a.depth = 120.1;
    a.sides = 2;
    a.layout = SoildataLayout::Packed;
    a.p[0] = -24.0;
    a.p[17] = 24.0;
    a.y[33] = 24.0;
    CurveRecord b = a;
    b.sides = 1;
    b.layout = SoildataLayout::TwoBlanks;
    s.handover.curves = {a, b};
    const std::vector<std::string> l = test::lines_of(soildata_text(s));
    ASSERT_EQ(l.size(), 1u + 3u + 35u + 18u);
    EXPECT_EQ(l[0], "    3");
    EXPECT_EQ(l[1], "   22    2");
    EXPECT_EQ(l[2], "    1   0.1000000E+03  -0.1000000E+01");
    EXPECT_EQ(l[3], "    2  -0.1000000E+03   0.1000000E+01");
    EXPECT_EQ(l[4], "   0.1201000E+03    34");
    EXPECT_EQ(l[5], "    1 -0.240E+02 0.000E+00");
    EXPECT_EQ(l[22], "    1  0.240E+02 0.000E+00");  // backfill side numbered from 1 again
    EXPECT_EQ(l[38], "   17  0.000E+00 0.240E+02");
    EXPECT_EQ(l[40], "    1  -0.240E+02   0.000E+00");
    EXPECT_EQ(l.back(), "   17   0.000E+00   0.000E+00");
}

}  // namespace
}  // namespace vornel::soil
