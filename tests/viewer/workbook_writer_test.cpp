// The workbook of exported graphs, read back from the written file: sheet order, the index
// sheet, the data sheets, the chart of each graph, and what a failed write leaves behind.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <cstdio>
#include <limits>

#include "viewer/workbook_writer.h"
#include "xlsx_package.h"

using namespace vornel;
using vornel::test::XlsxPackage;
using vornel::test::xml_element;
using vornel::test::xml_texts;

namespace {

WorkbookCurve curve(const QString& legend, int n, double x0, double dx, double y0, double dy) {
    WorkbookCurve c{legend, {}};
    for (int i = 0; i < n; ++i) c.points.push_back({x0 + i * dx, y0 + i * dy});
    return c;
}

// A depth graph of one curve of 20 points, as the shear graph of a single analysis.
WorkbookGraph shear_graph() {
    return {"Shear vs Depth", "Shear", "Depth", true, {curve("Load #1", 20, 0.0, -0.5, 0.0, 1.5)}};
}

WorkbookGraph py_graph() {
    return {"p-y Curves",
            "y (in)",
            "p (lbs/in)",
            false,
            {curve("Depth12", 30, 0.0, 0.1, 0.0, 25.0), curve("Depth24", 30, 0.0, 0.1, 0.0, 40.0)}};
}

// The two value axes of a scatter chart: X, the first axis the chart names, and Y.
std::pair<QString, QString> axes(const QString& chart) {
    const QStringList ids = xml_texts(xml_element(chart, QStringLiteral("c:scatterChart")),
                                      QStringLiteral("c:axId"), QStringLiteral("val"));
    const QString first = xml_element(chart, QStringLiteral("c:valAx"));
    const QString second =
        xml_element(chart, QStringLiteral("c:valAx"), chart.indexOf(first) + first.size());
    const bool in_order = first.contains("<c:axId val=\"" + ids.value(0) + "\"/>");
    return in_order ? std::pair{first, second} : std::pair{second, first};
}

QString axis_title(const QString& axis) {
    return xml_texts(xml_element(axis, QStringLiteral("c:title")), QStringLiteral("a:t")).join("");
}

QStringList series_ranges(const QString& chart, const char* part) {
    QStringList out;
    qsizetype at = 0;
    for (;;) {
        const QString ser = xml_element(chart, QStringLiteral("c:ser"), at);
        if (ser.isEmpty()) break;
        at = chart.indexOf(ser, at) + ser.size();
        out << xml_texts(xml_element(ser, QLatin1String(part)), QStringLiteral("c:f")).value(0);
    }
    return out;
}

QStringList series_names(const QString& chart) {
    QStringList out;
    qsizetype at = 0;
    for (;;) {
        const QString ser = xml_element(chart, QStringLiteral("c:ser"), at);
        if (ser.isEmpty()) break;
        at = chart.indexOf(ser, at) + ser.size();
        const QString tx = xml_element(ser, QStringLiteral("c:tx"));
        const QStringList f = xml_texts(tx, QStringLiteral("c:f"));
        out << (f.isEmpty() ? xml_texts(tx, QStringLiteral("c:v")).value(0) : "=" + f.first());
    }
    return out;
}

}  // namespace

class WorkbookWriterTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void shearAloneGivesIndexPageAndPlot();
    void dataSheetHoldsTitlesAndNumbers();
    void chartIsScatterWithLinesAndMarkers();
    void depthGraphsReverseTheYAxis();
    void twoCurvesOfThirtyPointsFillFourColumns();
    void graphsKeepTheirOrder();
    void everyCurveAndPointIsExported();
    void columnLetters();
    void numbersInAnyLocale();
    void failedWriteLeavesNoFile();

  private:
    XlsxPackage written(const std::vector<WorkbookGraph>& graphs, const QString& name = "w.xlsx") {
        const QString path = dir_.filePath(name);
        const QString error = write_workbook(path, graphs);
        if (!error.isEmpty()) qWarning("%s", qPrintable(error));
        XlsxPackage p;
        if (!p.load(path)) qWarning("%s", qPrintable(p.error()));
        return p;
    }
    QTemporaryDir dir_;
};

void WorkbookWriterTest::shearAloneGivesIndexPageAndPlot() {
    const XlsxPackage p = written({shear_graph()});
    QCOMPARE(p.sheetNames(), QStringList({"Legend", "Page_1", "Plot_1"}));
    QVERIFY(!p.isChartSheet("Legend") && !p.isChartSheet("Page_1") && p.isChartSheet("Plot_1"));
    const auto c = p.cells("Legend");
    const QStringList headers = {"     N    ",
                                 "                             Plot Name                          "
                                 "   ",
                                 "  Sheet Name  ", "  Chart Name  ", "          Status          "};
    const QStringList refs = {"B2", "C2", "D2", "E2", "F2"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(c[refs[i]].text, headers[i]);
        QVERIFY(p.styleBold(c[refs[i]].style));
        QCOMPARE(p.styleVertical(c[refs[i]].style), QStringLiteral("center"));
    }
    QVERIFY(c["B3"].isNumber);
    QCOMPARE(c["B3"].number, 1.0);
    QCOMPARE(c["C3"].text, QStringLiteral("Shear vs Depth"));
    QCOMPARE(c["D3"].text, QStringLiteral("Page_1"));
    QCOMPARE(c["E3"].text, QStringLiteral("Plot_1"));
    QCOMPARE(c["F3"].text, QStringLiteral("Complete"));
    QVERIFY(!p.styleBold(c["C3"].style));
    QVERIFY(!c.contains("B4") && !c.contains("A1"));
    const auto links = p.links("Legend");
    QCOMPARE(links.keys(), QStringList({"D3"}));
    QCOMPARE(links["D3"].location, QStringLiteral("Page_1!A1"));
    // Columns B to F are sized to what they show: the wide plot-name header needs the most
    // room, the status header more than the sheet names.
    const auto w = p.columnWidths("Legend");
    QCOMPARE(w.keys(), QList<int>({2, 3, 4, 5, 6}));
    QVERIFY(w[3] > 2 * w[4] && w[6] > w[4] && w[4] > w[2]);
}

void WorkbookWriterTest::dataSheetHoldsTitlesAndNumbers() {
    WorkbookGraph g = shear_graph();
    g.curves[0].points = {{0.1, 0.0},
                          {-2.5e-7, 1.0 / 12},
                          {1234.5678, 2.5e10},
                          {std::numeric_limits<double>::infinity(), 1.0}};
    const XlsxPackage p = written({g});
    const auto c = p.cells("Page_1");
    QCOMPARE(c["A1"].text, QStringLiteral("Shear vs Depth"));
    QCOMPARE(c["A2"].text, QStringLiteral("X"));
    QCOMPARE(c["B2"].text, QStringLiteral("Shear"));
    QCOMPARE(c["A3"].text, QStringLiteral("Y"));
    QCOMPARE(c["B3"].text, QStringLiteral("Depth"));
    QCOMPARE(c["G1"].text, QStringLiteral("Go to Legend Page"));
    QCOMPARE(p.links("Page_1")["G1"].location, QStringLiteral("Legend!A1"));
    QCOMPARE(c["A4"].text, QStringLiteral("Load #1"));
    QVERIFY(!c.contains("B4"));
    QCOMPARE(c["A5"].text, QStringLiteral("X"));
    QCOMPARE(c["B5"].text, QStringLiteral("Y"));
    // The cells hold numbers, in the shortest text that reads back, so that the chart plots.
    QVERIFY(c["A6"].isNumber && c["B8"].isNumber);
    QCOMPARE(c["A6"].text, QStringLiteral("0.1"));
    QCOMPARE(c["A7"].number, -2.5e-7);
    QCOMPARE(c["B7"].number, 1.0 / 12);
    QCOMPARE(c["A8"].text, QStringLiteral("1234.5678"));
    QCOMPARE(c["B8"].number, 2.5e10);
    // A value that is no finite number stays text: the file stays valid, the chart skips it.
    QVERIFY(!c["A9"].isNumber);
    QCOMPARE(c["A9"].text, QStringLiteral("inf"));
    QVERIFY(!c.contains("A10"));
}

void WorkbookWriterTest::chartIsScatterWithLinesAndMarkers() {
    const XlsxPackage p = written({shear_graph()});
    const QString chart = p.chartXml("Plot_1");
    QVERIFY(chart.contains("<c:scatterChart>"));
    QVERIFY(chart.contains("<c:scatterStyle val=\"lineMarker\"/>"));
    QCOMPARE(series_names(chart), QStringList({"Load #1"}));
    QCOMPARE(series_ranges(chart, "c:xVal"), QStringList({"Page_1!$A$6:$A$25"}));
    QCOMPARE(series_ranges(chart, "c:yVal"), QStringList({"Page_1!$B$6:$B$25"}));
    // No chart title, not even the one a spreadsheet makes up for a single series.
    QVERIFY(chart.contains("<c:autoTitleDeleted val=\"1\"/>"));
    QVERIFY(!chart.left(chart.indexOf("<c:plotArea>")).contains("<c:title>"));
    const auto [x, y] = axes(chart);
    QCOMPARE(axis_title(x), QStringLiteral("Shear"));
    QCOMPARE(axis_title(y), QStringLiteral("Depth"));
    QVERIFY(x.contains("<c:majorGridlines/>") && y.contains("<c:majorGridlines/>"));
    // The legend in a black frame on white.
    const QString legend = xml_element(chart, QStringLiteral("c:legend"));
    const QString shape = xml_element(legend, QStringLiteral("c:spPr"));
    QCOMPARE(xml_texts(xml_element(shape, QStringLiteral("a:solidFill")),
                       QStringLiteral("a:srgbClr"), QStringLiteral("val")),
             QStringList({"FFFFFF"}));
    QCOMPARE(xml_texts(xml_element(shape, QStringLiteral("a:ln")), QStringLiteral("a:srgbClr"),
                       QStringLiteral("val")),
             QStringList({"000000"}));
}

void WorkbookWriterTest::depthGraphsReverseTheYAxis() {
    const XlsxPackage p = written({shear_graph(), py_graph()});
    const auto [dx, dy] = axes(p.chartXml("Plot_1"));
    const auto [px, py] = axes(p.chartXml("Plot_2"));
    QVERIFY(dy.contains("<c:orientation val=\"maxMin\"/>"));
    QVERIFY(dx.contains("<c:orientation val=\"minMax\"/>"));
    QVERIFY(py.contains("<c:orientation val=\"minMax\"/>"));
    QVERIFY(px.contains("<c:orientation val=\"minMax\"/>"));
    QCOMPARE(axis_title(px), QStringLiteral("y (in)"));
    QCOMPARE(axis_title(py), QStringLiteral("p (lbs/in)"));
}

void WorkbookWriterTest::twoCurvesOfThirtyPointsFillFourColumns() {
    const XlsxPackage p = written({py_graph()});
    const auto c = p.cells("Page_1");
    for (int row = 6; row <= 35; ++row)
        for (const char* col : {"A", "B", "C", "D"})
            QVERIFY2(c.value(col + QString::number(row)).isNumber, col);
    QVERIFY(!c.contains("A36") && !c.contains("E6"));
    QCOMPARE(c["C4"].text, QStringLiteral("Depth24"));
    QCOMPARE(c["D35"].number, 29 * 40.0);
    QCOMPARE(c["C35"].number, 29 * 0.1);
    const QString chart = p.chartXml("Plot_1");
    QCOMPARE(series_names(chart), QStringList({"Depth12", "Depth24"}));
    QCOMPARE(series_ranges(chart, "c:xVal"),
             QStringList({"Page_1!$A$6:$A$35", "Page_1!$C$6:$C$35"}));
    QCOMPARE(series_ranges(chart, "c:yVal"),
             QStringList({"Page_1!$B$6:$B$35", "Page_1!$D$6:$D$35"}));
}

void WorkbookWriterTest::graphsKeepTheirOrder() {
    WorkbookGraph moment{
        "Moment vs Depth", "Bending Moment", "Depth", true, {curve("Load #1", 5, 0, 1, 0, 1)}};
    const XlsxPackage p = written({py_graph(), shear_graph(), moment});
    QCOMPARE(p.sheetNames(),
             QStringList({"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2", "Page_3", "Plot_3"}));
    const auto c = p.cells("Legend");
    QCOMPARE(c["C3"].text + "|" + c["C4"].text + "|" + c["C5"].text,
             QStringLiteral("p-y Curves|Shear vs Depth|Moment vs Depth"));
    QCOMPARE(c["B5"].number, 3.0);
    QCOMPARE(c["E5"].text, QStringLiteral("Plot_3"));
    QCOMPARE(p.links("Legend")["D4"].location, QStringLiteral("Page_2!A1"));
    QCOMPARE(p.cells("Page_3")["A1"].text, QStringLiteral("Moment vs Depth"));
    QCOMPARE(series_ranges(p.chartXml("Plot_3"), "c:yVal"), QStringList({"Page_3!$B$6:$B$10"}));
}

// A graph of 30 curves keeps them all (columns to BH); curves shorter or longer than the first
// keep their own points, and a curve without points is still listed (over one empty cell).
void WorkbookWriterTest::everyCurveAndPointIsExported() {
    WorkbookGraph many{
        "Earth Pressure Distribution", "Distributed load (lbs/in)", "Depth", true, {}};
    for (int i = 1; i <= 30; ++i)
        many.curves.push_back(curve("Curve #" + QString::number(i), 4, i, 1, 0, 1));
    WorkbookGraph uneven{"p-y Curves",
                         "y (in)",
                         "p (lbs/in)",
                         false,
                         {curve("Depth1", 5, 0, 1, 0, 1), curve("Depth2", 3, 0, 1, 0, 2),
                          curve("Depth3", 7, 0, 1, 0, 3), curve("=SUM(1)", 0, 0, 0, 0, 0)}};
    WorkbookGraph empty{"Moment vs Depth", "Bending Moment", "Depth", true, {}};
    const XlsxPackage p = written({many, uneven, empty});
    QCOMPARE(p.sheetNames().size(), 7);
    const QString chart = p.chartXml("Plot_1");
    QCOMPARE(series_names(chart).size(), 30);
    QCOMPARE(series_names(chart).last(), QStringLiteral("Curve #30"));
    QCOMPARE(series_ranges(chart, "c:xVal").last(), QStringLiteral("Page_1!$BG$6:$BG$9"));
    QCOMPARE(series_ranges(chart, "c:yVal").last(), QStringLiteral("Page_1!$BH$6:$BH$9"));
    QCOMPARE(p.cells("Page_1")["BG4"].text, QStringLiteral("Curve #30"));
    QCOMPARE(p.cells("Page_1")["BG9"].number, 33.0);

    const auto c = p.cells("Page_2");
    QVERIFY(c.contains("C8") && !c.contains("C9"));
    QCOMPARE(c["F12"].number, 18.0);
    QCOMPARE(c["G4"].text, QStringLiteral("=SUM(1)"));
    const QString uc = p.chartXml("Plot_2");
    QCOMPARE(series_ranges(uc, "c:yVal"), QStringList({"Page_2!$B$6:$B$10", "Page_2!$D$6:$D$8",
                                                       "Page_2!$F$6:$F$12", "Page_2!$H$6"}));
    // A legend text that looks like a formula is shown as it is: the name refers to its cell.
    QCOMPARE(series_names(uc).last(), QStringLiteral("=Page_2!$G$4"));
    // A graph without curves still has its sheets; its chart shows one empty series that the
    // legend leaves out.
    QCOMPARE(p.cells("Page_3")["A1"].text, QStringLiteral("Moment vs Depth"));
    QVERIFY(!p.cells("Page_3").contains("A4"));
    const QString ec = p.chartXml("Plot_3");
    QCOMPARE(series_ranges(ec, "c:xVal"), QStringList({"Page_3!$A$6"}));
    QVERIFY(ec.contains("<c:legendEntry><c:idx val=\"0\"/><c:delete val=\"1\"/></c:legendEntry>"));
}

void WorkbookWriterTest::columnLetters() {
    const std::pair<int, const char*> cases[] = {{1, "A"},    {26, "Z"},    {27, "AA"},
                                                 {52, "AZ"},  {53, "BA"},   {60, "BH"},
                                                 {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}};
    for (const auto& [col, letters] : cases)
        QCOMPARE(workbook_column_letters(col), QString::fromLatin1(letters));
}

// The engineer's locale may write decimal commas; the workbook still holds "0.1", and the
// program's locale is as it was afterwards.
void WorkbookWriterTest::numbersInAnyLocale() {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
        QSKIP("no German locale installed");
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 0.5);
    QCOMPARE(QString(text), QStringLiteral("0,5"));
    WorkbookGraph g = shear_graph();
    g.curves[0].points = {{0.1, 2.5}};
    const QString path = dir_.filePath("de.xlsx");
    const QString error = write_workbook(path, {g});
    std::snprintf(text, sizeof text, "%.1f", 0.5);
    const QString after = text;
    std::setlocale(LC_ALL, before.c_str());
    QCOMPARE(error, QString());
    QCOMPARE(after, QStringLiteral("0,5"));
    XlsxPackage p;
    QVERIFY(p.load(path));
    const auto c = p.cells("Page_1");
    QCOMPARE(c["A6"].text, QStringLiteral("0.1"));
    QCOMPARE(c["B6"].text, QStringLiteral("2.5"));
    QVERIFY(p.chartXml("Plot_1").contains("<c:v>2.5</c:v>"));
    QVERIFY(p.columnWidths("Legend").value(3) > 10);
    QVERIFY(!p.member("xl/worksheets/sheet1.xml").contains("width=\"7,"));
}

void WorkbookWriterTest::failedWriteLeavesNoFile() {
    const QString missing = dir_.filePath("no/such/folder/w.xlsx");
    const QString e1 = write_workbook(missing, {shear_graph()});
    QVERIFY2(e1.startsWith("Cannot create file " + missing + ": "), qPrintable(e1));
    QVERIFY(!QFile::exists(missing));

    const QString none = dir_.filePath("none.xlsx");
    QCOMPARE(write_workbook(none, {}), QStringLiteral("There is no graph to export."));
    QVERIFY(!QFile::exists(none));

    // A good workbook stays as it was when the next write breaks off, and nothing is left over.
    const QString path = dir_.filePath("good.xlsx");
    QCOMPARE(write_workbook(path, {shear_graph()}), QString());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    const QString e2 = write_workbook(path, {py_graph()}, WriteFault{100});
    QCOMPARE(e2, "Error writing file " + path + ": No space left on device");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QVERIFY(QDir(dir_.path()).entryList({".*"}, QDir::Files | QDir::Hidden).isEmpty());
}

QTEST_MAIN(WorkbookWriterTest)
#include "workbook_writer_test.moc"
