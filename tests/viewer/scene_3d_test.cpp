// The 3D scene checked primitive by primitive against the layout of the wall, soil, water,
// loads and supports, without a display.
#include <QtTest>
#include <cmath>

#include "scene_test_support.h"
#include "viewer/scene_mesh.h"

using namespace vornel;
using namespace vornel::test;

namespace {

bool near(double a, double b) {
    return std::abs(a - b) < 1e-9 * std::max(1.0, std::abs(b));
}
#define QNEAR(a, b) QVERIFY2(near((a), (b)), qPrintable(QString("%1 vs %2").arg(a).arg(b)))

void set_soil(TProgramData& d, std::initializer_list<double> bottoms) {
    TGridTable& t = d.tables().NewSoil;
    t.setRowCount(int(bottoms.size()));
    int r = 0;
    for (double b : bottoms) t.setReal(col::kSlDepth, r++, b);
}

// Soil blocks of one layer as (x0, x1, top depth, bottom depth).
struct Block {
    double x0, x1, top, bottom;
};
std::vector<Block> blocks(const Scene3d& s, int layer) {
    std::vector<Block> out;
    for (const ScenePrimitive& p : s.soil)
        if (p.tag == SceneTag::SoilLayer && p.layer == layer)
            out.push_back({p.lower().x, p.upper().x, -p.upper().z, -p.lower().z});
    return out;
}

}  // namespace

class Scene3dTest : public QObject {
    Q_OBJECT
  private slots:
    void wallDimensionsAndExtents();
    void wallPanelsWithCaps();
    void noGeneratedCurvesShowNoSoilNorWater();
    void layerAboveExcavationOnBackfillOnly();
    void layerAcrossExcavationLevel();
    void layerAcrossToeSplitAtToe();
    void layerBelowToe();
    void layerColours();
    void waterTablesWithPyramids();
    void concentratedLoads();
    void interpolatedRowsReachNextEndNode();
    void rangesBeyondTheWallStayOnTheWall();
    void lateralSprings();
    void restraints();
    void tiebacks();
    void noActiveWidthNoAnchors();
    void surcharges();
    void deformedShapeFollowsTheLine();
    void showFlagsHideTheirParts();
    void translucentOnlySoilWaterAndStrips();
    void meshFacesOutward();
    void threeStageExample();
};

void Scene3dTest::wallDimensionsAndExtents() {
    SceneProject p;
    WallDimensions w = wall_dimensions(p.data);
    QNEAR(w.length, 20.0);
    QNEAR(w.thickness, 0.2);
    QNEAR(w.width, 1.0);
    QNEAR(w.increment, 0.5);
    QCOMPARE(w.nodes, 40);
    SceneExtents x = p.extents();
    QNEAR(x.b, 5.0);
    QNEAR(x.d, 12.5);
    QNEAR(x.a, 30.0);  // the soil reaches deeper than the wall
    QNEAR(x.D, 60.0);
    QNEAR(x.P, 10.0);

    // No widths: a tenth of the length wide, a hundredth thick.
    p.data.ActiveWidth = 0;
    p.data.PYWidth = 0;
    w = wall_dimensions(p.data);
    QNEAR(w.width, 2.0);
    QNEAR(w.thickness, 0.2);

    // A far strip load widens the scene: 0.9 x (X + w/2), both in inches here.
    p.data.UseSurcharge = true;
    TGridTable& s = p.data.tables().SurchargeTable;
    s.setRowCount(2);
    s.setItem(col::kSuType, 0, 3);
    s.setReal(col::kSuDistance, 0, 300 * 12);
    s.setReal(col::kSuWidth, 0, 40 * 12);
    s.setItem(col::kSuType, 1, 1);
    s.setReal(col::kSuDistance, 1, 310 * 12);
    x = p.extents();
    QNEAR(x.surchargeReach, 0.9 * 320);
    QNEAR(x.d, 288.0);
    QNEAR(x.D, 288.0);

    // SI: lengths as they stand; the surcharge's small unit is mm.
    p.data.UnitSystem = 2;
    p.data.Increments = 10;
    p.data.IncrementLength = 0.5;
    p.data.ActiveWidth = 1.2;
    w = wall_dimensions(p.data);
    QNEAR(w.length, 5.0);
    QNEAR(w.width, 1.2);
    x = p.extents();
    QNEAR(x.surchargeReach, 0.9 * (3.6 + 0.24));
}

void Scene3dTest::wallPanelsWithCaps() {
    SceneProject p;
    const Scene3d s = p.scene();
    const auto walls = with_tag(s.wall, SceneTag::Wall);
    const auto caps = with_tag(s.wall, SceneTag::WallCap);
    QCOMPARE(int(walls.size()), 20);
    QCOMPARE(int(caps.size()), 20);
    QCOMPARE(count_tag(s.wall, SceneTag::DeformedWall), 0);
    // Panels of width W side by side from -10 W to 10 W, the full depth of the wall.
    double ymin = 1e9, ymax = -1e9;
    for (const auto& w : walls) {
        QNEAR(w.upper().y - w.lower().y, 1.0);
        QNEAR(w.lower().x, -0.1);
        QNEAR(w.upper().x, 0.1);
        QNEAR(w.lower().z, -20.0);
        QNEAR(w.upper().z, 0.0);
        ymin = std::min(ymin, w.lower().y);
        ymax = std::max(ymax, w.upper().y);
        QCOMPARE(w.face, (SceneColor{0.75, 0.75, 0.75, 1}));
        QCOMPARE(w.edge, (SceneColor{0.9, 0.9, 0, 1}));
    }
    QNEAR(ymin, -10.0);
    QNEAR(ymax, 10.0);
    QCOMPARE(caps[0].kind, PrimitiveKind::Rectangle);
    QNEAR(caps[0].lower().z, 0.0);
    QNEAR(caps[0].upper().z, 0.0);
    QCOMPARE(caps[0].face, (SceneColor{0.25, 0.25, 0.25, 1}));
    QCOMPARE(caps[0].edge, (SceneColor{1, 0.5, 0, 1}));
}

void Scene3dTest::noGeneratedCurvesShowNoSoilNorWater() {
    SceneProject p;
    QVERIFY(!p.scene().soil.empty());
    p.data.GeneratePY = 0;
    QVERIFY(p.scene().soil.empty());
    QCOMPARE(count_tag(p.scene().wall, SceneTag::Wall), 20);
}

void Scene3dTest::layerAboveExcavationOnBackfillOnly() {
    SceneProject p;
    set_soil(p.data, {5, 30});  // H = 8
    const auto b = blocks(p.scene(), 0);
    QCOMPARE(int(b.size()), 1);
    QNEAR(b[0].x0, -25.0);
    QNEAR(b[0].x1, -0.1);
    QNEAR(b[0].top, 0.0);
    QNEAR(b[0].bottom, 5.0);
}

void Scene3dTest::layerAcrossExcavationLevel() {
    SceneProject p;
    set_soil(p.data, {5, 15, 30});
    const auto b = blocks(p.scene(), 1);  // 5..15 across H = 8, above the toe at 20
    QCOMPARE(int(b.size()), 3);
    QNEAR(b[0].x0, -25.0);
    QNEAR(b[0].top, 5.0);
    QNEAR(b[0].bottom, 8.0);
    QNEAR(b[1].x1, -0.1);
    QNEAR(b[1].top, 8.0);
    QNEAR(b[1].bottom, 15.0);
    // The excavation strip starts at the wall's centre line and stops e/2 short of 2d.
    QNEAR(b[2].x0, 0.0);
    QNEAR(b[2].x1, 24.9);
    QNEAR(b[2].top, 8.0);
    QNEAR(b[2].bottom, 15.0);
}

void Scene3dTest::layerAcrossToeSplitAtToe() {
    SceneProject p;
    set_soil(p.data, {10, 30});  // second layer 10..30 across the toe at 20
    const auto b = blocks(p.scene(), 1);
    QCOMPARE(int(b.size()), 4);
    QNEAR(b[0].top, 10.0);
    QNEAR(b[0].bottom, 20.0);
    QNEAR(b[1].bottom, 20.0);
    // Below the toe the two blocks span the full width and meet at x = 0.
    QNEAR(b[2].x0, -25.0);
    QNEAR(b[2].x1, 0.0);
    QNEAR(b[3].x0, 0.0);
    QNEAR(b[3].x1, 25.0);
    QNEAR(b[2].top, 20.0);
    QNEAR(b[3].bottom, 30.0);

    // One layer from the surface past the toe: backfill to H, strips to L, blocks below.
    set_soil(p.data, {30});
    const auto c = blocks(p.scene(), 0);
    QCOMPARE(int(c.size()), 5);
    QNEAR(c[0].bottom, 8.0);
    QNEAR(c[1].top, 8.0);
    QNEAR(c[2].bottom, 20.0);
    QNEAR(c[3].top, 20.0);
}

void Scene3dTest::layerBelowToe() {
    SceneProject p;
    set_soil(p.data, {10, 25, 30});
    const auto b = blocks(p.scene(), 2);  // 25..30, below the toe
    QCOMPARE(int(b.size()), 2);
    QNEAR(b[0].x1, 0.0);
    QNEAR(b[1].x0, 0.0);
    QNEAR(b[0].top, 25.0);
    // A layer ending exactly at the toe draws no empty block below it.
    set_soil(p.data, {10, 20});
    QCOMPARE(int(blocks(p.scene(), 1).size()), 2);
}

void Scene3dTest::layerColours() {
    QCOMPARE(layer_color(0, 0.5), (SceneColor{0.8, 0.55, 0, 0.5}));
    QCOMPARE(layer_color(3, 1), layer_color(7, 1));
    QCOMPARE(layer_color(8, 1), (SceneColor{0.15, 0.15, 0.45, 1}));
    QCOMPARE(layer_color(10, 1), layer_color(0, 1));
    QCOMPARE(index_color(4), (SceneColor{1, 0, 1, 1}));
    SceneProject p;
    set_soil(p.data, {5, 30});
    for (const auto& s : p.scene().soil) {
        if (s.tag != SceneTag::SoilLayer) continue;
        QCOMPARE(s.edge, layer_color(s.layer, 1));
        QCOMPARE(s.face, layer_color(s.layer, 0.5));
        QNEAR(s.lower().y, -10.0);
        QNEAR(s.upper().y, 10.0);
    }
}

void Scene3dTest::waterTablesWithPyramids() {
    SceneProject p;
    p.data.WaterDepthBackfill = 60;     // 5 ft
    p.data.WaterDepthExcavation = 120;  // 10 ft
    const Scene3d s = p.scene();
    const auto tables = with_tag(s.soil, SceneTag::WaterTable);
    const auto pyr = with_tag(s.soil, SceneTag::WaterPyramid);
    QCOMPARE(int(tables.size()), 2);
    QCOMPARE(int(pyr.size()), 50);
    QNEAR(tables[0].lower().x, -25.0);
    QNEAR(tables[0].upper().x, 0.0);
    QNEAR(tables[0].lower().y, -10.0);
    QNEAR(tables[0].upper().z, -5.0);
    QCOMPARE(tables[0].face, (SceneColor{0, 0, 1, 0.75}));
    QNEAR(tables[1].lower().x, 0.0);
    QNEAR(tables[1].upper().x, 25.0);
    QNEAR(tables[1].upper().z, -10.0);
    // q = 4 h = 2: apex on the surface, base of side q a height q above it.
    const double q = 2;
    const ScenePrimitive& first = pyr[0];
    QNEAR(first.corners[4].x, -25.0 + q);
    QNEAR(first.corners[4].y, -10.0 + q);
    QNEAR(first.corners[4].z, -5.0);
    QNEAR(first.corners[0].z, -5.0 + q);
    QNEAR(first.upper().x - first.lower().x, q);
    QCOMPARE(first.face.a, 0.5);
    const ScenePrimitive& last = pyr[24];  // i = j = 4
    QNEAR(last.corners[4].x, -25.0 + q + 4 * (12.5 - q) / 2);
    QNEAR(last.corners[4].y, -10.0 + q + 4 * (5 - q));
    QNEAR(pyr[25].corners[4].x, q);
    QCOMPARE(pyr[25].face.a, 0.75);
    p.data.GeneratePY = 1;
    SceneOptions o;
    o.waterLevel = false;
    QCOMPARE(count_tag(p.scene(o).soil, SceneTag::WaterTable), 0);
    QVERIFY(count_tag(p.scene(o).soil, SceneTag::SoilLayer) > 0);
}

void Scene3dTest::concentratedLoads() {
    SceneProject p;
    p.data.UseConcentratedLoads = true;
    TGridTable& t = p.data.tables().BoundCond;
    t.setRowCount(2);
    t.setItem(col::kClFlag, 0, 1);
    t.setInteger(col::kClFrom, 0, 4);
    t.setInteger(col::kClTo, 0, 4);
    t.setReal(col::kClLoad, 0, -1000);  // towards the backfill
    t.setReal(col::kClAxial, 0, 500);   // compression: points down
    t.setItem(col::kClFlag, 1, 1);
    t.setInteger(col::kClFrom, 1, 10);
    t.setInteger(col::kClTo, 1, 11);
    t.setReal(col::kClMoment, 1, 2000);
    const Scene3d s = p.scene();
    const auto lateral = with_tag(s.wall, SceneTag::LateralLoad);
    QCOMPARE(int(lateral.size()), 20);  // one node, zero moment draws nothing there
    QCOMPARE(count_tag(s.wall, SceneTag::AxialLoad), 20);
    QCOMPARE(count_tag(s.wall, SceneTag::Moment), 40);  // two nodes x 20 panel centres
    const ScenePrimitive& a = lateral[0];
    QCOMPARE(a.axis.x, -1.0);
    QNEAR(a.tip.z, -2.0);  // node 4 at h = 0.5
    QNEAR(a.tip.x, 0.0);
    QNEAR(a.size, 4.0 / 3);
    QCOMPARE(a.edge, index_color(3));
    QCOMPARE(a.face.a, 0.6);
    const auto axial = with_tag(s.wall, SceneTag::AxialLoad);
    QCOMPARE(axial[0].axis.z, -1.0);
    QCOMPARE(axial[0].edge, index_color(1));
    const auto m = with_tag(s.wall, SceneTag::Moment);
    QCOMPARE(m[0].kind, PrimitiveKind::Arc);
    QNEAR(m[0].size, 4.0);
    QCOMPARE(m[0].edge, index_color(2));
    // The switch off: nothing.
    p.data.UseConcentratedLoads = false;
    QCOMPARE(count_tag(p.scene().wall, SceneTag::LateralLoad), 0);
}

void Scene3dTest::interpolatedRowsReachNextEndNode() {
    SceneProject p;
    TGridTable& t = p.data.tables().BoundCond;
    t.setRowCount(3);
    t.setItem(col::kClFlag, 0, 2);  // interpolate to the end node of the next line
    t.setInteger(col::kClFrom, 0, 2);
    t.setInteger(col::kClTo, 0, 3);
    t.setInteger(col::kClFrom, 1, 20);
    t.setInteger(col::kClTo, 1, 6);
    t.setItem(col::kClFlag, 2, 1);
    t.setInteger(col::kClFrom, 2, 9);
    t.setInteger(col::kClTo, 2, 7);  // below the start: just the start
    auto r = node_ranges(t, col::kClFlag, col::kClFrom, col::kClTo);
    QCOMPARE(int(r.size()), 2);
    QCOMPARE(r[0].from, 2);
    QCOMPARE(r[0].to, 6);
    QCOMPARE(r[0].firstRow, 0);
    QCOMPARE(r[1].from, 9);
    QCOMPARE(r[1].to, 9);
    // An interpolated last row has no next row: its own range.
    t.setItem(col::kClFlag, 2, 2);
    r = node_ranges(t, col::kClFlag, col::kClFrom, col::kClTo);
    QCOMPARE(r[1].to, 9);

    p.data.UseConcentratedLoads = true;
    t.setReal(col::kClLoad, 0, 10);
    t.setReal(col::kClLoad, 1, 0);  // the second row's values are not used on their own
    QCOMPARE(count_tag(p.scene().wall, SceneTag::LateralLoad), 5 * 20);
}

void Scene3dTest::rangesBeyondTheWallStayOnTheWall() {
    SceneProject p;
    p.data.UseSprings = true;
    TGridTable& t = p.data.tables().SoilStrength;
    t.setRowCount(1);
    t.setItem(col::kSpFlag, 0, 1);
    t.setInteger(col::kSpFrom, 0, 38);
    t.setInteger(col::kSpTo, 0, 2147483647);
    QCOMPARE(count_tag(p.scene().wall, SceneTag::Spring), 3 * 20);  // nodes 38, 39, 40
}

void Scene3dTest::lateralSprings() {
    SceneProject p;
    p.data.UseSprings = true;
    TGridTable& t = p.data.tables().SoilStrength;
    t.setRowCount(2);
    t.setItem(col::kSpFlag, 0, 2);
    t.setInteger(col::kSpFrom, 0, 10);
    t.setInteger(col::kSpTo, 0, 10);
    t.setInteger(col::kSpTo, 1, 12);
    const auto s = with_tag(p.scene().wall, SceneTag::Spring);
    QCOMPARE(int(s.size()), 3 * 20);
    // d/2 into the backfill, e along the wall, h/2 high about the node.
    QNEAR(s[0].lower().x, -6.25);
    QNEAR(s[0].upper().x, 0.0);
    QNEAR(s[0].upper().y - s[0].lower().y, 0.2);
    QNEAR(s[0].lower().z, -5.0 - 0.125);
    QNEAR(s[0].upper().z, -5.0 + 0.125);
    QCOMPARE(s[0].face, (SceneColor{0.5, 0.5, 0.5, 1}));
    QCOMPARE(s[0].edge, (SceneColor{1, 0.5, 0, 1}));
    SceneOptions o;
    o.lateralSprings = false;
    QCOMPARE(count_tag(p.scene(o).wall, SceneTag::Spring), 0);
}

void Scene3dTest::restraints() {
    SceneProject p;
    p.data.UseRestraints = true;
    TGridTable& t = p.data.tables().SoilLayer;
    t.setRowCount(3);
    t.setItem(col::kRsCase, 0, 1);
    t.setInteger(col::kRsNode, 0, 0);
    t.setReal(col::kRsDeflection, 0, 0.5);
    t.setItem(col::kRsCase, 1, 2);
    t.setInteger(col::kRsNode, 1, 40);
    t.setReal(col::kRsSlope, 1, -0.01);
    t.setItem(col::kRsCase, 2, 1);
    t.setInteger(col::kRsNode, 2, 20);
    t.setReal(col::kRsDeflection, 2, 0);  // a zero deflection draws nothing
    const Scene3d s = p.scene();
    const auto d = with_tag(s.wall, SceneTag::Deflection);
    QCOMPARE(int(d.size()), 20);
    // A displacement arrow starts at the node and points away from it.
    QNEAR(d[0].origin.z, 0.0);
    QNEAR(d[0].tip.x, 2.0 / 3);
    QCOMPARE(d[0].axis.x, 1.0);
    const auto sl = with_tag(s.wall, SceneTag::Slope);
    QCOMPARE(int(sl.size()), 20);
    QNEAR(sl[0].origin.z, -20.0);
    QNEAR(sl[0].size, 2.0);
    QVERIFY(sl[0].coneAtStart);  // the cone's end goes by the sign
    t.setReal(col::kRsSlope, 1, 0.01);
    QVERIFY(!with_tag(p.scene().wall, SceneTag::Slope)[0].coneAtStart);
}

void Scene3dTest::tiebacks() {
    SceneProject p;
    p.data.UseTiebacks = true;
    p.data.ActiveWidth = 24;  // 2 ft
    TGridTable& t = p.data.tables().TiebackTable1;
    t.setRowCount(1);
    t.setReal(col::kTbDepth, 0, 6);
    t.setReal(col::kTbArea, 0, 4);  // in^2: a rod 2 in = 1/6 ft square
    t.setReal(col::kTbLength, 0, 20);
    t.setReal(col::kTbAngle, 0, 30);
    t.setReal(col::kTbSpacing, 0, 6);  // 10 x 2 / 6 = 3.33: 3 anchors each side
    const Scene3d s = p.scene();
    const auto rods = with_tag(s.wall, SceneTag::TiebackRod);
    const auto blocks = with_tag(s.wall, SceneTag::TiebackAnchor);
    QCOMPARE(int(rods.size()), 6);
    QCOMPARE(int(blocks.size()), 6);
    std::vector<double> ys;
    for (const auto& r : rods) ys.push_back((r.lower().y + r.upper().y) / 2);
    std::sort(ys.begin(), ys.end());
    QNEAR(ys[0], -15.0);
    QNEAR(ys[2], -3.0);
    QNEAR(ys[5], 15.0);
    // The rod's centre line starts at the wall and runs down into the backfill at 30 degrees.
    const ScenePrimitive& rod = rods[0];
    const Vec3 start = (rod.corners[0] + rod.corners[2]) * 0.5;
    const Vec3 end = (rod.corners[4] + rod.corners[6]) * 0.5;
    QNEAR(start.x, 0.0);
    QNEAR(start.z, -6.0);
    QNEAR(end.x, -20 * std::cos(M_PI / 6));
    QNEAR(end.z, -6.0 - 20 * std::sin(M_PI / 6));
    QNEAR(length(rod.corners[1] - rod.corners[0]), 1.0 / 6);
    const ScenePrimitive& block = blocks[0];
    const Vec3 bs = (block.corners[0] + block.corners[2]) * 0.5;
    const Vec3 be = (block.corners[4] + block.corners[6]) * 0.5;
    QNEAR(length(bs - end), 0.0);
    QNEAR(length(be - bs), 2.5);
    QNEAR(length(block.corners[1] - block.corners[0]), 4.0 / 6);
    QCOMPARE(rod.face, (SceneColor{0.5, 0.75, 0.75, 1}));
    // No spacing: no anchors, no crash.
    t.setReal(col::kTbSpacing, 0, 0);
    QCOMPARE(count_tag(p.scene().wall, SceneTag::TiebackRod), 0);
}

void Scene3dTest::noActiveWidthNoAnchors() {
    SceneProject p;
    p.data.ActiveWidth = 0;
    p.data.UseTiebacks = true;
    TGridTable& t = p.data.tables().TiebackTable1;
    t.setRowCount(1);
    t.setReal(col::kTbDepth, 0, 6);
    t.setReal(col::kTbLength, 0, 20);
    t.setReal(col::kTbSpacing, 0, 6);
    const Scene3d s = p.scene();
    QCOMPARE(count_tag(s.wall, SceneTag::TiebackRod), 0);
    const auto walls = with_tag(s.wall, SceneTag::Wall);
    QCOMPARE(int(walls.size()), 20);
    QNEAR(walls[0].upper().y - walls[0].lower().y, 2.0);  // 0.1 L
}

void Scene3dTest::surcharges() {
    SceneProject p;
    TGridTable& t = p.data.tables().SurchargeTable;
    t.setRowCount(4);
    t.setItem(col::kSuType, 0, 1);
    t.setReal(col::kSuMagnitude, 0, 1000);
    t.setReal(col::kSuDistance, 0, 36);  // 3 ft behind the wall
    t.setItem(col::kSuType, 1, 2);
    t.setReal(col::kSuMagnitude, 1, -50);
    t.setReal(col::kSuDistance, 1, 60);
    t.setItem(col::kSuType, 2, 3);
    t.setReal(col::kSuMagnitude, 2, 2);
    t.setReal(col::kSuDistance, 2, 120);
    t.setReal(col::kSuWidth, 2, 48);
    t.setItem(col::kSuType, 3, 1);  // a load of 0 draws nothing
    // Drawn whether or not the surcharge option is on.
    QVERIFY(!p.data.UseSurcharge);
    const Scene3d s = p.scene();
    const auto point = with_tag(s.wall, SceneTag::PointSurcharge);
    QCOMPARE(int(point.size()), 20);
    QNEAR(point[0].tip.x, -3.0);
    QNEAR(point[0].tip.z, 0.0);
    QCOMPARE(point[0].axis.z, -1.0);  // a positive load points down
    const auto line = with_tag(s.wall, SceneTag::LineSurcharge);
    int arrows = 0, lines = 0;
    for (const auto& l : line) (l.kind == PrimitiveKind::Arrow ? arrows : lines)++;
    QCOMPARE(arrows, 21);
    QCOMPARE(lines, 40);
    QCOMPARE(line[0].axis.z, 1.0);  // a negative line load points up
    QNEAR(line[0].size, 1.0);
    QCOMPARE(line[0].edge, index_color(2));
    const auto strip = with_tag(s.wall, SceneTag::StripSurcharge);
    QCOMPARE(int(strip.size()), 63);
    QNEAR(strip[0].size, 2.0 / 3);
    const auto boxes = with_tag(s.wall, SceneTag::StripBox);
    QCOMPARE(int(boxes.size()), 20);
    QNEAR(boxes[0].lower().x, -12.0);
    QNEAR(boxes[0].upper().x, -8.0);
    QNEAR(boxes[0].upper().z, 2.0 / 3);
    QCOMPARE(boxes[0].face, (SceneColor{0, 0, 1, 0.25}));
    SceneOptions o;
    o.surcharge = false;
    QCOMPARE(count_tag(p.scene(o).wall, SceneTag::StripBox), 0);
}

void Scene3dTest::deformedShapeFollowsTheLine() {
    SceneProject p;
    p.data.Increments = 4;  // L = 2 ft, h = 0.5 ft
    DeflectionCurve c;
    for (int k = 0; k <= 4; ++k) c.push_back({k * 6.0, 0.1 * (4 - k)});  // straight, leaning
    SceneOptions o;
    o.deformedShape = true;
    o.deformationFactor = 10;
    const Scene3d s = p.scene(o, c);
    QCOMPARE(count_tag(s.wall, SceneTag::Wall), 0);
    QCOMPARE(count_tag(s.wall, SceneTag::WallCap), 0);
    QCOMPARE(count_tag(s.wall, SceneTag::UndeformedWall), 0);
    const auto posts = with_tag(s.wall, SceneTag::DeformedWall);
    QCOMPARE(int(posts.size()), 20 * 4);
    // The first post's first segment: from (4, 0) to (3, -0.5), offsets e/2 along its normal.
    const ScenePrimitive& seg = posts[0];
    const Vec3 mid0 = (seg.corners[0] + seg.corners[1]) * 0.5;
    const Vec3 mid1 = (seg.corners[4] + seg.corners[5]) * 0.5;
    QNEAR(mid0.x, 4.0);
    QNEAR(mid0.z, 0.0);
    QNEAR(mid1.x, 3.0);
    QNEAR(mid1.z, -0.5);
    QNEAR(length(seg.corners[1] - seg.corners[0]), 0.2);
    QNEAR(dot(seg.corners[1] - seg.corners[0], mid1 - mid0), 0.0);  // across the segment
    QNEAR(seg.upper().y - seg.lower().y, 0.2);                      // e x e posts
    // Each segment starts from the corners where the previous one ended.
    QNEAR(length(posts[1].corners[0] - seg.corners[4]), 0.0);
    QNEAR(length(posts[1].corners[1] - seg.corners[5]), 0.0);

    // A bend: the offset at the inner node is the average of the two normals.
    c[2].deflection = 0.3;
    const auto bent = with_tag(p.scene(o, c).wall, SceneTag::DeformedWall);
    const Vec3 across = bent[1].corners[5] - bent[1].corners[4];
    // Node 2 at x = 3 between a vertical segment from (3, -0.5) and one to (1, -1.5).
    const Vec3 t1{0, 0, -1}, t2 = normalized(Vec3{-2, 0, -0.5});
    const Vec3 avg = normalized(Vec3{-t1.z, 0, t1.x} + Vec3{-t2.z, 0, t2.x});
    QNEAR(dot(normalized(across), avg), 1.0);

    o.undeformedModel = true;
    const auto over = with_tag(p.scene(o, c).wall, SceneTag::UndeformedWall);
    QCOMPARE(int(over.size()), 20);
    QVERIFY(!over[0].drawFaces);
    QCOMPARE(over[0].edge, (SceneColor{0.75, 0.75, 0, 1}));
    QNEAR(over[0].lower().z, -2.0);
    QNEAR(over[0].upper().y - over[0].lower().y, 0.2);

    // No results: the posts stand straight.
    const auto straight = with_tag(p.scene(o, {}).wall, SceneTag::DeformedWall);
    QCOMPARE(int(straight.size()), 80);
    QNEAR(straight[0].lower().x, -0.1);
    // No increments: the ordinary panels, not an empty wall.
    p.data.Increments = 0;
    QCOMPARE(count_tag(p.scene(o, c).wall, SceneTag::Wall), 20);
}

void Scene3dTest::showFlagsHideTheirParts() {
    SceneProject p;
    SceneOptions o;
    o.wall = false;
    QCOMPARE(count_tag(p.scene(o).wall, SceneTag::Wall), 0);
    o.soilLayers = false;
    QCOMPARE(count_tag(p.scene(o).soil, SceneTag::SoilLayer), 0);
    QCOMPARE(count_tag(p.scene(o).soil, SceneTag::WaterTable), 2);
}

void Scene3dTest::translucentOnlySoilWaterAndStrips() {
    SceneProject p;
    p.data.UseSprings = true;
    p.data.tables().SoilStrength.setRowCount(1);
    TGridTable& t = p.data.tables().SurchargeTable;
    t.setItem(col::kSuType, 0, 3);
    t.setReal(col::kSuMagnitude, 0, 1);
    const Scene3d s = p.scene();
    for (const auto* list : {&s.soil, &s.wall})
        for (const auto& q : *list) {
            const bool blended = q.tag == SceneTag::SoilLayer || q.tag == SceneTag::WaterTable ||
                                 q.tag == SceneTag::WaterPyramid || q.tag == SceneTag::StripBox;
            QCOMPARE(q.translucent, blended);
        }
}

void Scene3dTest::meshFacesOutward() {
    const ScenePrimitive box = box_primitive(SceneTag::Wall, {0, 0, 0}, {1, 2, 3},
                                             {0.75, 0.75, 0.75, 1}, {0.9, 0.9, 0, 1});
    const SceneMesh m = tessellate(std::vector{box});
    int triangles = 0, edges = 0;
    for (const DrawBatch& b : m.batches) {
        if (b.mode == DrawMode::Triangles) {
            QCOMPARE(b.color, box.face);
            for (size_t i = 0; i + 2 < b.vertices.size(); i += 3) {
                const Vec3 n =
                    cross(b.vertices[i + 1] - b.vertices[i], b.vertices[i + 2] - b.vertices[i]);
                const Vec3 c = (b.vertices[i] + b.vertices[i + 1] + b.vertices[i + 2]) * (1.0 / 3);
                QVERIFY(dot(n, c - Vec3{0.5, 1, 1.5}) > 0);
                ++triangles;
            }
        } else {
            QCOMPARE(b.color, box.edge);
            edges += b.mode == DrawMode::LineLoop ? 4 : int(b.vertices.size()) / 2;
        }
    }
    QCOMPARE(triangles, 12);
    QCOMPARE(edges, 12);
    // An arrow's cone ends at its tip; its shaft starts S behind it.
    ScenePrimitive a;
    a.kind = PrimitiveKind::Arrow;
    a.axis = {1, 0, 0};
    a.tip = {2, 0, 0};
    a.size = 4;
    a.face = {1, 0, 0, 0.6};
    const SceneMesh am = tessellate(std::vector{a});
    double xmin = 1e9, xmax = -1e9;
    for (const DrawBatch& b : am.batches)
        for (const Vec3& v : b.vertices) xmin = std::min(xmin, v.x), xmax = std::max(xmax, v.x);
    QNEAR(xmin, -2.0);
    QNEAR(xmax, 2.0);
}

void Scene3dTest::threeStageExample() {
    LoadedProject lp("examples/anchored_three_stage.vn5d");
    const TProgramData& d = lp.project->data();
    QCOMPARE(d.Increments, 80);
    const SceneExtents x = scene_extents(d);
    QNEAR(x.b, 5.0);
    QNEAR(x.a, 50.0);  // the soil reaches 50 ft, the wall 40 ft
    const Scene3d s = build_scene(d, {}, {}, x);
    QCOMPARE(count_tag(s.wall, SceneTag::Wall), 20);
    QCOMPARE(count_tag(s.soil, SceneTag::WaterTable), 2);
    QVERIFY(count_tag(s.soil, SceneTag::SoilLayer) >= 3);
}

QTEST_MAIN(Scene3dTest)
#include "scene_3d_test.moc"
