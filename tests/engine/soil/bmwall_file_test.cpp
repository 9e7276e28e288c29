// The scratch file's layout, column by column.
#include "engine/soil/bmwall_file.h"

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

TEST(BmwallFile, WritesAnewAndReportsAnUnwritablePath) {
    const test::TempDir dir;
    const std::filesystem::path path = dir.path() / kBmwallFileName;
    test::write_text(path, "old content that is longer than the new one\n\n\n\n");
    ASSERT_TRUE(write_bmwall_file(path, {{0.0, 1.0, 0.0, 1.0}}));
    EXPECT_EQ(test::read_text(path),
              " 1\n      0.000E+00     0.100E+01     0.000E+00     0.100E+01\n");
    EXPECT_FALSE(write_bmwall_file(dir.path() / "no such folder" / kBmwallFileName, {}));
}

}  // namespace
}  // namespace vornel::soil
