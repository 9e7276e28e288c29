// Plot areas, panels and strips of the window, the page and the picture, the mapping, and
// the value-axis labels of narrow panels.
#include <QtTest>

#include <QFontMetrics>

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
    void narrowPanelsGetThreeLabels_data();
    void narrowPanelsGetThreeLabels();
    void wideOrUprightAxesKeepTheRule_data();
    void wideOrUprightAxesKeepTheRule();
};

namespace {
DeviceMetrics screen96() {
    return DeviceMetrics{96, 96, 14};
}

// The three panels with the layer strip: a 600 x 400 picture at 96 ppi, or a letter page at
// 1200 ppi with 1-inch margins. Both give panels of about 1.3 in.
GraphLayout three_panel_layout(bool page) {
    TGraphPlot g;
    g.ShowThree = g.ShowLayers = true;
    g.LayerLines.emplace_back(1.0);
    if (!page) return layout_picture(g, QSize(600, 400), screen96());
    const DeviceMetrics d{1200, 1200, 175};
    return layout_page(g, QRect(0, 0, 10200, 13200), QRect(1200, 1200, 7800, 10800), d);
}

QStringList texts(const std::vector<TextBox>& labels) {
    QStringList out;
    for (const TextBox& b : labels) out << b.lines.join(QLatin1Char(' '));
    return out;
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

void GraphLayoutTest::narrowPanelsGetThreeLabels_data() {
    QTest::addColumn<bool>("page");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<QStringList>("labels");
    // Picture: plot 41..521, w = (480 - 56 - 48) / 3 = 125 px. Page: plot 1721..7800,
    // w = (6079 - 700 - 600) / 3 = 1593 px, 127 px on the screen. The rule gives 125 / 84 = 1
    // interval, majors 0.2, 100 and 2: labels 0 and 0.2, 0, and 0. Down the 1-2-5 series
    // 0.1 gives three labels; 50 gives two (0, 50) and 20 five; 1 gives three.
    for (bool page : {false, true}) {
        const char* device = page ? "page" : "picture";
        QTest::addRow("%s deflection", device)
            << page << -0.01 << 0.22 << QStringList{"0", "0.1", "0.2"};
        QTest::addRow("%s moment", device)
            << page << -10.0 << 80.0 << QStringList{"0", "20", "40", "60", "80"};
        QTest::addRow("%s shear", device) << page << -1.2 << 1.3 << QStringList{"-1", "0", "1"};
    }
}

// The value axis of a narrow panel can be read: three labels or more, apart, inside the frame.
void GraphLayoutTest::narrowPanelsGetThreeLabels() {
    QFETCH(bool, page);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(QStringList, labels);
    const GraphLayout l = three_panel_layout(page);
    for (const PixelBox& box : l.panels) {
        const AxisRange x = axis_range(min, max);
        const AxisTicks t = panel_ticks(l, box, x, true);
        const std::vector<TextBox> boxes =
            tick_labels(l, PanelMapping(box, PanelRange{x, x}, true), t, true);
        QCOMPARE(texts(boxes), labels);
        const QFontMetrics fm(graph_font(l.T, false));
        for (size_t i = 0; i < boxes.size(); ++i) {
            const QRect r = boxes[i].rect();
            QCOMPARE(r.width(), fm.horizontalAdvance(labels[int(i)]));
            QVERIFY(l.frame.contains(r));
            if (i > 0) QVERIFY(boxes[i - 1].rect().right() < r.left());
        }
    }
}

void GraphLayoutTest::wideOrUprightAxesKeepTheRule_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("three");
    QTest::addColumn<bool>("across");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    // 728 px: 8 intervals, labels -10 to 80. Three panels of 368 px: 4 intervals, labels 0 to 80
    // by 20, -1 to 1 by 0.5. A depth axis 128 px high: one interval, labels 0 and 50.
    QTest::newRow("one panel") << QSize(800, 600) << false << true << -10.0 << 80.0;
    QTest::newRow("wide moment") << QSize(1280, 600) << true << true << -10.0 << 80.0;
    QTest::newRow("wide shear") << QSize(1280, 600) << true << true << -1.2 << 1.3;
    QTest::newRow("short depth axis") << QSize(600, 200) << true << false << 0.0 << 50.0;
}

// Where the rule gives three labels, and on the upright axis, the ticks are the rule's.
void GraphLayoutTest::wideOrUprightAxesKeepTheRule() {
    QFETCH(QSize, size);
    QFETCH(bool, three);
    QFETCH(bool, across);
    QFETCH(double, min);
    QFETCH(double, max);
    TGraphPlot g;
    g.ShowThree = three;
    const GraphLayout l = layout_screen(g, size, screen96());
    const PixelBox& box = l.panels.front();
    const AxisTicks t = panel_ticks(l, box, AxisRange{min, max, 1}, across);
    const AxisTicks rule = axis_ticks(min, max, across ? box.width() : box.height(), 14);
    QCOMPARE(t.major, rule.major);
    QCOMPARE(t.ticks.size(), rule.ticks.size());
}

QTEST_MAIN(GraphLayoutTest)
#include "graph_layout_test.moc"
