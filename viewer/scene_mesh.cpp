#include "viewer/scene_mesh.h"

#include <cmath>

namespace vornel {

namespace {

constexpr int kTubeSides = 8;  // around the tube of a moment arc

class Builder {
  public:
    Builder(const ScenePrimitive& p, SceneMesh& m) : p_(p), m_(m) {}

    DrawBatch& faces() { return batch(DrawMode::Triangles, p_.face, p_.translucent); }
    DrawBatch& lines() { return batch(DrawMode::Lines, p_.edge, false); }
    DrawBatch& loop() {
        m_.batches.push_back({DrawMode::LineLoop, p_.edge, false, {}});
        return m_.batches.back();
    }

    void triangle(Vec3 a, Vec3 b, Vec3 c) {
        auto& v = faces().vertices;
        v.insert(v.end(), {a, b, c});
    }
    // A quadrilateral wound so that its normal points away from `inside`.
    void outwardQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 inside) {
        const Vec3 n = cross(b - a, c - a) + cross(c - a, d - a);
        const Vec3 centre = (a + b + c + d) * 0.25;
        if (dot(n, centre - inside) < 0) std::swap(b, d);
        triangle(a, b, c);
        triangle(a, c, d);
    }
    void line(Vec3 a, Vec3 b) {
        auto& v = lines().vertices;
        v.insert(v.end(), {a, b});
    }
    void circle(Vec3 centre, Vec3 u, Vec3 v, double r) {
        auto& l = loop().vertices;
        for (int i = 0; i < kCircleSegments; ++i) l.push_back(ring(centre, u, v, r, i));
    }
    // A disc facing along `facing`.
    void disc(Vec3 centre, Vec3 u, Vec3 v, double r, Vec3 facing) {
        for (int i = 0; i < kCircleSegments; ++i) {
            Vec3 a = ring(centre, u, v, r, i), b = ring(centre, u, v, r, i + 1);
            if (dot(cross(a - centre, b - centre), facing) < 0) std::swap(a, b);
            triangle(centre, a, b);
        }
    }
    static Vec3 ring(Vec3 c, Vec3 u, Vec3 v, double r, int i) {
        const double t = 2 * M_PI * i / kCircleSegments;
        return c + u * (r * std::cos(t)) + v * (r * std::sin(t));
    }

  private:
    DrawBatch& batch(DrawMode mode, SceneColor color, bool blend) {
        if (m_.batches.empty() || m_.batches.back().mode != mode ||
            !(m_.batches.back().color == color) || m_.batches.back().blend != blend)
            m_.batches.push_back({mode, color, blend, {}});
        return m_.batches.back();
    }
    const ScenePrimitive& p_;
    SceneMesh& m_;
};

Vec3 centroid(const std::vector<Vec3>& c) {
    Vec3 s;
    for (const Vec3& v : c) s = s + v;
    return s * (1.0 / static_cast<double>(c.size()));
}

void solid(const ScenePrimitive& p, Builder& b) {
    const auto& c = p.corners;
    if (p.drawFaces) {
        const Vec3 in = centroid(c);
        b.outwardQuad(c[0], c[1], c[2], c[3], in);
        b.outwardQuad(c[4], c[5], c[6], c[7], in);
        for (size_t i = 0; i < 4; ++i) {
            const size_t j = (i + 1) % 4;
            b.outwardQuad(c[i], c[j], c[j + 4], c[i + 4], in);
        }
    }
    if (p.drawEdges) {
        for (size_t end : {0u, 4u})
            b.loop().vertices.assign(c.begin() + long(end), c.begin() + long(end) + 4);
        for (size_t i = 0; i < 4; ++i) b.line(c[i], c[i + 4]);
    }
}

void rectangle(const ScenePrimitive& p, Builder& b) {
    const auto& c = p.corners;
    if (p.drawFaces) {
        b.triangle(c[0], c[1], c[2]);
        b.triangle(c[0], c[2], c[3]);
        b.triangle(c[0], c[2], c[1]);
        b.triangle(c[0], c[3], c[2]);
    }
    if (p.drawEdges) b.loop().vertices.assign(c.begin(), c.end());
}

void pyramid(const ScenePrimitive& p, Builder& b) {
    const auto& c = p.corners;
    const Vec3 in = centroid(c);
    if (p.drawFaces) {
        b.outwardQuad(c[0], c[1], c[2], c[3], in);
        for (size_t i = 0; i < 4; ++i) {
            Vec3 u = c[i], v = c[(i + 1) % 4];
            if (dot(cross(v - u, c[4] - u), (u + v + c[4]) * (1.0 / 3) - in) < 0) std::swap(u, v);
            b.triangle(u, v, c[4]);
        }
    }
    if (p.drawEdges) {
        b.loop().vertices.assign(c.begin(), c.begin() + 4);
        for (size_t i = 0; i < 4; ++i) b.line(c[i], c[4]);
    }
}

// Two unit vectors across `axis`.
std::pair<Vec3, Vec3> across(Vec3 axis) {
    const Vec3 helper = std::abs(axis.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{0, 1, 0};
    const Vec3 u = normalized(cross(axis, helper));
    return {u, cross(axis, u)};
}

// A cone from a base disc at `base` to `tip`.
void cone(Builder& b, Vec3 base, Vec3 tip, double radius) {
    const Vec3 axis = normalized(tip - base);
    const auto [u, v] = across(axis);
    for (int i = 0; i < kCircleSegments; ++i) {
        Vec3 p = Builder::ring(base, u, v, radius, i), q = Builder::ring(base, u, v, radius, i + 1);
        if (dot(cross(q - p, tip - p), (p + q) * 0.5 - base) < 0) std::swap(p, q);
        b.triangle(p, q, tip);
    }
    b.disc(base, u, v, radius, axis * -1.0);
    b.circle(base, u, v, radius);
}

void arrow(const ScenePrimitive& p, Builder& b) {
    const double S = p.size;
    const Vec3 a = normalized(p.axis);
    const auto [u, v] = across(a);
    const Vec3 tail = p.tip - a * S, neck = p.tip - a * (S / 4);
    const double r = S / 8;
    for (int i = 0; i < kCircleSegments; ++i) {
        const Vec3 p0 = Builder::ring(tail, u, v, r, i), p1 = Builder::ring(tail, u, v, r, i + 1);
        b.outwardQuad(p0, p1, p1 + (neck - tail), p0 + (neck - tail), tail + (neck - tail) * 0.5);
    }
    b.disc(tail, u, v, r, a * -1.0);
    b.circle(tail, u, v, r);
    b.circle(neck, u, v, r);
    cone(b, neck, p.tip, 3 * S / 8);
}

void arc(const ScenePrimitive& p, Builder& b) {
    const double S = p.size, R = S / 9, tube = S / 36;
    const Vec3 a = normalized(p.axis), n = normalized(p.normal), side = normalized(cross(a, n));
    const int steps = kCircleSegments / 2;
    auto centre = [&](int i) {
        const double t = M_PI * i / steps;
        return std::pair{p.origin + a * (R * std::cos(t)) + n * (R * std::sin(t)),
                         a * std::cos(t) + n * std::sin(t)};
    };
    auto tubePoint = [&](int i, int k) {
        const auto [c, radial] = centre(i);
        const double t = 2 * M_PI * k / kTubeSides;
        return c + radial * (tube * std::cos(t)) + side * (tube * std::sin(t));
    };
    for (int i = 0; i < steps; ++i)
        for (int k = 0; k < kTubeSides; ++k)
            b.outwardQuad(tubePoint(i, k), tubePoint(i, k + 1), tubePoint(i + 1, k + 1),
                          tubePoint(i + 1, k), (centre(i).first + centre(i + 1).first) * 0.5);
    // Closing discs at both ends, facing along the ring's tangent out of the tube.
    for (int end : {0, steps}) {
        const auto [c, radial] = centre(end);
        b.disc(c, radial, side, tube, n * -1.0);
        b.circle(c, radial, side, tube);
    }
    // The cone continues the turn out of the chosen end: both ends open towards -normal.
    const Vec3 at = centre(p.coneAtStart ? 0 : steps).first;
    cone(b, at, at + n * (-S / 18), S / 12);
}

}  // namespace

size_t SceneMesh::vertexCount() const {
    size_t n = 0;
    for (const DrawBatch& b : batches) n += b.vertices.size();
    return n;
}

void tessellate(const ScenePrimitive& p, SceneMesh& mesh) {
    Builder b(p, mesh);
    switch (p.kind) {
        case PrimitiveKind::Solid:
            solid(p, b);
            break;
        case PrimitiveKind::Rectangle:
            rectangle(p, b);
            break;
        case PrimitiveKind::Pyramid:
            pyramid(p, b);
            break;
        case PrimitiveKind::Line:
            b.line(p.corners[0], p.corners[1]);
            break;
        case PrimitiveKind::Arrow:
            arrow(p, b);
            break;
        case PrimitiveKind::Arc:
            arc(p, b);
            break;
    }
}

SceneMesh tessellate(const std::vector<ScenePrimitive>& primitives) {
    SceneMesh mesh;
    for (const ScenePrimitive& p : primitives) tessellate(p, mesh);
    return mesh;
}

}  // namespace vornel
