// What a field or cell shows and what it stores: the file's 8 digits on the screen, every digit
// kept while the engineer does not touch the value, and no value that a conversion could turn
// into an infinity.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "editor/data_edit.h"
#include "editor/data_file_reader.h"
#include "editor/data_file_writer.h"
#include "editor/expression_evaluator.h"
#include "editor/grid_table_model.h"
#include "editor/number_text.h"
#include "editor/program_data.h"
#include "editor_test_support.h"

namespace vornel {
namespace {

constexpr char kNotStorable[] =
    "Entry is too large to be stored: a value must lie between -1E300 and 1E300.";

struct Shown {
    double value;
    const char* text;
};
// Binary noise of a conversion ("0.17779999999999999") is not shown; real digits are, up to 8.
constexpr Shown kShown[] = {{0.17779999999999999, "0.1778"}, {115.00000000000001, "115"},
                            {1.0 / 3.0, "0.33333333"},       {2.5e-7, "2.5E-7"},
                            {123456789.4, "1.2345679E8"},    {-0.1 - 0.2, "-0.3"}};

TEST(StoredValues, FieldShowsEightDigitsAndKeepsTheValue) {
    for (const Shown& s : kShown) {
        TDataEdit e;
        e.setNumber(s.value);
        EXPECT_EQ(e.text(), s.text);
        EXPECT_EQ(e.Number(), s.value) << s.text;
        // Leaving the field without typing keeps every digit.
        EXPECT_TRUE(e.validate().valid);
        EXPECT_EQ(e.Number(), s.value) << s.text;
        // Typing the shown text again is an entry: it stores what was typed.
        e.setText(QString::fromLatin1(s.text) + " ");
        EXPECT_TRUE(e.validate().valid);
        EXPECT_EQ(e.Number(), evaluate_expression(QString::fromLatin1(s.text)).value);
    }
}

TEST(StoredValues, CellLeftUntouchedKeepsTheValue) {
    ProjectTables tables;
    TProgramData d(tables);
    TGridTable& ei = tables.PileSect;
    GridTableModel model(ei);
    for (const Shown& s : kShown) {
        ei.setReal(col::kPsEI, 0, s.value);
        const QModelIndex cell = model.index(0, col::kPsEI);
        EXPECT_EQ(model.data(cell).toString(), s.text);
        EXPECT_TRUE(model.setData(cell, model.data(cell)));
        EXPECT_EQ(ei.real(col::kPsEI, 0), s.value) << s.text;
    }
}

TEST(StoredValues, ValuesNoFileCouldHoldAreRefusedWhereTyped) {
    struct Entry {
        const char* text;
        const char* message;  // empty: accepted
    } entries[] = {{"1E306", kNotStorable},
                   {"-2E300*10", kNotStorable},
                   {"1E300", ""},
                   {"1E400", "Floating point overflow."},
                   {"1E308*10", "Floating point overflow."}};
    ProjectTables tables;
    TProgramData d(tables);
    TGridTable& layers = tables.NewSoil;
    TGridTable* sand = layers.subTable(col::kSlParameters, 0);
    ASSERT_NE(sand, nullptr);
    for (const Entry& en : entries) {
        TDataEdit field;
        field.setNumber(7);
        field.setText(QString::fromLatin1(en.text));
        const ValidationResult f = field.validate();
        EXPECT_EQ(f.message, en.message) << en.text;
        EXPECT_EQ(field.Number(), *en.message ? 7.0 : 1e300) << en.text;
        sand->setReal(0, 0, 120);  // the unit weight
        const CellResult c = sand->setText(0, 0, QString::fromLatin1(en.text));
        EXPECT_EQ(c.message, en.message) << en.text;
        EXPECT_EQ(sand->real(0, 0), *en.message ? 120.0 : 1e300) << en.text;
    }
    // A field with bounds keeps its own message.
    TDataEdit bounded;
    bounded.setMaxVal(1000);
    bounded.setText("1E306");
    EXPECT_EQ(bounded.validate().message, "Entry must be less than or equal to 1000");
}

// The largest value accepted stays finite through a unit switch and the file.
TEST(StoredValues, LargestValueSurvivesUnitsAndFile) {
    ProjectTables tables;
    TProgramData d(tables);
    d.SetUnits(2);
    ASSERT_TRUE(tables.PileSect.setText(col::kPsEI, 0, "1E300").ok);
    d.SetUnits(1);  // kN-m^2 to lbs-in^2: times about 3.5E5
    const QByteArray file = write_data_file(d);
    EXPECT_FALSE(file.toLower().contains("inf"));
    ProjectTables back_tables;
    TProgramData back(back_tables);
    EXPECT_TRUE(read_data_file(file, back, DeckLayout::of(DataFormat::V2015)).ok);
    EXPECT_NEAR(back_tables.PileSect.real(col::kPsEI, 0) / tables.PileSect.real(col::kPsEI, 0), 1.0,
                1e-7);
}

}  // namespace
}  // namespace vornel
