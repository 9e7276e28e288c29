// Plot areas, panels and strips of the window, the page and the picture, and the mapping.
#include <QtTest>

#include "viewer/graph_layout.h"

using namespace vornel;

class GraphLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void screenWithXOnTop();
    void screenWithXBelow();
    void titleShiftsTheScreenLayout();
    void layerStripOnScreenAndPicture();
    void threePanels();
    void pageLayout();
    void printableAreaKeepsThePrinterOffsets();
    void mappingAndInverse();
    void tooSmallWindow();
};

namespace {
DeviceMetrics screen96() {
    return DeviceMetrics{96, 96, 14};
}
}  // namespace

void GraphLayoutTest::screenWithXOnTop() {
    TGraphPlot g;
    const GraphLayout l = layout_screen(g, QSize(800, 600), screen96());
    QCOMPARE(l.T, 14);
    // left = 2T + Px/8 + T/8 = 28 + 12 + 1; right = 800 - 24 - 7
    QCOMPARE(l.plot, (PixelBox{41, 41, 769, 569}));
    QCOMPARE(l.panels.size(), size_t(1));
    QCOMPARE(l.panels[0], l.plot);
    QVERIFY(l.strip.empty());
    g.SizeFont = 20;
    const GraphLayout big = layout_screen(g, QSize(800, 600), screen96());
    QCOMPARE(big.T, 28);
    QCOMPARE(big.plot.left, 56 + 12 + 3);
}

void GraphLayoutTest::screenWithXBelow() {
    TGraphPlot g;
    g.XOnTop = false;
    const GraphLayout l = layout_screen(g, QSize(800, 600), screen96());
    // top = T/2 + Py/4 = 7 + 24; bottom = 600 - 2T - Py/8 - T/8 = 600 - 28 - 12 - 1
    QCOMPARE(l.plot, (PixelBox{41, 31, 769, 559}));
}

void GraphLayoutTest::titleShiftsTheScreenLayout() {
    TGraphPlot g;
    g.Title = QStringLiteral("Wall A");
    QCOMPARE(layout_screen(g, QSize(800, 600), screen96()).plot.top, 41 + 1 + 14);
    g.TitleAtTop = false;
    QCOMPARE(layout_screen(g, QSize(800, 600), screen96()).plot.bottom, 569 - 14);
    QCOMPARE(layout_picture(g, QSize(800, 600), screen96()).plot.bottom, 569 - 14);
}

void GraphLayoutTest::layerStripOnScreenAndPicture() {
    TGraphPlot g;
    g.ShowLayers = true;
    QVERIFY(layout_screen(g, QSize(800, 600), screen96()).strip.empty());  // no layer lines
    g.LayerLines.emplace_back(1.0);
    const GraphLayout s = layout_screen(g, QSize(800, 600), screen96());
    QCOMPARE(s.plot.right, 769 - 96);
    QCOMPARE(s.strip, (PixelBox{769 - 96 + 19, 41, 769, 569}));
    const GraphLayout p = layout_picture(g, QSize(800, 600), screen96());
    QCOMPARE(p.mode, PaintMode::Picture);
    QCOMPARE(p.plot.right, 769 - 48);
    QCOMPARE(p.strip, (PixelBox{769 - 48 + 19, 41, 769, 569}));
}

void GraphLayoutTest::threePanels() {
    TGraphPlot g;
    g.ShowThree = true;
    const GraphLayout l = layout_screen(g, QSize(800, 600), screen96());
    QCOMPARE(l.panels.size(), size_t(3));
    // w = (728 - 56 - 48) / 3 = 208; gaps 2T + Px/4 = 52
    QCOMPARE(l.panels[0], (PixelBox{41, 41, 249, 569}));
    QCOMPARE(l.panels[1], (PixelBox{301, 41, 509, 569}));
    QCOMPARE(l.panels[2], (PixelBox{561, 41, 769, 569}));
}

void GraphLayoutTest::pageLayout() {
    TGraphPlot g;
    const DeviceMetrics d{600, 600, 88};  // 14 px at 96 ppi is 87.5 px at 600 ppi
    const QRect page(0, 0, 5100, 6600);
    const QRect area(600, 600, 3900, 5400);
    GraphLayout l = layout_page(g, page, area, d);
    QCOMPARE(l.mode, PaintMode::Print);
    // left = 600 + 176 + 75 + 11; top likewise; right and bottom the area's edges
    QCOMPARE(l.plot, (PixelBox{862, 862, 4500, 6000}));
    g.Title = QStringLiteral("T");
    QCOMPARE(layout_page(g, page, area, d).plot.top, 862 + 150);
    g.TitleAtTop = false;
    g.XOnTop = false;
    l = layout_page(g, page, area, d);
    QCOMPARE(l.plot.top, 600);
    QCOMPARE(l.plot.bottom, 6000 - 176 - 75 - 11 - 300);
}

void GraphLayoutTest::printableAreaKeepsThePrinterOffsets() {
    const DeviceMetrics d{600, 600, 88};
    QCOMPARE(printable_area(QSize(5100, 6600), PageMargins{}, QMargins(100, 100, 100, 100), d),
             QRect(600, 600, 3900, 5400));
    // Margins of a tenth of an inch are 60 pixels, less than the offsets of 150.
    const PageMargins thin{100, 100, 1000, 100};
    QCOMPARE(printable_area(QSize(5100, 6600), thin, QMargins(150, 150, 150, 150), d),
             QRect(150, 150, 5100 - 600 - 150, 6600 - 300));
}

void GraphLayoutTest::mappingAndInverse() {
    const PixelBox box{100, 50, 500, 450};
    PanelRange r{{-10, 30, 10}, {0, 40, 10}};
    const PanelMapping down(box, r, true);
    QCOMPARE(down.toPixel(-10, 0), QPoint(100, 50));
    QCOMPARE(down.toPixel(30, 40), QPoint(500, 450));
    QCOMPARE(down.toPixel(0, 10), QPoint(200, 150));
    QCOMPARE(down.toPixel(0.01, 10.006), QPoint(200, 150));  // rounded
    QCOMPARE(down.toData(QPoint(200, 150)), QPointF(0, 10));
    const PanelMapping up(box, r, false);
    QCOMPARE(up.toPixel(0, 10), QPoint(200, 350));
    QCOMPARE(up.toData(QPoint(200, 350)), QPointF(0, 10));
    QCOMPARE(up.dataY(450), 0.0);
    QCOMPARE(box.clamp(QPoint(700, -3)), QPoint(500, 50));
}

void GraphLayoutTest::tooSmallWindow() {
    TGraphPlot g;
    QVERIFY(layout_screen(g, QSize(95, 400), screen96()).tooSmall);
    QVERIFY(layout_screen(g, QSize(400, 95), screen96()).tooSmall);
    QVERIFY(!layout_screen(g, QSize(96, 96), screen96()).tooSmall);
}

QTEST_MAIN(GraphLayoutTest)
#include "graph_layout_test.moc"
