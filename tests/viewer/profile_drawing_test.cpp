// What the profile shows, in pixels: ground lines, hatch or slope, layer bottoms and texts, the
// wall, the marks of restraints, user p-y curves and springs, the pile circles, on the screen
// and on a printed page.
#include <QtTest>
#include <cmath>

#include "tests/viewer/profile_test_support.h"
#include "viewer/profile_drawing.h"

using namespace vornel;
using K = ProfileItemKind;

namespace {

constexpr double kText = 13.0;

struct Built {
    ProfileGeometry geometry;
    ProfileDrawing drawing;
    double y(double depth) const { return geometry.screen().row(depth + geometry.topMargin()); }
};

Built build(TProgramData& d, int earth_points = 0, QSizeF size = QSizeF(580, 400)) {
    Built b;
    b.geometry.rebuild(d);
    b.geometry.resize(size);
    b.drawing =
        build_profile_drawing(b.geometry, d, {size, ProfileMedium::Screen, kText}, earth_points);
    return b;
}

std::vector<QLineF> lines_of(const ProfileDrawing& d, K kind) {
    std::vector<QLineF> all;
    for (const ProfileItem* item : d.of(kind))
        all.insert(all.end(), item->lines.begin(), item->lines.end());
    return all;
}

int index_of(const ProfileDrawing& d, K kind) {
    for (size_t i = 0; i < d.items.size(); ++i)
        if (d.items[i].kind == kind) return static_cast<int>(i);
    return -1;
}

}  // namespace

class ProfileDrawingTest : public QObject {
    Q_OBJECT
  private slots:
    void layerAboveExcavationDrawsOnBackfillHalf();
    void layerNamesAndParameters();
    void parameterLinesOfEverySoilType();
    void levelBackfillIsHatched();
    void slopingBackfillShowsItsSlope();
    void soilLayersOnlyWhenGenerated();
    void groundLinesAndWall();
    void restraintArrowheads();
    void pyNodeArrowsWithUserCurvesOrPressurePoints();
    void springsOnlyAboveExcavation();
    void pileCirclesAndLabels();
    void printedPage();
    void degenerateDrawsNothing();
};

void ProfileDrawingTest::layerAboveExcavationDrawsOnBackfillHalf() {
    auto p = test::small_cantilever();
    // Bottoms at 5 ft (60 in, above the 120 in excavation level), 10 ft (at it) and 30 ft.
    TGridTable& soil = p->data().tables().NewSoil;
    soil.setRowCount(3);
    soil.setItem(col::kSlType, 2, kSand);
    soil.setReal(col::kSlDepth, 2, 30.0);
    soil.setReal(col::kSlDepth, 1, 10.0);
    const Built b = build(p->data());
    const std::vector<QLineF> bottoms = lines_of(b.drawing, K::LayerBottom);
    QCOMPARE(bottoms.size(), size_t(3));
    QCOMPARE(bottoms[0], QLineF(0, b.y(60), 290, b.y(60)));
    QCOMPARE(bottoms[1], QLineF(0, b.y(120), 580, b.y(120)));
    QCOMPARE(bottoms[2], QLineF(0, b.y(360), 580, b.y(360)));
}

void ProfileDrawingTest::layerNamesAndParameters() {
    auto p = test::small_cantilever();
    const Built b = build(p->data());
    const auto names = b.drawing.of(K::LayerName);
    const auto params = b.drawing.of(K::LayerParameters);
    QCOMPARE(names.size(), size_t(2));
    QCOMPARE(names[0]->text, QStringLiteral("Soft clay"));
    QCOMPARE(names[0]->textTopLeft, QPointF(0, b.y(0)));
    QCOMPARE(params[0]->text, QStringLiteral("c= 250; gamma= 110"));
    QCOMPARE(params[0]->textTopLeft, QPointF(0, b.y(0) + kText));
    QCOMPARE(names[1]->text, QStringLiteral("Sand"));
    QCOMPARE(names[1]->textTopLeft, QPointF(0, b.y(60)));
    QCOMPARE(params[1]->text, QString::fromUtf8("ø= 34; gamma= 120"));
}

void ProfileDrawingTest::parameterLinesOfEverySoilType() {
    auto p = test::small_cantilever();
    TGridTable& soil = p->data().tables().NewSoil;
    soil.setRowCount(7);
    const QStringList names{
        "Soft clay", "Stiff clay w/free water", "Stiff clay w/o free water", "Sand", "Silt", "Rock",
        "Weak Rock"};
    const QStringList lines{"c= 2.5; gamma= 0.1",
                            "c= 2.5; gamma= 0.1",
                            "c= 2.5; gamma= 0.1",
                            QString::fromUtf8("ø= 2.5; gamma= 0.1"),
                            QString::fromUtf8("ø= 2.5; c= 1E-5; gamma= 0.1"),
                            "compressive strength= 2.5; gamma= 0.1",
                            "compressive strength= 2.5; gamma= 0.1"};
    for (int type = 1; type <= 7; ++type) {
        const int r = type - 1;
        soil.setItem(col::kSlType, r, type == 1 ? 2 : 1);  // a fresh parameter table
        soil.setItem(col::kSlType, r, type);
        TGridTable* t = soil.subTable(col::kSlParameters, r);
        QVERIFY(t);
        t->setReal(0, 0, 99.0);  // the top row is not shown
        t->setReal(0, 1, 0.1);
        t->setReal(1, 1, 2.5);
        if (type == kSilt) t->setReal(2, 1, 0.00001);
        QCOMPARE(soil_type_name(type), names[r]);
        QCOMPARE(soil_parameter_line(type, t), lines[r]);
    }
    // Converted table values show six significant digits, not conversion noise.
    soil.subTable(col::kSlParameters, 0)->setReal(0, 1, 0.06655093 * 1728);
    QCOMPARE(soil_parameter_line(kSoftClay, soil.subTable(col::kSlParameters, 0)),
             QStringLiteral("c= 2.5; gamma= 115"));
    QCOMPARE(soil_type_name(0), QString());
}

void ProfileDrawingTest::levelBackfillIsHatched() {
    auto p = test::small_cantilever();
    const Built b = build(p->data());
    const std::vector<QLineF> hatch = lines_of(b.drawing, K::Hatch);
    QCOMPARE(hatch.size(), size_t(5));
    const double y0 = b.y(0);
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(hatch[k - 1], QLineF(100 + 20 * k, y0, 115 + 20 * k, y0 + 5));
    QCOMPARE(b.drawing.count(K::BackfillSlope), 0);
}

void ProfileDrawingTest::slopingBackfillShowsItsSlope() {
    auto p = test::small_cantilever();
    p->data().BackfillSlope = 20.0;
    Built b = build(p->data());
    QCOMPARE(b.drawing.count(K::Hatch), 0);
    std::vector<QLineF> slope = lines_of(b.drawing, K::BackfillSlope);
    QCOMPARE(slope.size(), size_t(1));
    const double y0 = b.y(0);
    // From the wall top on the centre line to a quarter of the width, rising 145 tan 20 = 52.8.
    QCOMPARE(slope[0], QLineF(290, y0, 145, y0 - 53));
    const double angle =
        std::atan2(slope[0].p1().y() - slope[0].p2().y(), slope[0].p1().x() - slope[0].p2().x()) *
        180 / M_PI;
    QVERIFY2(std::abs(angle - 20.0) < 0.3, qPrintable(QString::number(angle)));
    // A backfill falling away from the wall is drawn falling.
    p->data().BackfillSlope = -10.0;
    b = build(p->data());
    slope = lines_of(b.drawing, K::BackfillSlope);
    QCOMPARE(slope.size(), size_t(1));
    QCOMPARE(slope[0], QLineF(290, y0, 145, y0 + std::round(145 * std::tan(10 * M_PI / 180))));
}

void ProfileDrawingTest::soilLayersOnlyWhenGenerated() {
    auto p = test::small_cantilever();
    TProgramData& d = p->data();
    d.EarthPressureOption = 1;  // user pressure and no generated p-y curves: no layers
    d.GeneratePY = 0;
    Built b = build(d);
    QCOMPARE(b.drawing.count(K::LayerBottom), 0);
    QCOMPARE(b.drawing.count(K::LayerName), 0);
    QCOMPARE(b.drawing.count(K::Hatch), 0);
    QCOMPARE(b.drawing.count(K::BackfillGround), 1);
    QCOMPARE(b.drawing.count(K::ExcavationGround), 1);
    d.UseExternalPY = true;  // user p-y curves alone draw no layers either
    QCOMPARE(build(d).drawing.count(K::LayerBottom), 0);
    d.EarthPressureOption = 2;  // triangular generated pressure
    d.GeneratedPressure = true;
    QCOMPARE(build(d).drawing.count(K::LayerBottom), 2);
    d.EarthPressureOption = 3;  // trapezoidal generated pressure (anchored walls)
    QCOMPARE(build(d).drawing.count(K::LayerBottom), 2);
    d.EarthPressureOption = 1;
    d.GeneratePY = 1;  // generated p-y curves
    QCOMPARE(build(d).drawing.count(K::LayerBottom), 2);
}

void ProfileDrawingTest::groundLinesAndWall() {
    auto p = test::small_cantilever();
    const Built b = build(p->data());
    const std::vector<QLineF> backfill = lines_of(b.drawing, K::BackfillGround);
    QCOMPARE(backfill.size(), size_t(2));  // with the first layer and again over the wall
    QCOMPARE(backfill[1], QLineF(0, b.y(0), 290, b.y(0)));
    QCOMPARE(lines_of(b.drawing, K::ExcavationGround)[0], QLineF(290, b.y(120), 580, b.y(120)));
    const auto walls = b.drawing.of(K::Wall);
    QCOMPARE(walls.size(), size_t(1));
    const ProfileMapping m = b.geometry.screen();
    const QPolygonF expected({{m.column(-3), b.y(0)},
                              {m.column(3), b.y(0)},
                              {m.column(3), b.y(240)},
                              {m.column(-3), b.y(240)}});
    QCOMPARE(walls[0]->polygon, expected);
    QVERIFY(m.column(3) - m.column(-3) >= 8);  // 6 in at 0.69 in per pixel
    // Layer lines lie under the wall, the ground lines over it.
    QVERIFY(index_of(b.drawing, K::LayerBottom) < index_of(b.drawing, K::Wall));
    QVERIFY(index_of(b.drawing, K::Wall) < index_of(b.drawing, K::ExcavationGround));
}

void ProfileDrawingTest::restraintArrowheads() {
    auto p = test::small_cantilever();
    TProgramData& d = p->data();
    TGridTable& t = d.tables().SoilLayer;
    t.setRowCount(2);
    t.setInteger(col::kRsNode, 0, 0);
    t.setItem(col::kRsCase, 1, 2);  // a slope restraint has the same mark
    t.setInteger(col::kRsNode, 1, 20);
    QCOMPARE(build(d).drawing.count(K::Restraint), 0);  // the option is off
    d.UseRestraints = true;
    const Built b = build(d);
    const auto marks = b.drawing.of(K::Restraint);
    QCOMPARE(marks.size(), size_t(2));
    const double y = b.y(120);
    QCOMPARE(marks[1]->penWidth, 2);
    QCOMPARE(marks[1]->lines,
             (std::vector<QLineF>{QLineF(290, y, 302, y), QLineF(290, y, 302, y - 6),
                                  QLineF(290, y, 302, y + 6)}));
    QCOMPARE(marks[0]->lines[0], QLineF(290, b.y(0), 302, b.y(0)));
}

void ProfileDrawingTest::pyNodeArrowsWithUserCurvesOrPressurePoints() {
    auto p = test::small_cantilever();
    TProgramData& d = p->data();
    TGridTableChart& t = d.tables().PYCurves2;
    t.setRowCount(2);
    t.setInteger(col::kPyNode, 0, 10);
    t.setInteger(col::kPyNode, 1, 30);
    QCOMPARE(build(d, 1).drawing.count(K::PYNode), 0);
    QCOMPARE(build(d, 2).drawing.count(K::PYNode), 2);
    d.UseExternalPY = true;
    const Built b = build(d, 0);
    const auto marks = b.drawing.of(K::PYNode);
    QCOMPARE(marks.size(), size_t(2));
    const double y = b.y(60);
    QCOMPARE(marks[0]->penWidth, 2);
    QCOMPARE(marks[0]->lines,
             (std::vector<QLineF>{QLineF(290, y, 261, y), QLineF(249, y, 220, y),
                                  QLineF(220, y, 232, y - 6), QLineF(220, y, 232, y + 6)}));
    QCOMPARE(marks[1]->lines[0].y1(), b.y(180));
}

void ProfileDrawingTest::springsOnlyAboveExcavation() {
    auto p = test::small_cantilever();
    TProgramData& d = p->data();
    TGridTable& t = d.tables().SoilStrength;
    t.setRowCount(3);
    t.setInteger(col::kSpFrom, 0, 5);   // 30 in, above the 120 in excavation level
    t.setInteger(col::kSpFrom, 1, 20);  // 120 in, at it
    t.setInteger(col::kSpFrom, 2, 25);  // below it
    QCOMPARE(build(d).drawing.count(K::Spring), 0);
    d.UseSprings = true;
    const Built b = build(d);
    const auto marks = b.drawing.of(K::Spring);
    QCOMPARE(marks.size(), size_t(1));
    QCOMPARE(marks[0]->penWidth, 5);
    QCOMPARE(marks[0]->lines, (std::vector<QLineF>{QLineF(290, b.y(30), 348, b.y(30))}));
}

void ProfileDrawingTest::pileCirclesAndLabels() {
    auto p = test::small_cantilever();
    TProgramData& d = p->data();
    d.ActiveWidth = 12.0;
    QCOMPARE(build(d).drawing.count(K::PileCircle), 0);  // no p-y width
    d.PYWidth = 6.0;
    const Built b = build(d, 0, QSizeF(1200, 400));  // wide enough to show x = 400
    const auto circles = b.drawing.of(K::PileCircle);
    QCOMPARE(circles.size(), size_t(5));
    const ProfileMapping m = b.geometry.screen();
    for (int i = 0; i < 5; ++i) {
        const QRectF e = circles[i]->ellipse;
        QCOMPARE(e.left(), m.column(394));
        QCOMPARE(e.right(), m.column(406));
        QCOMPARE(e.top(), m.row(64 + 24.0 * i));
        QCOMPARE(e.bottom(), m.row(76 + 24.0 * i));
        QCOMPARE(circles[i]->penWidth, 2);
    }
    QVERIFY(circles[0]->ellipse.right() < 1200);
    const auto top = b.drawing.of(K::TopViewLabel);
    QCOMPARE(top.size(), size_t(1));
    QCOMPARE(top[0]->text, QStringLiteral("top view"));
    const QRectF e = circles[0]->ellipse;
    // A tenth of the circle's width left of its centre, unless that runs the label off the
    // right edge: 8 letters at 0.6 of a 13-pixel text line.
    const double start = std::min(e.center().x() - 0.1 * e.width(), 1200.0 - 0.6 * 13 * 8);
    QCOMPARE(top[0]->textTopLeft, QPointF(std::round(start), 5));
    const auto side = b.drawing.of(K::SideViewLabel);
    QCOMPARE(side[0]->text, QStringLiteral("side view"));
    QCOMPARE(side[0]->textTopLeft, QPointF(600, 5));
}

void ProfileDrawingTest::printedPage() {
    auto p = test::small_cantilever();
    TProgramData& d = p->data();
    d.UseRestraints = d.UseSprings = true;
    d.tables().SoilLayer.setInteger(col::kRsNode, 0, 10);
    d.tables().SoilStrength.setInteger(col::kSpFrom, 0, 5);
    d.ActiveWidth = d.PYWidth = 12.0;
    ProfileGeometry g;
    g.rebuild(d);
    g.resize(QSizeF(580, 400));
    const QSizeF page(6600, 5100);
    const ProfileDrawing dr = build_profile_drawing(g, d, {page, ProfileMedium::Page, 60}, 0);
    const ProfileMapping m = g.mapping(page, ProfileMedium::Page);
    QVERIFY(!dr.fillBackground);
    const double y0 = m.row(24);
    QCOMPARE(y0, std::round(510 + 4080 * 24 / g.display().ymax));
    QCOMPARE(lines_of(dr, K::BackfillGround)[0], QLineF(660, y0, 3300, y0));
    QCOMPARE(lines_of(dr, K::ExcavationGround)[0], QLineF(3300, m.row(144), 5940, m.row(144)));
    QCOMPARE(lines_of(dr, K::LayerBottom)[0], QLineF(660, m.row(84), 3300, m.row(84)));
    QCOMPARE(lines_of(dr, K::LayerBottom)[1], QLineF(660, m.row(384), 5940, m.row(384)));
    const std::vector<QLineF> hatch = lines_of(dr, K::Hatch);
    QCOMPARE(hatch.size(), size_t(5));
    for (size_t k = 1; k < hatch.size(); ++k) QCOMPARE(hatch[k].x1() - hatch[k - 1].x1(), 50.0);
    QCOMPARE(hatch[0].dy(), 70.0);
    QCOMPARE(hatch[0].y1(), y0);
    for (const ProfileItem* item : dr.of(K::LayerBottom)) QCOMPARE(item->penWidth, 12);
    QCOMPARE(dr.of(K::Hatch)[0]->penWidth, 12);
    QCOMPARE(dr.of(K::Restraint)[0]->penWidth, 15);
    QCOMPARE(dr.of(K::Restraint)[0]->lines[1], QLineF(3300, m.row(84), 3432, m.row(84) - 66));
    QCOMPARE(dr.of(K::Spring)[0]->penWidth, 35);
    QCOMPARE(dr.of(K::Spring)[0]->lines[0], QLineF(3300, m.row(54), 3960, m.row(54)));
    QCOMPARE(dr.of(K::LayerName)[0]->textTopLeft, QPointF(660, y0));
    QCOMPARE(dr.of(K::LayerParameters)[0]->textTopLeft, QPointF(660, y0 + 60));
    const QPolygonF wall = dr.of(K::Wall)[0]->polygon;
    QCOMPARE(wall[0], QPointF(m.column(-3), y0));
    QCOMPARE(wall[2], QPointF(m.column(3), m.row(264)));
    QCOMPARE(dr.of(K::PileCircle)[0]->penWidth, 12);
}

void ProfileDrawingTest::degenerateDrawsNothing() {
    auto p = test::small_cantilever();
    p->data().FreeHeight = 0.0;
    const Built b = build(p->data());
    QVERIFY(b.drawing.items.empty());
    QVERIFY(!b.drawing.fillBackground);
}

QTEST_MAIN(ProfileDrawingTest)
#include "profile_drawing_test.moc"
