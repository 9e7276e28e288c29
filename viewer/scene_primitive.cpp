#include "viewer/scene_primitive.h"

#include <algorithm>
#include <cmath>

namespace vornel {

double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double length(Vec3 a) {
    return std::sqrt(dot(a, a));
}

Vec3 normalized(Vec3 a) {
    const double n = length(a);
    return n > 0 ? a * (1.0 / n) : Vec3{};
}

SceneColor layer_color(int position, double opacity) {
    static const std::array<SceneColor, 10> colors = {{{0.8, 0.55, 0},
                                                       {0.55, 0.4, 0.2},
                                                       {0.4, 0.4, 0.2},
                                                       {0.4, 0.4, 0.55},
                                                       {0, 0.5, 0.5},
                                                       {0.2, 0.2, 0.55},
                                                       {0.8, 0, 0.8},
                                                       {0.4, 0.4, 0.55},
                                                       {0.15, 0.15, 0.45},
                                                       {0.65, 0.4, 0.2}}};
    const int p = ((position % 10) + 10) % 10;
    SceneColor c = colors[static_cast<size_t>(p)];
    c.a = opacity;
    return c;
}

SceneColor index_color(int index) {
    switch (index) {
        case 1:
            return {0, 0, 1, 1};
        case 2:
            return {0, 1, 0, 1};
        case 3:
            return {1, 0, 0, 1};
        case 4:
            return {1, 0, 1, 1};
        case 5:
            return {0, 1, 1, 1};
        case 6:
            return {1, 1, 0, 1};
        default:
            return {0, 0, 0, 1};
    }
}

Vec3 ScenePrimitive::lower() const {
    if (corners.empty()) return origin;
    Vec3 v = corners.front();
    for (const Vec3& c : corners) v = {std::min(v.x, c.x), std::min(v.y, c.y), std::min(v.z, c.z)};
    return v;
}

Vec3 ScenePrimitive::upper() const {
    if (corners.empty()) return origin;
    Vec3 v = corners.front();
    for (const Vec3& c : corners) v = {std::max(v.x, c.x), std::max(v.y, c.y), std::max(v.z, c.z)};
    return v;
}

ScenePrimitive box_primitive(SceneTag tag, Vec3 lo, Vec3 hi, SceneColor face, SceneColor edge) {
    return solid_primitive(tag,
                           {{{lo.x, lo.y, lo.z},
                             {hi.x, lo.y, lo.z},
                             {hi.x, hi.y, lo.z},
                             {lo.x, hi.y, lo.z},
                             {lo.x, lo.y, hi.z},
                             {hi.x, lo.y, hi.z},
                             {hi.x, hi.y, hi.z},
                             {lo.x, hi.y, hi.z}}},
                           face, edge);
}

ScenePrimitive solid_primitive(SceneTag tag, const std::array<Vec3, 8>& corners, SceneColor face,
                               SceneColor edge) {
    ScenePrimitive p;
    p.kind = PrimitiveKind::Solid;
    p.tag = tag;
    p.corners.assign(corners.begin(), corners.end());
    p.face = face;
    p.edge = edge;
    return p;
}

ScenePrimitive bar_primitive(SceneTag tag, Vec3 start, Vec3 dir, double len, double side,
                             SceneColor face, SceneColor edge) {
    const Vec3 u = normalized(dir);
    const Vec3 v{0, 1, 0};
    const Vec3 w = normalized(cross(u, v));
    const double r = side / 2;
    const Vec3 end = start + u * len;
    const std::array<Vec3, 4> offsets = {v * -r + w * -r, v * r + w * -r, v * r + w * r,
                                         v * -r + w * r};
    std::array<Vec3, 8> c;
    for (size_t i = 0; i < 4; ++i) {
        c[i] = start + offsets[i];
        c[i + 4] = end + offsets[i];
    }
    return solid_primitive(tag, c, face, edge);
}

ScenePrimitive line_primitive(SceneTag tag, Vec3 a, Vec3 b, SceneColor color) {
    ScenePrimitive p;
    p.kind = PrimitiveKind::Line;
    p.tag = tag;
    p.corners = {a, b};
    p.edge = color;
    p.face = color;
    p.drawFaces = false;
    return p;
}

}  // namespace vornel
