// Opening a graph window's view, zooming and the mouse caption.
#include <QtTest>

#include "viewer/graph_view.h"

using namespace vornel;

class GraphViewTest : public QObject {
    Q_OBJECT

  private slots:
    void openComputesFullRangesAndActivates();
    void zeroWidthRectangleLeavesTheRanges();
    void rectangleZoomKeepsOneTwentieth();
    void rightClickZoomsOutWithinTheFullRange();
    void mouseCaption();
    void threePanelRanges();
    void legendBox();
};

namespace {

struct Fixture {
    TGraphPlot g;
    GraphView v{g};
    GraphLayout l;
    Fixture() {
        g.Caption = QStringLiteral("Moment vs Depth");
        g.setCurveCount(1);
        g.curve(0).Points = {{-20, 0}, {80, 20}, {0, 40}};
        v.open();
        l = layout_screen(g, QSize(800, 600), DeviceMetrics{96, 96, 14});
    }
};

}  // namespace

void GraphViewTest::openComputesFullRangesAndActivates() {
    Fixture f;
    QCOMPARE(f.v.fullRange().x.min, -20.0);
    QCOMPARE(f.v.fullRange().x.max, 80.0);
    QCOMPARE(f.v.fullRange().y.max, 40.0);
    QCOMPARE(f.v.range().y.min, 0.0);
    TGraphPlot many;
    many.setCurveCount(25);
    for (TLine& c : many.Lines) c.Points = {{0, 0}, {1, 1}};
    GraphView v(many);
    QVERIFY(v.open());
    QCOMPARE(many.activeCount(), 20);
    TGraphPlot broken;
    broken.setCurveCount(1);
    broken.curve(0).Points = {{0, 0}, {std::numeric_limits<double>::infinity(), 1}};
    QVERIFY(!GraphView(broken).open());
}

void GraphViewTest::zeroWidthRectangleLeavesTheRanges() {
    Fixture f;
    QVERIFY(!f.v.zoomToRectangle(f.l, QPoint(300, 100), QPoint(300, 400)));
    QVERIFY(!f.v.zoomToRectangle(f.l, QPoint(300, 100), QPoint(500, 100)));
    QCOMPARE(f.v.range().x.min, -20.0);
    QCOMPARE(f.v.range().x.max, 80.0);
}

void GraphViewTest::rectangleZoomKeepsOneTwentieth() {
    Fixture f;
    const PanelMapping m = f.v.mapping(f.l);
    // X from 0 to 40 (wide enough), Y over 1 unit only (less than 40/20 = 2).
    const QPoint a = m.toPixel(0, 10), b = m.toPixel(40, 11);
    QVERIFY(f.v.zoomToRectangle(f.l, a, b));
    QVERIFY(std::fabs(f.v.range().x.min - 0) < 0.2);
    QVERIFY(std::fabs(f.v.range().x.max - 40) < 0.2);
    QVERIFY(std::fabs(f.v.range().y.span() - 2.0) < 1e-9);
    QVERIFY(std::fabs((f.v.range().y.min + f.v.range().y.max) / 2 - 10.5) < 0.1);
    // Near the edge the narrow range is shifted back inside the full range.
    Fixture e;
    const PanelMapping n = e.v.mapping(e.l);
    QVERIFY(e.v.zoomToRectangle(e.l, n.toPixel(-20, 0), n.toPixel(-19.9, 39.5)));
    QCOMPARE(e.v.range().x.min, -20.0);
    QVERIFY(std::fabs(e.v.range().x.span() - 5.0) < 1e-9);
    // The end of the rectangle is clamped to the plot area.
    Fixture c;
    QVERIFY(c.v.zoomToRectangle(c.l, QPoint(-50, -50), QPoint(2000, 2000)));
    QCOMPARE(c.v.range().x.max, 80.0);
    QCOMPARE(c.v.range().y.max, 40.0);
}

void GraphViewTest::rightClickZoomsOutWithinTheFullRange() {
    Fixture f;
    QVERIFY(f.v.zoomOutAt(f.l, QPoint(400, 300)));
    QCOMPARE(f.v.range().x.min, -20.0);  // the full range stays
    QCOMPARE(f.v.range().x.max, 80.0);
    QCOMPARE(f.v.range().y.min, 0.0);
    QCOMPARE(f.v.range().y.max, 40.0);
    PanelRange zoomed = f.v.fullRange();
    zoomed.x.min = 10, zoomed.x.max = 20;
    zoomed.y.min = 10, zoomed.y.max = 14;
    f.v.setRange(0, zoomed);
    const QPoint at = f.v.mapping(f.l).toPixel(15, 12);
    QVERIFY(f.v.zoomOutAt(f.l, at));
    QVERIFY(std::fabs(f.v.range().x.min - 5) < 0.1 && std::fabs(f.v.range().x.max - 25) < 0.1);
    QVERIFY(std::fabs(f.v.range().y.span() - 8) < 1e-9);
    QVERIFY(!f.v.zoomOutAt(f.l, QPoint(5, 5)));  // outside the plot area
}

void GraphViewTest::mouseCaption() {
    Fixture f;
    const QPoint at = f.v.mapping(f.l).toPixel(30, 10);
    const QPointF d = f.v.mapping(f.l).toData(at);
    QCOMPARE(f.v.mouseCaption(f.l, at), QStringLiteral("Moment vs Depth X: %1 Y: %2")
                                            .arg(QString::number(d.x(), 'g', 5))
                                            .arg(QString::number(d.y(), 'g', 5)));
    QCOMPARE(f.v.mouseCaption(f.l, f.v.mapping(f.l).toPixel(-20, 0)),
             QStringLiteral("Moment vs Depth X: -20 Y: 0"));
    QCOMPARE(f.v.mouseCaption(f.l, QPoint(0, 0)), QStringLiteral("Moment vs Depth X: -20 Y: 0"));
}

void GraphViewTest::threePanelRanges() {
    TGraphPlot g;
    g.ShowThree = true;
    g.Caption = QStringLiteral("DMS");
    for (GraphFamily fam : {GraphFamily::Main, GraphFamily::Second, GraphFamily::Third})
        g.setCurveCount(fam, 1);
    g.Lines[0].Points = {{1, 0}, {2, 30}};
    g.Lines2[0].Points = {{-400, 0}, {100, 30}};
    g.Lines3[0].Points = {{0, 0}, {7, 30}};
    GraphView v(g);
    QVERIFY(v.open());
    QCOMPARE(v.fullRange(1).x.min, -400.0);
    QCOMPARE(v.fullRange(2).x.max, 7.0);
    const GraphLayout l = layout_screen(g, QSize(800, 600), DeviceMetrics{96, 96, 14});
    QVERIFY(!v.zoomToRectangle(l, QPoint(60, 60), QPoint(200, 200)));  // single panel only
    const QPoint in2 = v.mapping(l, 1).toPixel(-400, 30);
    QCOMPARE(v.mouseCaption(l, in2), QStringLiteral("DMS X: -400 Y: 30"));
    QCOMPARE(v.mouseCaption(l, QPoint(270, 300)), QStringLiteral("DMS X: 0 Y: 0"));  // between
}

void GraphViewTest::legendBox() {
    TGraphPlot g;
    g.CurveName = QStringLiteral("Load #");
    g.setCurveCount(25);
    for (TLine& c : g.Lines) c.Points = {{0, 0}, {1, 1}};
    g.curve(1).Shown = false;
    GraphView v(g);
    QVERIFY(v.open());
    const std::vector<LegendItem> items = v.legendItems();
    QCOMPARE(items.size(), size_t(20));  // 25 curves open with 20 in the legend
    QCOMPARE(items[0].text, QStringLiteral("Load #1 *"));
    QCOMPARE(items[1].text, QStringLiteral("Load #2"));
    QCOMPARE(items[2].colour, QColor(255, 0, 0));
    g.curve(0).Active = false;  // the others move up a colour
    QCOMPARE(v.legendItems()[0].curve, 1);
    QCOMPARE(v.legendItems()[0].colour, QColor(0, 0, 0));
    QFont f;
    f.setPixelSize(12);
    const QFontMetrics fm(f);
    const QSize s = v.legendBoxSize(fm, 15, 96);
    QCOMPARE(s.height(), 19 * 15 + 3);
    QCOMPARE(s.width(), fm.horizontalAdvance(QStringLiteral("Load #20 *")) + 24);
}

QTEST_MAIN(GraphViewTest)
#include "graph_view_test.moc"
