// What the painter draws, checked on the pictures: curve pixels where the mapping puts
// them, frames, the layer strip's fills, and the texts of an SVG picture.
#include <QtTest>

#include "viewer/graph_painter.h"
#include "viewer/graph_palette.h"
#include "viewer/picture_export.h"
#include "viewer/plot_file_reader.h"
#include "viewer_test_support.h"

using namespace vornel;
using namespace vornel::test;

class GraphPainterTest : public QObject {
    Q_OBJECT

  private slots:
    void markerShapesRepeatEveryTenCurves();
    void markerOutlines();
    void penWidthFollowsResolution();
    void curvesWhereTheMappingPutsThem();
    void hiddenAndInactiveCurvesAreNotDrawn();
    void framesAroundEachPanel();
    void layerStripFills();
    void wallGeometry();
    void svgCarriesTitlesLabelsAndLegend();
    void tooSmallPictureIsWhite();
};

namespace {

struct Graph {
    TGraphPlot g;
    GraphView v{g};
    Graph() {
        g.Caption = QStringLiteral("Moment vs Depth");
        g.XCaption = QStringLiteral("Bending Moment (in-kips)");
        g.YCaption = QStringLiteral("Depth (ft)");
        g.CurveName = QStringLiteral("Load #");
        g.Markers = 0;
        g.setCurveCount(2);
        g.curve(0).Points = {{0, 0}, {40, 10}, {-10, 20}, {0, 30}};
        g.curve(1).Points = {{0, 0}, {20, 10}, {30, 20}, {0, 30}};
        v.open();
    }
};

PictureSpec spec72() {
    PictureSpec s;
    s.pixelsPerInch = 72;
    return s;
}

// The pixel and its eight neighbours: true when one has the colour.
bool near_colour(const QImage& img, QPoint p, QColor c) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (img.pixelColor(p + QPoint(dx, dy)) == c) return true;
    return false;
}

}  // namespace

void GraphPainterTest::markerShapesRepeatEveryTenCurves() {
    QCOMPARE(marker_shape(0), 1);
    QCOMPARE(marker_shape(9), 10);
    QCOMPARE(marker_shape(10), marker_shape(0));  // curve 11 looks like curve 1
    QCOMPARE(marker_shape(15), marker_shape(5));  // curve 16 like curve 6
    QCOMPARE(marker_shape(19), 10);
}

void GraphPainterTest::markerOutlines() {
    const QPoint c(100, 100);
    // Curve 1: a triangle with a vertex straight down (angles 180, 300, 60 clockwise from up).
    QCOMPARE(marker_outline(0, c, 10, 10),
             (QPolygon{QPoint(100, 110), QPoint(91, 95), QPoint(109, 95)}));
    // Curve 2: an axis-parallel square.
    QCOMPARE(marker_outline(1, c, 10, 10),
             (QPolygon{QPoint(107, 93), QPoint(107, 107), QPoint(93, 107), QPoint(93, 93)}));
    // Curve 3: a triangle pointing up; curve 4: a diamond.
    QCOMPARE(marker_outline(2, c, 10, 10).first(), QPoint(100, 90));
    QCOMPARE(marker_outline(3, c, 10, 20),
             (QPolygon{QPoint(100, 80), QPoint(110, 100), QPoint(100, 120), QPoint(90, 100)}));
    QCOMPARE(marker_outline(9, c, 10, 10).size(), 10);
    QCOMPARE(marker_outline(10, c, 10, 10), marker_outline(0, c, 10, 10));
}

void GraphPainterTest::penWidthFollowsResolution() {
    Graph g;
    GraphLayout l = layout_picture(g.g, QSize(432, 288), spec72().metrics());
    QCOMPARE(GraphPainter(g.v, l).penWidth(), 1);
    l.device.px = 600;
    g.g.WidthLine = 4;
    QCOMPARE(GraphPainter(g.v, l).penWidth(), 12);  // (2 + 1) x 4
}

void GraphPainterTest::curvesWhereTheMappingPutsThem() {
    Graph g;
    const PictureSpec s = spec72();
    QCOMPARE(s.pixelSize(), QSize(432, 288));
    const QImage img = render_picture(g.v, s);
    QCOMPARE(img.size(), QSize(432, 288));
    const GraphLayout l = layout_picture(g.g, img.size(), s.metrics());
    const PanelMapping m = g.v.mapping(l);
    QVERIFY(near_colour(img, m.toPixel(15, 15), graph_colour(0)));  // black, curve 1
    QCOMPARE(img.pixelColor(m.toPixel(20, 10)), graph_colour(1));   // blue, curve 2
    QCOMPARE(img.pixelColor(m.toPixel(30, 20)), graph_colour(1));
    // Half way along the second segment of curve 2.
    QVERIFY(near_colour(img, m.toPixel(25, 15), graph_colour(1)));
    QCOMPARE(img.pixelColor(m.toPixel(35, 2)), QColor(Qt::white));
    // Markers every point: curve 2's square has its corners Py/32 x cos 45 from the point.
    PictureSpec fine;
    fine.pixelsPerInch = 192;
    const GraphLayout lf = layout_picture(g.g, fine.pixelSize(), fine.metrics());
    const QPoint corner = g.v.mapping(lf).toPixel(20, 10) + QPoint(4, -4);
    QCOMPARE(render_picture(g.v, fine).pixelColor(corner), QColor(Qt::white));
    g.g.Markers = 1;
    QCOMPARE(render_picture(g.v, fine).pixelColor(corner), graph_colour(1));
}

void GraphPainterTest::hiddenAndInactiveCurvesAreNotDrawn() {
    Graph g;
    g.g.curve(0).Shown = false;
    QImage img = render_picture(g.v, spec72());
    const GraphLayout l = layout_picture(g.g, img.size(), spec72().metrics());
    const PanelMapping m = g.v.mapping(l);
    QVERIFY(!near_colour(img, m.toPixel(15, 15), graph_colour(0)));
    // An inactive first curve moves the second to the first palette colour.
    g.g.curve(0).Shown = true;
    g.g.curve(0).Active = false;
    img = render_picture(g.v, spec72());
    QVERIFY(!near_colour(img, m.toPixel(15, 15), graph_colour(0)));
    QCOMPARE(img.pixelColor(m.toPixel(20, 10)), graph_colour(0));
}

void GraphPainterTest::framesAroundEachPanel() {
    Graph g;
    g.g.ShowThree = true;
    for (GraphFamily f : {GraphFamily::Second, GraphFamily::Third}) {
        g.g.setCurveCount(f, 2);
        g.g.list(f)[0].Points = g.g.Lines[0].Points;
        g.g.list(f)[1].Points = g.g.Lines[1].Points;
    }
    g.v.open();
    PictureSpec s;
    s.widthInches = 10;
    const QImage img = render_picture(g.v, s);
    const GraphLayout l = layout_picture(g.g, img.size(), s.metrics());
    QCOMPARE(l.panels.size(), size_t(3));
    for (const PixelBox& b : l.panels) {
        const int mid = (b.top + b.bottom) / 2 + 3;
        QCOMPARE(img.pixelColor(b.left, mid), QColor(Qt::black));
        QCOMPARE(img.pixelColor(b.right, mid), QColor(Qt::black));
        QCOMPARE(img.pixelColor(b.right + 2, mid), QColor(Qt::white));
    }
    // Families of more than one curve stop at the next-to-last point.
    const PanelMapping m2 = g.v.mapping(l, 1);
    QCOMPARE(img.pixelColor(m2.toPixel(-10, 20)), graph_colour(0));
    QVERIFY(!near_colour(img, m2.toPixel(-5, 25), graph_colour(0)));
    QVERIFY(near_colour(img, g.v.mapping(l, 0).toPixel(-5, 25), graph_colour(0)));
}

void GraphPainterTest::layerStripFills() {
    Graph g;
    g.g.ShowLayers = true;
    TLine sand(1), clay(2);
    sand.Name = QStringLiteral(" SAND ");
    sand.Points = {{7, 12}};
    clay.Name = QStringLiteral(" CLAY ");
    clay.Points = {{1, 40}};
    g.g.LayerLines = {sand, clay};
    PictureSpec s;
    s.pixelsPerInch = 96;
    const QImage img = render_picture(g.v, s);
    const GraphLayout l = layout_picture(g.g, img.size(), s.metrics());
    QCOMPARE(l.strip.width(), 48 - 19);
    const PanelMapping depth(l.strip, g.v.range(), true);
    // Count black pixels in a small window inside each band, away from its text.
    auto blacks = [&](double d0, double d1) {
        int n = 0, all = 0;
        for (int y = depth.pixelY(d0) + 2; y < depth.pixelY(d1) - 2; ++y)
            for (int x = l.strip.left + 2; x < l.strip.left + 6; ++x, ++all)
                if (img.pixelColor(x, y) == QColor(Qt::black)) ++n;
        return std::pair(n, all);
    };
    const auto [sand_black, sand_all] = blacks(0, 3);
    const auto [clay_black, clay_all] = blacks(22, 30);
    QVERIFY(sand_black > 0 && sand_black * 4 < sand_all);  // fine dots
    QVERIFY(clay_black * 6 > clay_all);                    // dense diagonal lines
    QVERIFY(clay_black * 2 < clay_all);                    // on white
}

void GraphPainterTest::wallGeometry() {
    Graph g;
    g.g.ShowLayers = true;
    g.g.ShowWall = true;
    TLine sand(1), wall(2), excavation(3);
    sand.Points = {{7, 40}};
    wall.Points = {{0, 30}};
    excavation.Points = {{0, 10}};
    g.g.LayerLines = {sand, wall, excavation};
    g.g.WallLineCount = 1;
    PictureSpec s;
    s.pixelsPerInch = 200;  // a strip wide enough to look into its fifths
    const QImage img = render_picture(g.v, s);
    const GraphLayout l = layout_picture(g.g, img.size(), s.metrics());
    const PanelMapping depth(l.strip, g.v.range(), true);
    const int fifth = l.strip.width() / 5;
    const QColor grey(0x80, 0x80, 0x80);
    QCOMPARE(img.pixelColor(l.strip.left + 2 * fifth + fifth / 2, depth.pixelY(20)), grey);
    QVERIFY(img.pixelColor(l.strip.left + 2 * fifth + fifth / 2, depth.pixelY(35)) != grey);
    // Above the excavation level the excavation side is open: white only.
    bool any_black = false;
    for (int y = depth.pixelY(1); y < depth.pixelY(9); ++y)
        for (int x = l.strip.left + 3 * fifth + 3; x < l.strip.right - 3; ++x)
            any_black = any_black || img.pixelColor(x, y) == QColor(Qt::black);
    QVERIFY(!any_black);
}

void GraphPainterTest::svgCarriesTitlesLabelsAndLegend() {
    ResultGraphs graphs;
    ResultArrays a;
    QVERIFY(PlotFileReader(graphs, a).read(example_plot_file("two_stage"), false));
    GraphView v(graphs.pltMom);
    QVERIFY(v.open());
    QTemporaryDir dir;
    const QString path = dir.filePath("moment.svg");
    const PictureResult r = save_picture(v, path, PictureSpec{});
    QVERIFY2(r.ok, qPrintable(r.message));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(f.readAll());
    for (const char* text :
         {">Bending Moment (in-kips)<", ">Depth (ft)<", ">Stage: 1<", ">Stage: 2<", ">0<", ">10<"})
        QVERIFY2(svg.contains(QLatin1String(text)), text);
    QVERIFY(svg.contains(QLatin1String("<title>Moment vs Depth</title>")));
}

void GraphPainterTest::tooSmallPictureIsWhite() {
    Graph g;
    PictureSpec s;
    s.widthInches = 0.9;
    s.heightInches = 3;
    const QImage img = render_picture(g.v, s);
    for (int x = 0; x < img.width(); x += 7)
        for (int y = 0; y < img.height(); y += 7) QCOMPARE(img.pixelColor(x, y), QColor(Qt::white));
}

QTEST_MAIN(GraphPainterTest)
#include "graph_painter_test.moc"
