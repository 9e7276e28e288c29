// Chart tables: reading values from files and the clipboard, axis format, curve points.
#include "editor/grid_table_chart.h"

#include <gtest/gtest.h>

#include "editor_test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include "editor/table_registry.h"

namespace vornel {
namespace {

struct Curve {
    TableRegistry reg;
    TGridTableChart t{reg};
    explicit Curve(int max_rows = 17) {
        t.setMinRows(2);
        t.setMaxRows(max_rows);
        t.addColumn(ColumnDef::real({"Lateral Deflection, y (*)"}, "L"));
        t.addColumn(ColumnDef::real({"Soil Resistance, p"}, "F/L"));
        t.setRowCount(2);
    }
};

QString write_file(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath("values.txt");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

TEST(GridTableChart, ParseLine) {
    EXPECT_EQ(TGridTableChart::parseLine("  1\t2,3 4"), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(TGridTableChart::parseLine("1 x 3"), QStringList{"1"});  // stops at x
    EXPECT_EQ(TGridTableChart::parseLine("1.5e3\r"), QStringList{"1.5e3"});
    QString many;
    for (int i = 0; i < 20; ++i) many += QString::number(i) + " ";
    EXPECT_EQ(TGridTableChart::parseLine(many).size(), 15);
    EXPECT_TRUE(TGridTableChart::parseLine("").isEmpty());
}

TEST(GridTableChart, ThreeNumberLinesAddNoRowsToTwoColumns) {
    Curve c;
    c.t.setReal(0, 0, -1.0);
    QTemporaryDir dir;
    const auto r = c.t.readValuesFromFile(write_file(dir, "1 2 3\r\n4 5 6\r\n"));
    EXPECT_EQ(r.rowsFilled, 0);
    EXPECT_EQ(c.t.rowCount(), 2);
    EXPECT_EQ(c.t.real(0, 0), -1.0);  // nothing changed
}

TEST(GridTableChart, FileLinesBecomeRowsAndSurplusRowsGo) {
    Curve c;
    c.t.setRowCount(6);
    QTemporaryDir dir;
    const auto r = c.t.readValuesFromFile(
        write_file(dir, "y p\r\n-1, 50\r\n0 0 9\r\n\r\n0\t0\r\n2*1 -50\r\n1 -50\r\n"));
    EXPECT_TRUE(r.message.isEmpty());
    // "2*1 -50" stops at "2*1" (not a plain number) and has one value: skipped.
    EXPECT_EQ(r.rowsFilled, 3);
    ASSERT_EQ(c.t.rowCount(), 3);
    EXPECT_EQ(c.t.real(0, 0), -1.0);
    EXPECT_EQ(c.t.real(1, 0), 50.0);
    EXPECT_EQ(c.t.real(0, 2), 1.0);
    EXPECT_EQ(c.t.real(1, 2), -50.0);
}

TEST(GridTableChart, ReadingStopsAtMaxRows) {
    Curve c(3);
    QByteArray text;
    for (int i = 0; i < 10; ++i)
        text += QByteArray::number(i) + " " + QByteArray::number(i * i) + "\n";
    QTemporaryDir dir;
    const auto r = c.t.readValuesFromFile(write_file(dir, text));
    EXPECT_EQ(r.rowsFilled, 3);
    EXPECT_EQ(c.t.rowCount(), 3);
    EXPECT_EQ(c.t.real(1, 2), 4.0);
}

TEST(GridTableChart, ClipboardKeepsTheLastLine) {
    Curve c;
    // Text as a spreadsheet puts it on the clipboard: every line, the last one too, ends
    // with CR LF. All three lines are taken.
    const auto r = c.t.pasteValues("1\t10\r\n2\t20\r\n3\t30\r\n");
    EXPECT_EQ(r.rowsFilled, 3);
    EXPECT_EQ(c.t.real(1, 2), 30.0);
    Curve d;
    EXPECT_EQ(d.t.pasteValues("5 6\r7 8").rowsFilled, 2);
    EXPECT_EQ(d.t.pasteValues("").message, "There is no text on the Clipboard");
}

TEST(GridTableChart, RejectedValueStopsReading) {
    TableRegistry reg;
    TGridTableChart t(reg);
    t.addColumn(ColumnDef::integer({"From"}, 0, 0, 10));
    t.addColumn(ColumnDef::real({"M"}, "F-L"));
    t.setWindowOpen(true);
    const auto r = t.pasteValues("1 5\n2.5 6\n3 7\n");
    EXPECT_EQ(r.message, "Entry must be an integer.");
    EXPECT_EQ(r.rowsFilled, 1);
}

TEST(GridTableChart, AxisFormatAndFlatCurve) {
    EXPECT_EQ(TGridTableChart::axisFormat(0, 100), "#,##0.###");
    EXPECT_EQ(TGridTableChart::axisFormat(0, 0), "#,##0.###");
    EXPECT_EQ(TGridTableChart::axisFormat(-200000, 5), "#.0##E-0");
    EXPECT_EQ(TGridTableChart::axisFormat(0.0001, -0.0002), "#.0##E-0");
    EXPECT_EQ(TGridTableChart::axisFormat(0, 0.0005), "#.0##E-0");
    Curve c;
    c.t.setRowCount(3);
    for (int r = 0; r < 3; ++r) {
        c.t.setReal(0, r, r);
        c.t.setReal(1, r, 50.0);
    }
    const auto points = c.t.curve(1);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_DOUBLE_EQ(points[1].y(), 50.05);
    EXPECT_EQ(points[2].y(), 50.0);
}

}  // namespace
}  // namespace vornel
