// Unit labels and conversion factors, with the factors recomputed by hand from the kind table.
#include "editor/unit_codes.h"

#include <gtest/gtest.h>

#include "editor_test_support.h"

#include <cmath>

namespace vornel {
namespace {

constexpr double kLbsPerKN = 224.8089237;
constexpr double kInPerM = 39.37007874;
constexpr double kFtPerM = 3.280839895;

TEST(UnitCodes, ColumnLabels) {
    EXPECT_EQ(unit_label_column("F/L2^3", kEnglish), "lbs/ft^3");
    EXPECT_EQ(unit_label_column("F/L2^3", kSI), "kN/m^3");
    EXPECT_EQ(unit_label_column("F/L2^2", kEnglish), "lbs/ft^2");
    EXPECT_EQ(unit_label_column("F/L2^2", kSI), "kN/m^2");
    EXPECT_EQ(unit_label_column("F-L^2", kEnglish), "lbs-in^2");
    EXPECT_EQ(unit_label_column("F-L/RAD.", kEnglish), "lbs-in/RAD.");
    EXPECT_EQ(unit_label_column("F-L/RAD.", kSI), "kN-m/RAD.");
    EXPECT_EQ(unit_label_column("L1", kSI), "mm");
    EXPECT_EQ(unit_label_column("F1-F2/L3", kEnglish), "kips-tons/rad");
    EXPECT_EQ(unit_label_column("F4", kSI), "Mg");
    EXPECT_EQ(unit_label_column("F/L", kOtherUnits), "F/L");
    EXPECT_EQ(unit_label_column("DEG.", kEnglish), "DEG.");
    EXPECT_EQ(unit_label_column("SEE NOTES", kSI), "SEE NOTES");
}

TEST(UnitCodes, FieldLabelsReplaceOnlyTheFirstKindFound) {
    EXPECT_EQ(unit_label_field("F-L/RAD.", kEnglish), "lbs-in/RAD.");
    EXPECT_EQ(unit_label_field("F-L/RAD.", kSI), "kN-m/RAD.");
    EXPECT_EQ(unit_label_field("F/L2^2", kEnglish), "lbs/ft^2");
    // F1 is found before F, so the plain F stays; likewise L2 before L.
    EXPECT_EQ(unit_label_field("F1-F/L2-L", kEnglish), "kips-F/ft-L");
    EXPECT_EQ(unit_label_field("F/L2^3", kOtherUnits), "F/L2^3");
}

TEST(UnitCodes, Factors) {
    const double f = 1.0 / (kLbsPerKN / std::pow(kFtPerM, 3));
    EXPECT_DOUBLE_EQ(unit_factor(kEnglish, kSI, "F/L2^3"), f);
    EXPECT_DOUBLE_EQ(unit_factor(kSI, kEnglish, "F/L2^3"), 1.0 / f);
    EXPECT_DOUBLE_EQ(unit_factor(kEnglish, kSI, "F-L^2"), 1.0 / (kLbsPerKN * kInPerM * kInPerM));
    EXPECT_DOUBLE_EQ(unit_factor(kEnglish, kSI, "F-L/RAD."), unit_factor(kEnglish, kSI, "F-L"));
    EXPECT_DOUBLE_EQ(unit_factor(kSI, kEnglish, "L1"), 0.03937007874);
    EXPECT_DOUBLE_EQ(unit_factor(kSI, kEnglish, "L2"), kFtPerM);
    EXPECT_DOUBLE_EQ(unit_factor(kSI, kEnglish, "F^2/L^2"),
                     kLbsPerKN * kLbsPerKN / (kInPerM * kInPerM));
    EXPECT_EQ(unit_factor(kEnglish, kSI, "DEG."), 1.0);
    EXPECT_EQ(unit_factor(kEnglish, kSI, "SEE NOTES"), 1.0);
    EXPECT_EQ(unit_factor(kEnglish, kSI, ""), 1.0);
    // Any pair involving the other system, and no change, convert nothing.
    for (int a = 1; a <= 3; ++a)
        for (int b = 1; b <= 3; ++b) {
            if (a == b || a == kOtherUnits || b == kOtherUnits) {
                EXPECT_EQ(unit_factor(a, b, "F/L2^3"), 1.0) << a << "->" << b;
            }
        }
}

TEST(UnitCodes, UnknownKindDigitIsNotTaken) {
    // "F3" has no kind 3: the force part is F0 and "3" is the separator before L.
    EXPECT_DOUBLE_EQ(unit_factor(kSI, kEnglish, "F3L"), kLbsPerKN * kInPerM);
    // The chart tables know F, F1, F2 and L, L1, L2 only.
    EXPECT_DOUBLE_EQ(unit_factor(kSI, kEnglish, "L3", UnitKinds::Chart), kInPerM);
    EXPECT_DOUBLE_EQ(unit_factor(kSI, kEnglish, "L3", UnitKinds::Full), 1.0);
    EXPECT_EQ(unit_label_column("F4", kEnglish, UnitKinds::Chart), "lbs4");
    EXPECT_EQ(unit_label_column("F1/L2", kSI, UnitKinds::Chart), "kN/m");
}

}  // namespace
}  // namespace vornel
