// The primitives of the 3D model scene: display-independent solids and glyphs in model
// coordinates (x across the wall, negative on the backfill side; y along the wall; z up, so a
// depth t lies at z = -t), in drawing units (ft in English units, the project's length unit
// otherwise).
//
// A primitive says what it is (its kind and geometry), what it shows (its tag) and how it is
// coloured (edge and face colour with opacity, and whether it is blended). The view tessellates
// and replays them; tests count and measure them.
#pragma once

#include <array>
#include <vector>

namespace vornel {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
double dot(Vec3 a, Vec3 b);
Vec3 cross(Vec3 a, Vec3 b);
double length(Vec3 a);
Vec3 normalized(Vec3 a);  // the zero vector stays zero

struct SceneColor {
    double r = 0, g = 0, b = 0, a = 1;
    bool operator==(const SceneColor&) const = default;
};

// Soil layer colour by the layer's position (from 0), taken modulo 10.
SceneColor layer_color(int position, double opacity);
// Glyph colours: 1 blue, 2 green, 3 red, 4 magenta, 5 cyan, 6 yellow; others black.
SceneColor index_color(int index);

enum class PrimitiveKind {
    Solid,      // six-sided solid: corners 0..3 one end face, 4..7 the other in the same order
    Rectangle,  // flat quadrilateral: corners 0..3
    Pyramid,    // corners 0..3 the square base, corner 4 the apex
    Line,       // a straight line from corner 0 to corner 1
    Arrow,      // shaft and cone along `axis`
    Arc         // half ring with a cone at one end, in the plane of `axis` and `normal`
};

enum class SceneTag {
    Wall,
    WallCap,
    DeformedWall,
    UndeformedWall,
    SoilLayer,
    WaterTable,
    WaterPyramid,
    Spring,
    LateralLoad,
    Moment,
    AxialLoad,
    Deflection,
    Slope,
    TiebackRod,
    TiebackAnchor,
    PointSurcharge,
    LineSurcharge,
    StripSurcharge,
    StripBox
};

struct ScenePrimitive {
    PrimitiveKind kind = PrimitiveKind::Solid;
    SceneTag tag = SceneTag::Wall;
    std::vector<Vec3> corners;

    // Glyphs (arrow, arc): `origin` is the point of application. An arrow runs along `axis`
    // with its cone tip at `tip`; an arc is centred on `origin`, starts along `axis`, turns
    // through 180 degrees towards `normal`, and carries its cone at the start when
    // `coneAtStart` (else at the end).
    Vec3 origin, axis, normal, tip;
    bool coneAtStart = false;
    double size = 0;
    double value = 0;

    SceneColor edge, face;
    bool drawEdges = true, drawFaces = true;
    bool translucent = false;  // blended by its opacity; everything else is drawn opaque
    int layer = -1;            // soil layer position, -1 for anything else

    // Axis-aligned bounds of the corners (solids, rectangles, pyramids, lines).
    Vec3 lower() const;
    Vec3 upper() const;
};

ScenePrimitive box_primitive(SceneTag tag, Vec3 lo, Vec3 hi, SceneColor face, SceneColor edge);
ScenePrimitive solid_primitive(SceneTag tag, const std::array<Vec3, 8>& corners, SceneColor face,
                               SceneColor edge);
// A square bar of side `side` whose centre line runs from `start` along the unit `dir` for
// `len`; the cross-section keeps one pair of sides parallel to y.
ScenePrimitive bar_primitive(SceneTag tag, Vec3 start, Vec3 dir, double len, double side,
                             SceneColor face, SceneColor edge);
ScenePrimitive line_primitive(SceneTag tag, Vec3 a, Vec3 b, SceneColor color);

}  // namespace vornel
