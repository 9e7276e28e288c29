// The scene's soil layers, water tables and wall.
#include "viewer/scene_3d.h"

#include <algorithm>

#include "editor/program_data.h"

namespace vornel {

namespace {

const SceneColor kBlue{0, 0, 1, 1};
const SceneColor kWallFace{0.75, 0.75, 0.75, 1};
const SceneColor kWallEdge{0.9, 0.9, 0, 1};
const SceneColor kCapFace{0.25, 0.25, 0.25, 1};
const SceneColor kCapEdge{1, 0.5, 0, 1};
const SceneColor kOverlayEdge{0.75, 0.75, 0, 1};

SceneColor with_opacity(SceneColor c, double a) {
    c.a = a;
    return c;
}

ScenePrimitive rectangle(SceneTag tag, std::array<Vec3, 4> c, SceneColor face, SceneColor edge) {
    ScenePrimitive p;
    p.kind = PrimitiveKind::Rectangle;
    p.tag = tag;
    p.corners.assign(c.begin(), c.end());
    p.face = face;
    p.edge = edge;
    return p;
}

// One soil layer's blocks: `x0..x1` across the wall, depths `top..bottom`.
struct SoilBlocks {
    const SceneExtents& x;
    double e, halfLength;
    int position;
    std::vector<ScenePrimitive>& out;

    void block(double x0, double x1, double top, double bottom) const {
        if (bottom <= top) return;  // a range of no height draws nothing
        ScenePrimitive p =
            box_primitive(SceneTag::SoilLayer, {x0, -halfLength, -bottom}, {x1, halfLength, -top},
                          layer_color(position, 0.5), layer_color(position, 1.0));
        p.translucent = true;
        p.layer = position;
        out.push_back(p);
    }
    void backfill(double t, double b) const { block(-2 * x.d, -e / 2, t, b); }
    void excavation(double t, double b) const { block(0, 2 * x.d - e / 2, t, b); }
    void strips(double t, double b) const {
        backfill(t, b);
        excavation(t, b);
    }
    void belowToe(double t, double b) const {
        block(-2 * x.d, 0, t, b);
        block(0, 2 * x.d, t, b);
    }
};

void add_layer(const SoilBlocks& s, double T, double B, double H, double L) {
    if (B <= H) {
        s.backfill(T, B);
    } else if (T < H) {
        s.backfill(T, H);
        if (B < L) {
            s.strips(H, B);
        } else {
            s.strips(H, L);
            s.belowToe(L, B);
        }
    } else if (T <= L) {
        if (B < L) {
            s.strips(T, B);
        } else {
            s.strips(T, L);
            s.belowToe(L, B);
        }
    } else {
        s.belowToe(T, B);
    }
}

void add_water_table(const SceneExtents& x, double q, double depth, bool backfill,
                     std::vector<ScenePrimitive>& out) {
    const double z = -depth;
    const double x0 = backfill ? -2 * x.d : 0, x1 = backfill ? 0 : 2 * x.d;
    ScenePrimitive r =
        rectangle(SceneTag::WaterTable,
                  {{{x0, -2 * x.b, z}, {x1, -2 * x.b, z}, {x1, 2 * x.b, z}, {x0, 2 * x.b, z}}},
                  with_opacity(kBlue, 0.75), kBlue);
    r.translucent = true;
    out.push_back(r);
    const double first = backfill ? -2 * x.d + q : q;
    const double opacity = backfill ? 0.5 : 0.75;
    for (int i = 0; i <= 4; ++i) {
        for (int j = 0; j <= 4; ++j) {
            const double px = first + i * (x.d - q) / 2;
            const double py = -2 * x.b + q + j * (x.b - q);
            const double h = q / 2, zb = z + q;
            ScenePrimitive p;
            p.kind = PrimitiveKind::Pyramid;
            p.tag = SceneTag::WaterPyramid;
            p.corners = {{px - h, py - h, zb},
                         {px + h, py - h, zb},
                         {px + h, py + h, zb},
                         {px - h, py + h, zb},
                         {px, py, z}};
            p.face = with_opacity(kBlue, opacity);
            p.edge = kBlue;
            p.translucent = true;
            out.push_back(p);
        }
    }
}

double deflection_at(const DeflectionCurve& curve, int k) {
    return k < static_cast<int>(curve.size()) ? curve[static_cast<size_t>(k)].deflection : 0.0;
}

// The deflected centre line as six-sided segments of thickness e, e wide along y about `yc`.
void add_deformed_posts(const WallDimensions& w, const DeflectionCurve& curve, double factor,
                        double yc, std::vector<ScenePrimitive>& out) {
    const int n = w.nodes;
    std::vector<Vec3> node(static_cast<size_t>(n + 1));
    for (int k = 0; k <= n; ++k)
        node[size_t(k)] = {deflection_at(curve, k) * factor, 0, -k * w.increment};
    // Unit normal of each segment in the x-z plane, then the offset direction at each node:
    // the average of the adjacent segments' normals, so consecutive segments share corners.
    std::vector<Vec3> normal(static_cast<size_t>(n + 1));
    for (int i = 1; i <= n; ++i) {
        const Vec3 t = normalized(node[size_t(i)] - node[size_t(i - 1)]);
        normal[size_t(i)] = {-t.z, 0, t.x};
    }
    std::vector<Vec3> offset(static_cast<size_t>(n + 1));
    offset[0] = normal[1];
    offset[size_t(n)] = normal[size_t(n)];
    for (int k = 1; k < n; ++k)
        offset[size_t(k)] = normalized(normal[size_t(k)] + normal[size_t(k + 1)]);
    const double r = w.thickness / 2;
    for (int i = 1; i <= n; ++i) {
        std::array<Vec3, 8> c;
        for (int end = 0; end < 2; ++end) {
            const Vec3 p = node[size_t(i - 1 + end)];
            const Vec3 m = offset[size_t(i - 1 + end)] * r;
            const size_t b = size_t(end) * 4;
            c[b] = p - m + Vec3{0, yc - r, 0};
            c[b + 1] = p + m + Vec3{0, yc - r, 0};
            c[b + 2] = p + m + Vec3{0, yc + r, 0};
            c[b + 3] = p - m + Vec3{0, yc + r, 0};
        }
        out.push_back(solid_primitive(SceneTag::DeformedWall, c, kWallFace, kWallEdge));
    }
}

}  // namespace

std::vector<double> panel_centres(double panel_width) {
    std::vector<double> y;
    for (int j = 0; j < 10; ++j) {
        y.push_back(-panel_width * (j + 0.5));
        y.push_back(panel_width * (j + 0.5));
    }
    std::sort(y.begin(), y.end());
    return y;
}

void add_soil_layers(const TProgramData& d, const SceneOptions& o, const SceneExtents& x,
                     std::vector<ScenePrimitive>& out) {
    if (!d.GeneratePY || !o.soilLayers) return;
    const WallDimensions w = wall_dimensions(d);
    const double H = project_length(d, d.FreeHeight);
    const TGridTable& t = d.tables().NewSoil;
    for (int p = 0; p < t.rowCount(); ++p) {
        const double T = p == 0 ? 0.0 : t.real(col::kSlDepth, p - 1);
        const double B = t.real(col::kSlDepth, p);
        add_layer(SoilBlocks{x, w.thickness, 10 * w.width, p, out}, T, B, H, w.length);
    }
}

void add_water_tables(const TProgramData& d, const SceneOptions& o, const SceneExtents& x,
                      std::vector<ScenePrimitive>& out) {
    if (!d.GeneratePY || !o.waterLevel) return;
    const double q = 4 * wall_dimensions(d).increment;
    add_water_table(x, q, project_length(d, d.WaterDepthBackfill), true, out);
    add_water_table(x, q, project_length(d, d.WaterDepthExcavation), false, out);
}

void add_wall(const TProgramData& d, const DeflectionCurve& deflection, const SceneOptions& o,
              std::vector<ScenePrimitive>& out) {
    if (!o.wall) return;
    const WallDimensions w = wall_dimensions(d);
    const double r = w.thickness / 2;
    const bool deformed = o.deformedShape && w.nodes > 0;
    for (double yc : panel_centres(w.width)) {
        if (!deformed) {
            const double y0 = yc - w.width / 2, y1 = yc + w.width / 2;
            out.push_back(box_primitive(SceneTag::Wall, {-r, y0, -w.length}, {r, y1, 0}, kWallFace,
                                        kWallEdge));
            out.push_back(rectangle(SceneTag::WallCap,
                                    {{{-r, y0, 0}, {r, y0, 0}, {r, y1, 0}, {-r, y1, 0}}}, kCapFace,
                                    kCapEdge));
            continue;
        }
        add_deformed_posts(w, deflection, o.deformationFactor, yc, out);
        if (o.undeformedModel) {
            ScenePrimitive p = box_primitive(SceneTag::UndeformedWall, {-r, yc - r, -w.length},
                                             {r, yc + r, 0}, kOverlayEdge, kOverlayEdge);
            p.drawFaces = false;
            out.push_back(p);
        }
    }
}

Scene3d build_scene(const TProgramData& d, const DeflectionCurve& deflection,
                    const SceneOptions& options, const SceneExtents& extents) {
    Scene3d s;
    add_soil_layers(d, options, extents, s.soil);
    add_water_tables(d, options, extents, s.soil);
    add_wall(d, deflection, options, s.wall);
    add_springs(d, options, extents, s.wall);
    add_concentrated_loads(d, options, s.wall);
    add_restraints(d, options, s.wall);
    add_tiebacks(d, options, s.wall);
    add_surcharges(d, options, s.wall);
    return s;
}

}  // namespace vornel
