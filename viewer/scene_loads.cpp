// The scene's lateral springs, concentrated loads, restraints, tiebacks, surcharge loads and
// the glyphs that show them.
#include <algorithm>
#include <cmath>

#include "editor/program_data.h"
#include "viewer/scene_3d.h"

namespace vornel {

namespace {

const SceneColor kOrange{1, 0.5, 0, 1};
const SceneColor kSpringFace{0.5, 0.5, 0.5, 1};
const SceneColor kTiebackFace{0.5, 0.75, 0.75, 1};
const Vec3 kAlongX{1, 0, 0};
const Vec3 kAlongZ{0, 0, 1};
constexpr int kInterpolate = 2;  // "Linear Interpolate to End Node of Next Line"
// However many anchors a very small spacing asks for, a row draws no more than this many on
// each side of the centre line, so the view stays responsive.
constexpr int kMaxAnchorsPerSide = 1000;

ScenePrimitive glyph(PrimitiveKind kind, SceneTag tag, int color, double size, Vec3 at,
                     double value) {
    ScenePrimitive p;
    p.kind = kind;
    p.tag = tag;
    p.size = size;
    p.origin = at;
    p.value = value;
    p.edge = index_color(color);
    p.face = index_color(color);
    p.face.a = 0.6;
    return p;
}

// The nodes of a range that lie on the wall (0..N): a range reaching far beyond the toe
// draws only what is on the wall, and never loops over billions of nodes.
std::pair<int, int> on_wall(const NodeRange& r, int nodes) {
    return {std::max(r.from, 0), std::min(r.to, nodes)};
}

}  // namespace

bool add_force(SceneTag tag, Vec3 dir, int color, double size, Vec3 at, double value,
               std::vector<ScenePrimitive>& out) {
    if (value == 0) return false;
    ScenePrimitive p = glyph(PrimitiveKind::Arrow, tag, color, size, at, value);
    p.axis = value > 0 ? dir : dir * -1.0;
    p.tip = at;
    out.push_back(p);
    return true;
}

bool add_displacement(SceneTag tag, Vec3 dir, int color, double size, Vec3 at, double value,
                      std::vector<ScenePrimitive>& out) {
    if (value == 0) return false;
    ScenePrimitive p = glyph(PrimitiveKind::Arrow, tag, color, size, at, value);
    p.axis = value > 0 ? dir : dir * -1.0;
    p.tip = at + p.axis * size;
    out.push_back(p);
    return true;
}

bool add_arc(SceneTag tag, int color, double size, Vec3 at, double value,
             std::vector<ScenePrimitive>& out) {
    if (value == 0) return false;
    ScenePrimitive p = glyph(PrimitiveKind::Arc, tag, color, size, at, value);
    p.axis = kAlongX;
    p.normal = kAlongZ;
    p.coneAtStart = value < 0;
    out.push_back(p);
    return true;
}

std::vector<NodeRange> node_ranges(const TGridTable& t, int flag_col, int from_col, int to_col) {
    std::vector<NodeRange> ranges;
    for (int r = 0; r < t.rowCount(); ++r) {
        NodeRange n{t.item(from_col, r), t.item(to_col, r), r};
        if (t.item(flag_col, r) == kInterpolate && r + 1 < t.rowCount()) {
            n.to = t.item(to_col, r + 1);
            ++r;  // the next row belongs to this range
        }
        n.to = std::max(n.to, n.from);
        ranges.push_back(n);
    }
    return ranges;
}

void add_springs(const TProgramData& d, const SceneOptions& o, const SceneExtents& x,
                 std::vector<ScenePrimitive>& out) {
    if (!o.lateralSprings || !d.UseSprings) return;
    const WallDimensions w = wall_dimensions(d);
    const double r = w.thickness / 2, q = w.increment / 4;
    const TGridTable& t = d.tables().SoilStrength;
    for (const NodeRange& range : node_ranges(t, col::kSpFlag, col::kSpFrom, col::kSpTo)) {
        const auto [from, to] = on_wall(range, w.nodes);
        for (int n = from; n <= to; ++n) {
            const double z = -n * w.increment;
            for (double yc : panel_centres(w.width))
                out.push_back(box_primitive(SceneTag::Spring, {-x.d / 2, yc - r, z - q},
                                            {0, yc + r, z + q}, kSpringFace, kOrange));
        }
    }
}

void add_concentrated_loads(const TProgramData& d, const SceneOptions& o,
                            std::vector<ScenePrimitive>& out) {
    if (!o.concentratedLoads || !d.UseConcentratedLoads) return;
    const WallDimensions w = wall_dimensions(d);
    const TGridTable& t = d.tables().BoundCond;
    const double W = w.width;
    for (const NodeRange& range : node_ranges(t, col::kClFlag, col::kClFrom, col::kClTo)) {
        const double lateral = t.real(col::kClLoad, range.firstRow);
        const double moment = t.real(col::kClMoment, range.firstRow);
        const double axial = t.real(col::kClAxial, range.firstRow);
        const auto [from, to] = on_wall(range, w.nodes);
        for (int n = from; n <= to; ++n) {
            for (double yc : panel_centres(W)) {
                const Vec3 at{0, yc, -n * w.increment};
                add_force(SceneTag::LateralLoad, kAlongX, 3, 4 * W / 3, at, lateral, out);
                add_arc(SceneTag::Moment, 2, 4 * W, at, moment, out);
                // A positive axial load pushes down the wall.
                add_force(SceneTag::AxialLoad, kAlongZ, 1, 4 * W / 3, at, -axial, out);
            }
        }
    }
}

void add_restraints(const TProgramData& d, const SceneOptions& o,
                    std::vector<ScenePrimitive>& out) {
    if (!o.boundaryConditions || !d.UseRestraints) return;
    const WallDimensions w = wall_dimensions(d);
    const TGridTable& t = d.tables().SoilLayer;
    const double W = w.width;
    for (int r = 0; r < t.rowCount(); ++r) {
        const double z = -t.item(col::kRsNode, r) * w.increment;
        const bool deflection = t.item(col::kRsCase, r) == 1;
        for (double yc : panel_centres(W)) {
            const Vec3 at{0, yc, z};
            if (deflection)
                add_displacement(SceneTag::Deflection, kAlongX, 3, 2 * W / 3, at,
                                 t.real(col::kRsDeflection, r), out);
            else
                add_arc(SceneTag::Slope, 2, 2 * W, at, t.real(col::kRsSlope, r), out);
        }
    }
}

void add_tiebacks(const TProgramData& d, const SceneOptions& o, std::vector<ScenePrimitive>& out) {
    const TGridTable& t = d.tables().TiebackTable1;
    if (!o.tieBacks || !d.UseTiebacks || t.rowCount() == 0) return;
    const double width = project_length(d, d.ActiveWidth);
    for (int r = 0; r < t.rowCount(); ++r) {
        const double depth = t.real(col::kTbDepth, r);
        const double side = project_length(d, std::sqrt(std::max(0.0, t.real(col::kTbArea, r))));
        const double ua = t.real(col::kTbLength, r);
        const double theta = t.real(col::kTbAngle, r) * M_PI / 180.0;
        const double sa = t.real(col::kTbSpacing, r);
        // No spacing, no anchors: the count would be undefined.
        if (!(sa > 0)) continue;
        const int na = std::min(static_cast<int>(std::lround(10 * width / sa)), kMaxAnchorsPerSide);
        const Vec3 dir{-std::cos(theta), 0, -std::sin(theta)};
        for (int m = 0; m < na; ++m) {
            for (double sign : {-1.0, 1.0}) {
                const Vec3 start{0, sign * sa * (m + 0.5), -depth};
                out.push_back(bar_primitive(SceneTag::TiebackRod, start, dir, ua, side,
                                            kTiebackFace, kOrange));
                out.push_back(bar_primitive(SceneTag::TiebackAnchor, start + dir * ua, dir, ua / 8,
                                            4 * side, kTiebackFace, kOrange));
            }
        }
    }
}

namespace {

void add_line_load(double xs, double W, double value, std::vector<ScenePrimitive>& out) {
    const SceneColor green = index_color(2);
    for (int j = 0; j < 10; ++j) {
        for (double s : {-1.0, 1.0}) {
            add_force(SceneTag::LineSurcharge, kAlongZ, 2, W, {xs, s * W * (j + 1), 0}, value, out);
            for (double z : {0.0, W})
                out.push_back(line_primitive(SceneTag::LineSurcharge, {xs, s * W * j, z},
                                             {xs, s * W * (j + 1), z}, green));
        }
    }
    add_force(SceneTag::LineSurcharge, kAlongZ, 2, W, {xs, 0, 0}, value, out);
}

void add_strip_load(double xs, double strip, double W, double value,
                    std::vector<ScenePrimitive>& out) {
    const double xa = xs - strip / 2, xb = xs + strip / 2;
    auto arrows = [&](double y) {
        for (double x : {xa, xs, xb})
            add_force(SceneTag::StripSurcharge, kAlongZ, 1, 2 * W / 3, {x, y, 0}, value, out);
    };
    for (int j = 0; j < 10; ++j) {
        for (double s : {-1.0, 1.0}) {
            arrows(s * W * (j + 1));
            const double y0 = std::min(s * W * j, s * W * (j + 1));
            const double y1 = std::max(s * W * j, s * W * (j + 1));
            SceneColor face = index_color(1);
            face.a = 0.25;
            ScenePrimitive box = box_primitive(SceneTag::StripBox, {xa, y0, 0}, {xb, y1, 2 * W / 3},
                                               face, index_color(1));
            box.translucent = true;
            out.push_back(box);
        }
    }
    arrows(0);
}

}  // namespace

void add_surcharges(const TProgramData& d, const SceneOptions& o,
                    std::vector<ScenePrimitive>& out) {
    if (!o.surcharge) return;
    const double W = wall_dimensions(d).width;
    const TGridTable& t = d.tables().SurchargeTable;
    for (int r = 0; r < t.rowCount(); ++r) {
        const double magnitude = t.real(col::kSuMagnitude, r);
        // A load of nothing draws nothing, neither its arrows nor its lines and box.
        if (magnitude == 0) continue;
        const double xs = -surcharge_length(d, t.real(col::kSuDistance, r));
        const double value = -magnitude;  // a positive load points down
        switch (t.item(col::kSuType, r)) {
            case 1:
                for (double yc : panel_centres(W))
                    add_force(SceneTag::PointSurcharge, kAlongZ, 3, 4 * W / 3, {xs, yc, 0}, value,
                              out);
                break;
            case 2:
                add_line_load(xs, W, value, out);
                break;
            case 3:
                add_strip_load(xs, surcharge_length(d, t.real(col::kSuWidth, r)), W, value, out);
                break;
            default:
                break;  // not a load type this view knows: nothing to draw
        }
    }
}

}  // namespace vornel
