// The plot data file reader against hand-made files and the examples' plot files.
#include <QtTest>

#include "editor/program_data.h"
#include "viewer/plot_file_reader.h"
#include "viewer_test_support.h"

using namespace vornel;
using namespace vornel::test;

class PlotFileReaderTest : public QObject {
    Q_OBJECT

  private slots:
    void noPressureNoCurvesStillGivesTheResultCurves();
    void englishValuesShownInFeetKipInchAndKips();
    void siCaptions();
    void blockNames_data();
    void blockNames();
    void shorterLaterBlockRepeatsItsLastPoint();
    void fileEndingMidRecordKeepsWhatWasRead();
    void failureIsToldOnlyWhenReportingIsOn();
    void capacityIsRefused_data();
    void capacityIsRefused();
    void pyCurvesWithStationLabelsArePadded();
    void pressureGraphs();
    void layerLinesFromTheProject();
    void noLayerLinesWithoutAProject();
    void everyExampleReads();
    void rereadKeepsNamesButNotOldPoints();
    void mainWindowReadFillsTheProject();
};

void PlotFileReaderTest::noPressureNoCurvesStillGivesTheResultCurves() {
    PlotBlock b;
    b.nodes = simple_nodes(5, 12.0);
    ResultGraphs g;
    ResultArrays a;
    PlotFileReader r(g, a);
    QVERIFY(r.readContent(plot_text({b}), true));
    for (TGraphPlot* p : {&g.pltDef, &g.pltMom, &g.pltShear, &g.pltSoil}) {
        QCOMPARE(p->curveCount(), 1);
        QCOMPARE(p->curve(0).pointCount(), 5);
        QVERIFY(p->holdsData());
    }
    QCOMPARE(g.pltLD.curveCount(), 1);
    QCOMPARE(g.pltLD.curve(0).pointCount(), 0);
    QCOMPARE(g.PltCombine.curveCount(), 3);
    QCOMPARE(g.PltCombine.curve(2).pointCount(), 0);
    QCOMPARE(g.pltPY.curveCount(), 0);
    QCOMPARE(g.pltDef.curve(0).Name, QString());
    QCOMPARE(g.pltDef.legendText(0), QStringLiteral("Load #1"));
    QVERIFY(g.pltDMS.ShowThree);
    QCOMPARE(g.pltDMS.Lines3.size(), size_t(1));
    QCOMPARE(g.pltInter.curveCount(), 1);
    QCOMPARE(a.SetCount, 1);
    QCOMPARE(a.NodeCount, 5);
}

void PlotFileReaderTest::englishValuesShownInFeetKipInchAndKips() {
    PlotBlock b;
    b.nodes = {{0, 0.5, 0, 0, 0}, {120.0, 0.25, 5000.0, 2000.0, 30.0}};
    ResultGraphs g;
    ResultArrays a;
    QVERIFY(PlotFileReader(g, a).readContent(plot_text({b}), false));
    QCOMPARE(g.pltDef.curve(0).point(1), (TFloatPoint{0.25, 10.0}));
    QCOMPARE(g.pltMom.curve(0).point(1), (TFloatPoint{5.0, 10.0}));
    QCOMPARE(g.pltShear.curve(0).point(1), (TFloatPoint{2.0, 10.0}));
    QCOMPARE(g.pltSoil.curve(0).point(1), (TFloatPoint{30.0, 10.0}));
    QCOMPARE(g.pltDMS.Lines2[0].point(1), (TFloatPoint{5.0, 10.0}));
    QCOMPARE(a.NodeDepth[0][1], 10.0);
    QCOMPARE(a.Moment[0][1], 5.0);
    QCOMPARE(a.Shear[0][1], 2.0);
    QCOMPARE(a.Deflection[0][1], 0.25);
    QCOMPARE(g.pltDef.yTitle(), QStringLiteral("Depth (ft)"));
    QCOMPARE(g.pltDef.xTitle(), QStringLiteral("Deflection (in)"));
    QCOMPARE(g.pltMom.xTitle(), QStringLiteral("Bending Moment (in-kips)"));
    QCOMPARE(g.pltShear.xTitle(), QStringLiteral("Shear (kips)"));
    QCOMPARE(g.pltSoil.xTitle(), QStringLiteral("Reaction (lbs)"));
    QCOMPARE(g.pltLD.xTitle(), QStringLiteral("Distributed load (lbs/in)"));
    QCOMPARE(g.PltCombine.yTitle(), QStringLiteral("Depth (ft)"));
    QCOMPARE(g.pltPY.yTitle(), QStringLiteral("p (lbs/in)"));
    QCOMPARE(g.pltDMS.xTitle(2), QStringLiteral("Bending Moment (in-kips)"));
    QCOMPARE(g.pltDMS.xTitle(3), QStringLiteral("Shear (kips)"));
    QCOMPARE(g.pltDMS.yTitle(3), QStringLiteral("Depth (ft)"));
    QCOMPARE(g.pltMomEi.yTitle(), QStringLiteral("EI (kips-in^2)"));
    QCOMPARE(g.pltInter.yTitle(), QStringLiteral("Axial Load (kips)"));
}

void PlotFileReaderTest::siCaptions() {
    PlotBlock b;
    b.units = 2;
    b.nodes = {{0, 0.01, 0, 0, 0}, {3.0, 0.02, 50.0, 20.0, 3.0}};
    ResultGraphs g;
    ResultArrays a;
    QVERIFY(PlotFileReader(g, a).readContent(plot_text({b}), false));
    QCOMPARE(g.pltMom.curve(0).point(1), (TFloatPoint{50.0, 3.0}));  // no conversion
    QCOMPARE(g.pltDef.xTitle(), QStringLiteral("Deflection (m)"));
    QCOMPARE(g.pltDef.yTitle(), QStringLiteral("Depth (m)"));
    QCOMPARE(g.pltMom.xTitle(), QStringLiteral("Bending Moment (m-kN)"));
    QCOMPARE(g.pltShear.xTitle(), QStringLiteral("Shear (kN)"));
    QCOMPARE(g.pltLD.xTitle(), QStringLiteral("Distributed load (kN/m)"));
    QCOMPARE(g.pltLM.yTitle(), QStringLiteral("Lateral Load (kN)"));
    for (TGraphPlot* p : g.all()) QCOMPARE(p->Units(), 2);
}

void PlotFileReaderTest::blockNames_data() {
    QTest::addColumn<int>("blocks");
    QTest::addColumn<bool>("longTerm");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("short and long term") << 2 << true << QStringList{"Short-Term", "Long-Term"};
    QTest::newRow("three stages") << 3 << false << QStringList{"Stage: 1", "Stage: 2", "Stage: 3"};
}

void PlotFileReaderTest::blockNames() {
    QFETCH(int, blocks);
    QFETCH(bool, longTerm);
    QFETCH(QStringList, names);
    std::vector<PlotBlock> file(static_cast<size_t>(blocks));
    for (PlotBlock& b : file) b.nres = blocks, b.nodes = simple_nodes(4, 12.0);
    ResultGraphs g;
    ResultArrays a;
    PlotProjectFacts f;
    f.longTerm = longTerm;
    QVERIFY(PlotFileReader(g, a).readContent(plot_text(file), false, f));
    for (TGraphPlot* p : {&g.pltDef, &g.pltMom, &g.pltShear, &g.pltSoil, &g.pltDMS}) {
        QCOMPARE(p->curveCount(), blocks);
        for (int i = 0; i < blocks; ++i) QCOMPARE(p->legendText(i), names[i]);
    }
    QCOMPARE(g.pltLD.curveCount(), blocks);
    QCOMPARE(g.pltLD.legendText(1), QStringLiteral("Curve #2"));
    QCOMPARE(a.SetCount, blocks);
}

void PlotFileReaderTest::shorterLaterBlockRepeatsItsLastPoint() {
    PlotBlock b0, b1;
    b0.nres = b1.nres = 2;
    b0.nodes = simple_nodes(6, 12.0);
    b1.nodes = simple_nodes(4, 12.0);
    ResultGraphs g;
    ResultArrays a;
    QVERIFY(PlotFileReader(g, a).readContent(plot_text({b0, b1}), false));
    const TLine& first = g.pltMom.curve(0);
    const TLine& second = g.pltMom.curve(1);
    QCOMPARE(first.pointCount(), 6);
    QCOMPARE(first.point(5), (TFloatPoint{5.0, 5.0}));  // 5000 lb-in, 60 in
    QCOMPARE(second.pointCount(), 6);
    QCOMPARE(second.point(3), (TFloatPoint{3.0, 3.0}));
    QCOMPARE(second.point(4), second.point(3));
    QCOMPARE(second.point(5), second.point(3));
    QCOMPARE(g.pltDMS.Lines3[1].point(5), g.pltDMS.Lines3[1].point(3));
    QCOMPARE(a.Moment[1][5], 3.0);
    QCOMPARE(a.NodeDepth[1][5], 3.0);
    QCOMPARE(a.NodeDepth[0][5], 5.0);
}

void PlotFileReaderTest::fileEndingMidRecordKeepsWhatWasRead() {
    PlotBlock b;
    b.nodes = simple_nodes(5, 12.0);
    QByteArray text = plot_text({b});
    text.truncate(text.lastIndexOf('\n', text.size() - 2));  // drop the last record
    text += " 4.8000E+01 0.1 ";                              // and half of it back
    ResultGraphs g;
    ResultArrays a;
    RecordingQuestions q;
    PlotFileReader r(g, a, &q);
    QVERIFY(!r.readContent(text, true));
    QCOMPARE(q.informed, QStringList{"An error occured in running the main program."});
    QCOMPARE(r.error(), QStringLiteral("This file either invalid or incomplete."));
    QCOMPARE(g.pltDef.curve(0).point(3), (TFloatPoint{3.1, 3.0}));
    QCOMPARE(g.pltMom.curve(0).point(3), (TFloatPoint{3.0, 3.0}));
    QCOMPARE(a.Shear[0][3], 0.3);
}

void PlotFileReaderTest::failureIsToldOnlyWhenReportingIsOn() {
    ResultGraphs g;
    ResultArrays a;
    RecordingQuestions q;
    PlotFileReader r(g, a, &q);
    QVERIFY(!r.readContent("0 1 0 1 x", false));
    QVERIFY(q.informed.isEmpty());
    QVERIFY(r.error().contains("An integer was expected but not found."));
    QVERIFY(!r.read("/no/such/folder/wall.vn5p", true));
    QCOMPARE(q.informed, QStringList{"An error occured in running the main program."});
}

void PlotFileReaderTest::capacityIsRefused_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("12 result sets") << QByteArray("0 1 0 12 2 1 0 0 0 0 0 1 0 0 0 0");
    QTest::newRow("303 nodes") << QByteArray("0 1 0 1 303 1");
    QTest::newRow("303 pressure records") << QByteArray("303");
    QTest::newRow("negative count") << QByteArray("-1");
}

void PlotFileReaderTest::capacityIsRefused() {
    QFETCH(QByteArray, text);
    ResultGraphs g;
    ResultArrays a;
    RecordingQuestions q;
    QVERIFY(!PlotFileReader(g, a, &q).readContent(text, true));
    QCOMPARE(q.informed, QStringList{"An error occured in running the main program."});
}

void PlotFileReaderTest::pyCurvesWithStationLabelsArePadded() {
    PlotBlock b;
    b.pyCurves = {{16, {{-1, 10}, {0, 0}, {1, -10}}}, {21, {{-2, 20}, {2, -20}}}};
    b.nodes = simple_nodes(3, 12.0);
    QByteArray text = plot_text({b});
    text.replace(" 16 3", " 16 3.0");  // an integer item may carry a zero fraction
    ResultGraphs g;
    ResultArrays a;
    QVERIFY(PlotFileReader(g, a).readContent(text, false));
    QCOMPARE(g.pltPY.curveCount(), 2);
    QCOMPARE(g.pltPY.curve(0).Value, 16.0);
    QCOMPARE(g.pltPY.legendText(1), QStringLiteral("Depth21"));
    QCOMPARE(g.pltPY.curve(1).pointCount(), 3);
    QCOMPARE(g.pltPY.curve(1).point(2), (TFloatPoint{2, -20}));
    QCOMPARE(g.pltPY.xTitle(), QStringLiteral("y (in)"));
}

void PlotFileReaderTest::pressureGraphs() {
    PlotBlock b0, b1;
    b0.nres = b1.nres = 2;
    b0.pressure = {{0, 0, 1e-7, 0}, {60, 20, 15, 5}, {120, 40, 30, 10}};
    b1.pressure = {{0, 0, 1e-7, 0}, {96, 30, 30, 0}};
    b0.nodes = b1.nodes = simple_nodes(3, 60.0);
    ResultGraphs g;
    ResultArrays a;
    PlotProjectFacts f;
    f.unitSystem = 1;
    QVERIFY(PlotFileReader(g, a).readContent(plot_text({b0, b1}), false, f));
    QCOMPARE(g.pltLD.curveCount(), 2);
    QCOMPARE(g.pltLD.curve(0).point(2), (TFloatPoint{40, 10}));
    QCOMPARE(g.pltLD.curve(1).pointCount(), 3);
    QCOMPARE(g.pltLD.curve(1).point(1), (TFloatPoint{30, 8}));
    QCOMPARE(g.pltLD.curve(1).point(2), (TFloatPoint{30, 8}));
    QCOMPARE(a.PressurePointCount, 3);
    QCOMPARE(a.PressureDepth[0][2], 120.0);  // unconverted
    QCOMPARE(a.Pressure[1][2], 30.0);
    QCOMPARE(g.PltCombine.legendText(0), QStringLiteral("Total Earth Pressure"));
    QCOMPARE(g.PltCombine.legendText(1), QStringLiteral("from Soils "));
    QCOMPARE(g.PltCombine.legendText(2), QStringLiteral("from Surcharge Loads"));
    QCOMPARE(g.PltCombine.curve(1).point(1), (TFloatPoint{15, 5}));
    QCOMPARE(g.PltCombine.curve(2).point(2), (TFloatPoint{10, 10}));
}

void PlotFileReaderTest::layerLinesFromTheProject() {
    ProjectTables tables;
    TProgramData data(tables);
    data.Increments = 30;
    data.IncrementLength = 12.0;
    data.FreeHeight = 120.0;
    TGridTable& soil = tables.NewSoil;
    soil.setRowCount(6);
    const int types[] = {kSoftClay, kSand, kSilt, kStrongRock, kWeakRock, 9};
    for (int r = 0; r < 6; ++r) {
        soil.setItem(col::kSlType, r, types[r]);
        soil.setReal(col::kSlDepth, r, 5.0 * (r + 1));
    }
    PlotBlock b;
    b.nodes = simple_nodes(31, 12.0);
    ResultGraphs g;
    ResultArrays a;
    QVERIFY(PlotFileReader(g, a).readContent(plot_text({b}), false, PlotProjectFacts::of(data)));
    const TLineList& l = g.pltDMS.LayerLines;
    QCOMPARE(l.size(), size_t(8));
    const QStringList names{" CLAY ",    " SAND ",  " SILT ", "STRONG ROCK",
                            "WEAK ROCK", "LAYER 6", "PILE",   "PILE"};
    const double codes[] = {1, 7, 8, 9, 10, 0, 0, 0};
    const double depths[] = {5, 10, 15, 20, 25, 30, 30, 10};
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(l[i].Name, names[i]);
        QCOMPARE(l[i].pointCount(), 1);
        QCOMPARE(l[i].point(0), (TFloatPoint{codes[i], depths[i]}));
    }
    QCOMPARE(g.pltDMS.WallLineCount, 6);
    QCOMPARE(a.NodeDepth[0][30], 30.0);
}

void PlotFileReaderTest::noLayerLinesWithoutAProject() {
    ResultGraphs g;
    ResultArrays a;
    QVERIFY(PlotFileReader(g, a).read(example_plot_file("cantilever_layered"), false));
    QVERIFY(g.pltDMS.LayerLines.empty());
    QCOMPARE(g.pltDMS.WallLineCount, 0);
}

void PlotFileReaderTest::everyExampleReads() {
    for (const QString& name : example_names()) {
        ResultGraphs g;
        ResultArrays a;
        PlotFileReader r(g, a);
        QVERIFY2(r.read(example_plot_file(name), false), qPrintable(name + ": " + r.error()));
        QVERIFY2(g.pltDef.holdsData(), qPrintable(name));
        QCOMPARE(a.SetCount, g.pltDef.curveCount());
    }
    ResultGraphs g;
    ResultArrays a;
    QVERIFY(PlotFileReader(g, a).read(example_plot_file("anchored_three_stage"), false));
    QCOMPARE(g.pltDef.curveCount(), 3);
    QCOMPARE(g.pltDef.legendText(2), QStringLiteral("Stage: 3"));
    QVERIFY(g.pltPY.curveCount() > 0);
    QCOMPARE(g.pltPY.curve(0).pointCount(), 33);
}

void PlotFileReaderTest::rereadKeepsNamesButNotOldPoints() {
    ResultGraphs g;
    ResultArrays a;
    PlotBlock b;
    b.nodes = simple_nodes(8, 12.0);
    QVERIFY(PlotFileReader(g, a).readContent(plot_text({b}), false));
    g.pltDef.curve(0).Name = QStringLiteral("Design case");
    b.nodes = simple_nodes(4, 12.0);
    QVERIFY(PlotFileReader(g, a).readContent(plot_text({b}), false));
    QCOMPARE(g.pltDef.curve(0).pointCount(), 4);
    QCOMPARE(g.pltDef.legendText(0), QStringLiteral("Design case"));
    QCOMPARE(a.NodeCount, 4);
    QCOMPARE(a.Moment[0][6], 0.0);
}

void PlotFileReaderTest::mainWindowReadFillsTheProject() {
    ProjectTables tables;
    TProgramData data(tables);
    data.LongTerm = true;
    ResultGraphs g;
    RecordingQuestions q;
    QVERIFY(read_plot_file(example_plot_file("cantilever_layered_long_term"), true, g, data, &q));
    QCOMPARE(data.Results.SetCount, 2);
    QCOMPARE(g.pltMom.legendText(1), QStringLiteral("Long-Term"));
    QCOMPARE(data.Results.Moment[1][10], g.pltMom.curve(1).point(10).X);
    QVERIFY(!read_plot_file("/no/such/wall.vn5p", true, g, data, &q));
    QCOMPARE(q.informed, QStringList{"An error occured in running the main program."});
}

QTEST_MAIN(PlotFileReaderTest)
#include "plot_file_reader_test.moc"
