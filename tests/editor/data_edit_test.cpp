// The numeric field's clamping, validation messages and display.
#include "editor/data_edit.h"

#include <gtest/gtest.h>

#include "editor_test_support.h"

namespace vornel {
namespace {

TEST(DataEdit, Defaults) {
    TDataEdit e;
    EXPECT_EQ(e.text(), "0");
    EXPECT_EQ(e.Number(), 0.0);
    EXPECT_FALSE(e.IntegerOnly());
    EXPECT_EQ(e.Units(), 1);
    EXPECT_GT(e.MaxVal(), 1e4000L);
    EXPECT_LT(e.MinVal(), -1e4000L);
}

TEST(DataEdit, ValueAboveMaximumIsReplacedByIt) {
    TDataEdit e;
    e.setMinVal(1);
    e.setMaxVal(300);
    e.setText("500");
    const ValidationResult r = e.validate();
    EXPECT_FALSE(r.valid);
    EXPECT_EQ(r.message, "Entry must be less than or equal to 300");
    EXPECT_EQ(e.text(), "300");
    e.setText("-2");
    EXPECT_EQ(e.validate().message, "Entry must be greater than or equal to 1");
    EXPECT_EQ(e.Number(), 1.0);
    e.setText("2*12");
    EXPECT_TRUE(e.validate().valid);
    EXPECT_EQ(e.text(), "24");
}

TEST(DataEdit, IntegerOnlyMessages) {
    TDataEdit e;
    e.setIntegerOnly(true);
    e.setText("abc");
    EXPECT_EQ(e.validate().message, "Entry must be a valid integer.");
    e.setText("2.5");
    EXPECT_EQ(e.validate().message, "Entry must be an integer.");
    e.setText("7/2*2");
    EXPECT_TRUE(e.validate().valid);
    // An arithmetic fault keeps its own message and the old value.
    e.setText("1/0");
    const ValidationResult r = e.validate();
    EXPECT_EQ(r.message, "Floating point division by zero.");
    EXPECT_EQ(e.Number(), 7.0);
    // Integer bounds are clamped into the 32-bit range.
    EXPECT_EQ(e.MaxVal(), 2147483647.0L);
    EXPECT_EQ(e.MinVal(), -2147483648.0L);
}

TEST(DataEdit, ArithmeticFaultKeepsOldValue) {
    TDataEdit e;
    e.setNumber(12.5);
    e.setText("sqrt(-4)");
    const ValidationResult r = e.validate();
    EXPECT_FALSE(r.valid);
    EXPECT_EQ(r.message, "Invalid floating point operation.");
    EXPECT_EQ(e.Number(), 12.5);
}

TEST(DataEdit, BoundsClampEachOtherAndTheValue) {
    TDataEdit e;
    e.setNumber(50);
    e.setMaxVal(10);
    EXPECT_EQ(e.Number(), 10.0);
    e.setMinVal(20);  // above the maximum: becomes the maximum
    EXPECT_EQ(e.MinVal(), 10.0L);
    e.setMaxVal(5);  // below the minimum: becomes the minimum
    EXPECT_EQ(e.MaxVal(), 10.0L);
    e.setMaxVal(100);
    e.setNumber(1000);
    EXPECT_EQ(e.Number(), 100.0);
    // While loading from a definition nothing is clamped.
    TDataEdit f;
    f.beginLoad();
    f.setMaxVal(5);
    f.setMinVal(10);
    f.setNumber(50);
    f.endLoad();
    EXPECT_EQ(f.Number(), 50.0);
    EXPECT_EQ(f.MinVal(), 10.0L);
}

TEST(DataEdit, LabelAndDisplay) {
    TDataEdit e;
    e.setCaption("Free height");
    EXPECT_EQ(e.labelText(), "Free height");
    e.setUnitsString("L2");
    EXPECT_EQ(e.labelText(), "Free height (ft)");
    e.setUnits(7);
    EXPECT_EQ(e.Units(), 3);
    EXPECT_EQ(e.labelText(), "Free height (L2)");
    e.setUnits(0);
    EXPECT_EQ(e.Units(), 1);
    e.setUnits(2);
    e.setUnitsString("F-L/RAD.");
    EXPECT_EQ(e.labelText(), "Free height (kN-m/RAD.)");
    e.setNumber(0.1);
    EXPECT_EQ(e.text(), "0.1");
    e.setNumber(1e-5);
    EXPECT_EQ(e.text(), "1E-5");
    // At most the 8 digits the file keeps are shown; the untouched text keeps every digit.
    e.setNumber(123456789012.5);
    EXPECT_EQ(e.text(), "1.2345679E11");
    EXPECT_EQ(e.Number(), 123456789012.5);
    e.setHex(true);
    e.setNumber(31);
    EXPECT_EQ(e.text(), "$001F");
}

TEST(DataEdit, OperatorAppendRule) {
    for (QChar c : QStringLiteral("+-/*^=%!"))
        EXPECT_TRUE(TDataEdit::operatorExtendsValue(true, c)) << c.toLatin1();
    EXPECT_FALSE(TDataEdit::operatorExtendsValue(false, QLatin1Char('*')));
    EXPECT_FALSE(TDataEdit::operatorExtendsValue(true, QLatin1Char('5')));
}

}  // namespace
}  // namespace vornel
