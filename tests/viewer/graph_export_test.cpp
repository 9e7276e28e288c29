// The main window's graphs as exported: their order, which are offered, the workbook record of
// a graph, and the workbook of the three-stage example read back.
#include <QTemporaryDir>
#include <QtTest>

#include "viewer/graph_export.h"
#include "viewer/plot_file_reader.h"
#include "viewer_test_support.h"
#include "xlsx_package.h"

using namespace vornel;
using namespace vornel::test;

class GraphExportTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void itemsInExportOrderFollowTheMenu();
    void recordOfAGraph();
    void threeStageWorkbook();
    void suggestedPath();

  private:
    ResultGraphs graphs;
    ResultArrays arrays;
};

void GraphExportTest::initTestCase() {
    PlotFileReader reader(graphs, arrays);
    QVERIFY2(reader.read(example_plot_file("anchored_three_stage"), false),
             qPrintable(reader.error()));
}

void GraphExportTest::itemsInExportOrderFollowTheMenu() {
    ResultGraphsExport none(graphs, nullptr, nullptr);
    const auto off = none.exportItems();
    QCOMPARE(off.size(), size_t(7));
    for (const ExportItem& e : off) QVERIFY(!e.enabled && !e.checked);
    QCOMPARE(none.dataFileName(), QString());

    ResultGraphsExport some(
        graphs, [](int p) { return p == 2 || p == 6; },
        [] { return QStringLiteral("/work/wall.vn5d"); });
    QStringList captions, on;
    for (const ExportItem& e : some.exportItems()) {
        captions << e.caption;
        if (e.enabled && e.checked) on << e.caption;
    }
    QCOMPARE(captions, QStringList({"p-y Curves", "Deflection vs Depth", "Shear vs Depth",
                                    "Moment vs Depth", "Soil Reaction vs Depth",
                                    "Earth Pressure Distribution", "Earth Pressure Combined"}));
    QCOMPARE(on, QStringList({"Shear vs Depth", "Earth Pressure Combined"}));
    QCOMPARE(some.exportGraph(2).caption, QStringLiteral("Shear vs Depth"));
    QCOMPARE(some.dataFileName(), QStringLiteral("/work/wall.vn5d"));
}

// Every curve of the main list, active or not, with the graph's own legend texts and titles.
void GraphExportTest::recordOfAGraph() {
    TGraphPlot& def = graphs.pltDef;
    QVERIFY(def.curveCount() >= 3);  // one curve per construction stage
    const QString stage2 = def.curve(1).Name, stage3 = def.curve(2).Name;
    def.curve(1).Active = false;
    def.curve(1).Name.clear();  // an unnamed curve shows the prefix and its number
    def.curve(2).Name = QStringLiteral("Final excavation");
    const WorkbookGraph w = workbook_graph(def);
    QCOMPARE(w.caption, QStringLiteral("Deflection vs Depth"));
    QCOMPARE(w.xTitle, def.xTitle());
    QVERIFY(w.xTitle.startsWith("Deflection ("));
    QCOMPARE(w.yTitle, def.yTitle());
    QVERIFY(w.xOnTop);
    QCOMPARE(w.curves.size(), size_t(def.curveCount()));
    QCOMPARE(w.curves[0].legendText, QStringLiteral("Stage: 1"));
    QCOMPARE(w.curves[1].legendText, QStringLiteral("Load #2"));
    QCOMPARE(w.curves[2].legendText, QStringLiteral("Final excavation"));
    QCOMPARE(int(w.curves[0].points.size()), def.curve(0).pointCount());
    const int last = def.curve(0).pointCount() - 1;
    QCOMPARE(w.curves[0].points[size_t(last)].x, def.curve(0).point(last).X);
    QCOMPARE(w.curves[0].points[size_t(last)].y, def.curve(0).point(last).Y);
    def.curve(1).Active = true;
    def.curve(1).Name = stage2;
    def.curve(2).Name = stage3;
    QVERIFY(!workbook_graph(graphs.pltPY).xOnTop);
}

// All seven graphs: fifteen sheets, the deflection chart's Y axis reversed and the p-y chart's
// not, and the deflection values of the first stage on Page_2 as the graph holds them.
void GraphExportTest::threeStageWorkbook() {
    std::vector<WorkbookGraph> all;
    for (TGraphPlot* g : export_graphs(graphs)) all.push_back(workbook_graph(*g));
    QTemporaryDir dir;
    const QString path = dir.filePath("anchored_three_stage.xlsx");
    QCOMPARE(write_workbook(path, all), QString());
    XlsxPackage p;
    QVERIFY2(p.load(path), qPrintable(p.error()));
    QCOMPARE(p.sheetNames().size(), 15);
    QCOMPARE(p.sheetNames().mid(0, 5),
             QStringList({"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"}));
    const auto index = p.cells("Legend");
    QCOMPARE(index["C3"].text, QStringLiteral("p-y Curves"));
    QCOMPARE(index["C5"].text, QStringLiteral("Shear vs Depth"));
    QCOMPARE(index["C9"].text, QStringLiteral("Earth Pressure Combined"));
    QVERIFY(p.chartXml("Plot_2").contains("<c:orientation val=\"maxMin\"/>"));
    QVERIFY(!p.chartXml("Plot_1").contains("maxMin"));
    const TLine& first = graphs.pltDef.curve(0);
    const auto page = p.cells("Page_2");
    const int n = first.pointCount();
    QCOMPARE(page["A" + QString::number(5 + n)].number, first.point(n - 1).X);
    QCOMPARE(page["B" + QString::number(5 + n)].number, first.point(n - 1).Y);
    QVERIFY(!page.contains("A" + QString::number(6 + n)));
}

void GraphExportTest::suggestedPath() {
    QCOMPARE(suggested_workbook_path("/data/walls/pier 4.vn5d", "/home"),
             QStringLiteral("/data/walls/pier 4.xlsx"));
    QCOMPARE(suggested_workbook_path("", "/home/eng"), QStringLiteral("/home/eng/Untitled.xlsx"));
}

QTEST_MAIN(GraphExportTest)
#include "graph_export_test.moc"
