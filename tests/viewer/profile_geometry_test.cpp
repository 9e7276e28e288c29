// The world window, display window, mapping and depth read-out of the profile view, checked
// against hand computation for a 240 in wall with a 120 in free height.
#include <QtTest>

#include "tests/viewer/profile_test_support.h"
#include "viewer/profile_drawing.h"
#include "viewer/profile_geometry.h"

using namespace vornel;

class ProfileGeometryTest : public QObject {
    Q_OBJECT
  private slots:
    void worldWindowOfTheWall();
    void displayWindowHasEqualScales();
    void wideningWidensOnlyTheHorizontalRange();
    void mappingAndItsInverse();
    void pageMapsDepthsToTheMiddleEightyPercent();
    void depthAtWallTopAndToe();
    void depthInMetresForAnSIWall();
    void degenerateViewMapsNothing();
    void pileCirclesStayInsideTheView();
    void depthCaptionText();
};

void ProfileGeometryTest::worldWindowOfTheWall() {
    ProfileGeometry g;
    QCOMPARE(g.world(), (WorldWindow{-10, 10, 0, 10}));
    auto p = test::small_cantilever();
    g.rebuild(p->data());
    // L = 40 x 6 = 240 in, t0 = 24 in, a = 120 / 40 = 3 in; the box holds the origin, x 1.05.
    QCOMPARE(g.topMargin(), 24.0);
    QCOMPARE(g.outlines().size(), size_t(1));
    QCOMPARE(g.outlines()[0], QPolygonF({{-3, 24}, {3, 24}, {3, 264}, {-3, 264}}));
    QCOMPARE(g.world().xmin, -3.15);
    QCOMPARE(g.world().xmax, 3.15);
    QCOMPARE(g.world().ymin, 0.0);
    QCOMPARE(g.world().ymax, 277.2);
    QVERIFY(!g.degenerate());
}

void ProfileGeometryTest::displayWindowHasEqualScales() {
    auto p = test::small_cantilever();
    ProfileGeometry g;
    g.rebuild(p->data());
    g.resize(QSizeF(580, 400));
    const WorldWindow& d = g.display();
    const double r = (580.0 / 400.0) / (6.3 / 277.2);
    QCOMPARE(d.xmin, -3.15 * r);
    QCOMPARE(d.xmax, 3.15 * r);
    QCOMPARE(d.ymin, 0.0);
    QCOMPARE(d.ymax, 277.2);
    QCOMPARE((d.xmax - d.xmin) / 580.0, (d.ymax - d.ymin) / 400.0);
}

void ProfileGeometryTest::wideningWidensOnlyTheHorizontalRange() {
    auto p = test::small_cantilever();
    ProfileGeometry g;
    g.rebuild(p->data());
    g.resize(QSizeF(580, 400));
    const WorldWindow narrow = g.display();
    g.resize(QSizeF(1160, 400));
    QCOMPARE(g.display().ymin, 0.0);
    QCOMPARE(g.display().ymax, narrow.ymax);
    QCOMPARE(g.display().xmax - g.display().xmin, 2 * (narrow.xmax - narrow.xmin));
    // A window narrower than the wall's proportions lengthens the vertical range downward.
    g.resize(QSizeF(2, 400));
    QCOMPARE(g.display().xmin, -3.15);
    QCOMPARE(g.display().ymin, 0.0);
    QVERIFY(g.display().ymax > 277.2 * 3);
}

void ProfileGeometryTest::mappingAndItsInverse() {
    auto p = test::small_cantilever();
    ProfileGeometry g;
    g.rebuild(p->data());
    g.resize(QSizeF(580, 400));
    const ProfileMapping m = g.screen();
    QCOMPARE(m.column(0.0), 290.0);                       // the centre line mid-width
    QCOMPARE(m.row(24.0), std::round(400 * 24 / 277.2));  // the wall top: 34.6 -> 35
    QCOMPARE(m.row(264.0), std::round(400 * 264 / 277.2));
    QCOMPARE(m.across(0.52), 302.0);
    QCOMPARE(m.left(), 0.0);
    QCOMPARE(m.right(), 580.0);
    const QPointF w = m.toWorld(QPointF(435, 200));
    QCOMPARE(m.column(w.x()), 435.0);
    QCOMPARE(m.row(w.y()), 200.0);
}

void ProfileGeometryTest::pageMapsDepthsToTheMiddleEightyPercent() {
    auto p = test::small_cantilever();
    ProfileGeometry g;
    g.rebuild(p->data());
    g.resize(QSizeF(580, 400));
    const ProfileMapping m = g.mapping(QSizeF(6000, 4000), ProfileMedium::Page);
    QCOMPARE(m.row(g.display().ymin), 400.0);
    QCOMPARE(m.row(g.display().ymax), 3600.0);
    QCOMPARE(m.column(g.display().xmin), 0.0);  // outlines use the full page width
    QCOMPARE(m.column(0.0), 3000.0);
    QCOMPARE(m.left(), 600.0);
    QCOMPARE(m.right(), 5400.0);
    QCOMPARE(m.across(0.38), 2280.0);
}

void ProfileGeometryTest::depthAtWallTopAndToe() {
    auto p = test::small_cantilever();
    ProfileGeometry g;
    g.rebuild(p->data());
    g.resize(QSizeF(580, 400));
    const double pixel = 277.2 / 400;  // world height of one pixel row
    const ProfileMapping m = g.screen();
    const std::optional<double> top = g.depthAt(QPointF(290, m.row(24.0)));
    QVERIFY(top);
    QVERIFY2(std::abs(*top) <= pixel, qPrintable(QString::number(*top)));
    const std::optional<double> toe = g.depthAt(QPointF(290, m.row(264.0)));
    QVERIFY(toe);
    QVERIFY2(std::abs(*toe - 240.0) <= pixel, qPrintable(QString::number(*toe)));
    QCOMPARE(*g.depthAt(QPointF(10, 0)), -24.0);  // the top edge lies a margin above the wall
}

void ProfileGeometryTest::depthInMetresForAnSIWall() {
    auto p = test::small_cantilever();
    TProgramData& d = p->data();
    d.UnitSystem = 2;
    d.Increments = 50;
    d.IncrementLength = 0.2;  // a 10 m wall
    d.FreeHeight = 4.0;
    ProfileGeometry g;
    g.rebuild(d);
    g.resize(QSizeF(580, 400));
    const double toe = *g.depthAt(QPointF(290, g.screen().row(11.0)));
    QVERIFY2(std::abs(toe - 10.0) <= 11.55 / 400, qPrintable(QString::number(toe)));
    QCOMPARE(depth_caption(toe), QStringLiteral("  Depth: 10.0"));
}

void ProfileGeometryTest::degenerateViewMapsNothing() {
    auto p = test::small_cantilever();
    ProfileGeometry g;
    p->data().FreeHeight = 0.0;  // no wall width
    g.rebuild(p->data());
    g.resize(QSizeF(580, 400));
    QVERIFY(g.degenerate());
    QVERIFY(!g.depthAt(QPointF(290, 200)));
    p->data().FreeHeight = 120.0;
    p->data().Increments = 0;  // no wall length
    g.rebuild(p->data());
    QVERIFY(g.degenerate());
    QVERIFY(!g.depthAt(QPointF(290, 200)));
    p->data().Increments = 40;  // mended data: the next rebuild draws again
    g.rebuild(p->data());
    QVERIFY(!g.degenerate());
    QVERIFY(g.depthAt(QPointF(290, 200)));
}

void ProfileGeometryTest::depthCaptionText() {
    QCOMPARE(depth_caption(12.34), QStringLiteral("  Depth: 12.3"));
    QCOMPARE(depth_caption(431.96), QStringLiteral("  Depth: 432.0"));
    QCOMPARE(depth_caption(-3.26), QStringLiteral("  Depth: -3.3"));
    QCOMPARE(depth_caption(-0.04), QStringLiteral("  Depth: 0.0"));
    QCOMPARE(depth_caption(0.0), QStringLiteral("  Depth: 0.0"));
    QCOMPARE(depth_caption(999999.9), QStringLiteral("  Depth: 999999.9"));
    QCOMPARE(depth_caption(1234567.0), QStringLiteral("  Depth: 1.23457E+06"));
}

// Every circle of every example, on screens tall, wide and square and on the page, lies whole
// inside the drawing; the small wall with piles 400 in beside it is the case that left them cut
// off at the right edge.
void ProfileGeometryTest::pileCirclesStayInsideTheView() {
    auto small = test::small_cantilever();
    small->data().ActiveWidth = 12.0;
    small->data().PYWidth = 6.0;
    std::vector<std::pair<QString, std::unique_ptr<test::ProfileProject>>> projects;
    projects.emplace_back(QStringLiteral("small cantilever"), std::move(small));
    // Opened from copies: opening a staged project writes its stage files beside it.
    QTemporaryDir work;
    const QDir examples(QStringLiteral(VORNEL_SOURCE_DIR "/examples"));
    for (const QString& f : examples.entryList({QStringLiteral("*.vn5d")}, QDir::Files)) {
        const QString copy = QDir(work.path()).filePath(f);
        QVERIFY(QFile::copy(examples.filePath(f), copy));
        auto p = std::make_unique<test::ProfileProject>();
        p->project.openFile(copy);
        projects.emplace_back(f, std::move(p));
    }
    int checked = 0;
    for (auto& [name, p] : projects) {
        ProfileGeometry g;
        g.rebuild(p->data());
        for (const QSizeF size : {QSizeF(580, 431), QSizeF(300, 900), QSizeF(1200, 400)}) {
            g.resize(size);
            for (const ProfileMedium medium : {ProfileMedium::Screen, ProfileMedium::Page}) {
                const ProfileDrawing dr = build_profile_drawing(g, p->data(), {size, medium}, 0);
                for (const ProfileItem* c : dr.of(ProfileItemKind::PileCircle)) {
                    const QRectF& e = c->ellipse;  // a tiny circle may round to a point
                    QVERIFY2(e.left() >= 0 && e.top() >= 0 && e.right() <= size.width() &&
                                 e.bottom() <= size.height(),
                             qPrintable(name));
                    ++checked;
                }
            }
        }
    }
    QVERIFY(checked >= 30);  // the small wall alone has five circles in six views
}

QTEST_MAIN(ProfileGeometryTest)
#include "profile_geometry_test.moc"
