// The graph model: curve lists, legend texts, unit texts and titles, palette, active curves.
#include <QtTest>

#include "viewer/graph_palette.h"
#include "viewer/graph_plot.h"
#include "viewer/result_graphs.h"

using namespace vornel;

class GraphPlotTest : public QObject {
    Q_OBJECT

  private slots:
    void defaults();
    void newCurvesAreNumbered();
    void legendTexts();
    void unitTexts_data();
    void unitTexts();
    void axisTitles();
    void twentyFiveCurvesOpenWithTwentyActive();
    void palette();
    void mainWindowGraphs();
};

void GraphPlotTest::defaults() {
    TGraphPlot g;
    QCOMPARE(g.CurveName, QStringLiteral("Curve #"));
    QVERIFY(g.Caption.isEmpty());
    QVERIFY(g.ShowLegend && !g.ShowLayers && !g.ShowWall && !g.ShowThree && g.ShowFontWidth);
    QCOMPARE(g.WallLineCount, 0);
    QCOMPARE(g.Markers, 1);
    QCOMPARE(g.SizeFont, 10);
    QCOMPARE(g.LegendFont, 11);
    QCOMPARE(g.WidthLine, 1);
    QCOMPARE(g.Units(), 1);
    QVERIFY(g.XOnTop);
    QVERIFY(g.Title.isEmpty());
    QCOMPARE(g.LayerStartDepth, 0.0);
    QVERIFY(g.LimitActiveCurves);
    g.setUnits(7);
    QCOMPARE(g.Units(), 3);
    g.setUnits(-2);
    QCOMPARE(g.Units(), 1);
    QVERIFY(!g.holdsData());
}

void GraphPlotTest::newCurvesAreNumbered() {
    TGraphPlot g;
    g.setCurveCount(3);
    QCOMPARE(g.curve(2).Value, 3.0);
    QVERIFY(g.curve(2).Shown && g.curve(2).Active && g.curve(2).Name.isEmpty());
    g.curve(0).setPointCount(2);
    QVERIFY(g.holdsData());
    g.setCurveCount(1);
    g.setCurveCount(2);
    QCOMPARE(g.curveCount(), 2);
    QCOMPARE(g.curve(1).Value, 2.0);
    QCOMPARE(g.curve(0).pointCount(), 2);
}

void GraphPlotTest::legendTexts() {
    TGraphPlot g;
    g.CurveName = QStringLiteral("Load #");
    g.setCurveCount(2);
    QCOMPARE(g.legendText(0), QStringLiteral("Load #1"));
    g.curve(1).Value = 0.1;
    QCOMPARE(g.legendText(1), QStringLiteral("Load #0.1"));
    g.curve(1).Value = 60.0;
    g.CurveName = QStringLiteral("Depth");
    QCOMPARE(g.legendText(1), QStringLiteral("Depth60"));
    g.curve(1).Value = 2.5e-8;
    QCOMPARE(g.legendText(1), QStringLiteral("Depth2.5E-8"));
    g.curve(0).Name = QStringLiteral("Short-Term");
    QCOMPARE(g.legendText(0), QStringLiteral("Short-Term"));
    g.onGetCaption = [](int index, QString& text) { text += QStringLiteral(" [%1]").arg(index); };
    QCOMPARE(g.legendText(0), QStringLiteral("Short-Term [0]"));
}

void GraphPlotTest::unitTexts_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("si");
    QTest::newRow("F/L") << "F/L"
                         << "lbs/in"
                         << "kN/m";
    QTest::newRow("L-F/Rad.") << "L-F/Rad."
                              << "in-lbs/Rad."
                              << "m-kN/Rad.";
    QTest::newRow("F1-L2") << "F1-L2"
                           << "kips-ft"
                           << "kN-m";
    QTest::newRow("F2/L1") << "F2/L1"
                           << "tons/in"
                           << "kN/mm";
    QTest::newRow("F2 before F") << "F2-F"
                                 << "tons-F"
                                 << "kN-F";
    QTest::newRow("L2 before L") << "L2/L^2"
                                 << "ft/L^2"
                                 << "m/L^2";
    QTest::newRow("no unit") << ""
                             << ""
                             << "";
}

void GraphPlotTest::unitTexts() {
    QFETCH(QString, code);
    QFETCH(QString, english);
    QFETCH(QString, si);
    QCOMPARE(graph_unit_text(code, 1), english);
    QCOMPARE(graph_unit_text(code, 2), si);
    QCOMPARE(graph_unit_text(code, 3), code);
}

void GraphPlotTest::axisTitles() {
    TGraphPlot g;
    g.XCaption = QStringLiteral("Deflection");
    g.XUnits = QStringLiteral("L");
    g.YCaption = QStringLiteral("Depth (ft)");
    g.XCaption3 = QStringLiteral("Shear");
    g.XUnits3 = QStringLiteral("F1");
    QCOMPARE(g.xTitle(), QStringLiteral("Deflection (in)"));
    QCOMPARE(g.yTitle(), QStringLiteral("Depth (ft)"));
    QCOMPARE(g.xTitle(3), QStringLiteral("Shear (kips)"));
    g.setUnits(2);
    QCOMPARE(g.xTitle(), QStringLiteral("Deflection (m)"));
    g.setUnits(3);
    QCOMPARE(g.xTitle(), QStringLiteral("Deflection (L)"));
    QCOMPARE(g.xTitle(2), QString());
}

void GraphPlotTest::twentyFiveCurvesOpenWithTwentyActive() {
    TGraphPlot g;
    g.setCurveCount(25);
    g.curve(3).Active = false;
    g.activateForOpening();
    QCOMPARE(g.activeCount(), 20);
    QVERIFY(g.curve(3).Active);
    QVERIFY(g.curve(19).Active && !g.curve(20).Active && !g.curve(24).Active);
    g.LimitActiveCurves = false;
    g.activateForOpening();
    QCOMPARE(g.activeCount(), 25);
}

void GraphPlotTest::palette() {
    QCOMPARE(graph_colour(0), QColor(0, 0, 0));
    QCOMPARE(graph_colour(1), QColor(0, 0, 255));
    QCOMPARE(graph_colour(2), QColor(255, 0, 0));
    QCOMPARE(graph_colour(11), QColor(0, 255, 0));
    QCOMPARE(graph_colour(16), QColor(0, 255, 255));
    QCOMPARE(graph_colour(17), graph_colour(0));
    QCOMPARE(graph_colour(19), QColor(255, 0, 0));
}

void GraphPlotTest::mainWindowGraphs() {
    ResultGraphs g;
    QCOMPARE(g.all().size(), size_t(17));
    QCOMPARE(g.pltDef.Caption, QStringLiteral("Deflection vs Depth"));
    QCOMPARE(g.pltDef.CurveName, QStringLiteral("Load #"));
    QCOMPARE(g.pltDMS.Caption, QStringLiteral("Deflection, Moment, Shear vs Depth"));
    QCOMPARE(g.pltDMS.CurveName, QStringLiteral("Curve #"));
    QCOMPARE(g.PltCombine.yTitle(), QStringLiteral("Depth (ft)"));
    QCOMPARE(g.pltPY.CurveName, QStringLiteral("Depth"));
    QVERIFY(g.pltDef.XOnTop && g.pltLD.XOnTop && !g.pltPY.XOnTop);
    QVERIFY(!g.pltInter.ShowLegend && !g.pltMtK22.ShowLegend && g.pltLM.ShowLegend);
    QCOMPARE(g.byShortName("pressure-combined"), &g.PltCombine);
    QCOMPARE(g.byShortName("reaction"), &g.pltSoil);
    QCOMPARE(g.byShortName("soil"), nullptr);
}

QTEST_MAIN(GraphPlotTest)
#include "graph_plot_test.moc"
