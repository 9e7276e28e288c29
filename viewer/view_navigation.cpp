#include "viewer/view_navigation.h"

#include <algorithm>
#include <cmath>

namespace vornel {

void ViewNavigation::setMode(MouseMode m) {
    mode = m;
    zoomWindowFlag = m == MouseMode::ZoomWindow;
}

void ViewNavigation::restart() {
    rx = ry = rz = 0;
    zoom = 1.0;
    px = py = pz = 0;
}

void ViewNavigation::setBaseScale(double client_w, double client_h, const SceneExtents& x) {
    const double across = 2 * x.d > 0 ? (client_w - 50) / (2 * x.d) : 1.0;
    const double depth = x.D > 0 ? (client_h - 50) / x.D : 1.0;
    scale = std::min(across, depth);
}

OrthoBox ViewNavigation::projection(double w, double v, const SceneExtents& x) {
    const double l = x.P != 0 ? x.D / x.P * std::min(w, v) / 2 * 640 : std::max(w, v) / 2;
    return {-w / 2, w / 2, -v / 2, v / 2, -l, l};
}

QMatrix4x4 ViewNavigation::modelView(const SceneExtents& x) const {
    QMatrix4x4 m;
    m.rotate(-90, 1, 0, 0);  // z up on the screen
    m.rotate(float(rx), 1, 0, 0);
    m.rotate(float(ry), 0, 1, 0);
    m.rotate(float(rz), 0, 0, 1);
    m.scale(float(zoom));
    m.scale(float(scale));
    m.translate(0, 0, float(x.a / 2));  // the middle of the depth range to the centre
    m.translate(float(px), float(py), float(pz));
    return m;
}

double ViewNavigation::axisLength() const {
    const double k = zoom * scale;
    return k != 0 ? 80 / k : 80;
}

Vec3 ViewNavigation::toModel(Vec3 u) const {
    const float* c = captured.constData();  // column order
    auto column = [&](int i) { return Vec3{c[4 * i], c[4 * i + 1], c[4 * i + 2]}; };
    return {dot(column(0), u), dot(column(1), u), dot(column(2), u)};
}

void ViewNavigation::panBy(double ux, double uy) {
    const double k = scale * zoom;
    const Vec3 r = toModel({ux, uy, 0}) * (k != 0 ? 1 / (k * k) : 1.0);
    px = savedPx + r.x;
    py = savedPy + r.y;
    pz = savedPz + r.z;
}

bool ViewNavigation::press(double X, double Y, bool left) {
    mouse = Mouse::Pressed;
    leftPressed = left;
    x0 = cx = X;
    y0 = cy = Y;
    if (zoomWindowFlag && left) banding = true;
    if ((zoomWindowFlag && left) || mode == MouseMode::Pan) {
        savedPx = px;
        savedPy = py;
        savedPz = pz;
    }
    if ((zoomWindowFlag && left) || mode == MouseMode::Zoom) savedZoom = zoom;
    if (mode == MouseMode::Rotate) {
        savedRx = rx;
        savedRy = ry;
        savedRz = rz;
    }
    return false;
}

bool ViewNavigation::move(double X, double Y, bool left_down, bool shift, double w, double v) {
    if (!left_down) return false;
    if (zoomWindowFlag) {
        cx = X;
        cy = Y;
        return banding;
    }
    return update(X, Y, shift, w, v);
}

bool ViewNavigation::release(double X, double Y, bool shift, double w, double v) {
    mouse = Mouse::Released;
    bool repaint = false;
    if (zoomWindowFlag) {
        const bool was = banding;
        banding = false;
        const double bw = std::abs(X - x0), bh = std::abs(Y - y0);
        // A box of no width or no height says nothing about where to look: nothing changes.
        if (was && bw > 0 && bh > 0) {
            const double mx = (X + x0) / 2, my = (Y + y0) / 2;
            panBy(w / 2 - mx, my - v / 2);
            zoom = savedZoom * std::min(v / bh, w / bw);
        }
        repaint = was;
    } else if (leftPressed) {
        // Only a left-button drag navigates; the right button opens the context menu.
        repaint = update(X, Y, shift, w, v);
    }
    mouse = Mouse::Idle;
    return repaint;
}

bool ViewNavigation::update(double X, double Y, bool shift, double w, double v) {
    if (mouse == Mouse::Idle) return false;
    switch (mode) {
        case MouseMode::Pan: {
            double ux = X - x0, uy = y0 - Y;
            if (shift) (std::abs(ux) < std::abs(uy) ? ux : uy) = 0;
            panBy(ux, uy);
            break;
        }
        case MouseMode::Zoom:
            if (v > 0) zoom = savedZoom * (1 - (Y - y0) / v);
            break;
        case MouseMode::Rotate: {
            if (w <= 0 || v <= 0) break;
            Vec3 u{90 * (Y - y0) / v, 90 * (X - x0) / w, 0};
            if (shift) (std::abs(u.x) < std::abs(u.y) ? u.x : u.y) = 0;
            Vec3 r = toModel(u);
            const double nr = length(r);
            if (nr != 0) r = r * (length(u) / nr);
            rx = savedRx + r.x;
            ry = savedRy + r.y;
            rz = savedRz + r.z;
            break;
        }
        default:
            break;
    }
    return true;
}

double step_deformation_factor(double f, bool up) {
    if (!(f > 0) || !std::isfinite(f)) return 1.0;
    int k = static_cast<int>(std::floor(std::log10(f)));
    // Decades by exact powers: 10^k for k >= 0, 1 / 10^-k below, so 0.3 stays 0.3.
    auto times = [](double g, int e) {
        return e >= 0 ? g * std::pow(10.0, e) : g / std::pow(10.0, -e);
    };
    if (times(1, k) > f * (1 + 1e-12)) --k;
    if (times(10, k) <= f * (1 - 1e-12)) ++k;
    double g = std::floor(f / times(1, k) + 1e-9);
    g = std::clamp(g, 1.0, 9.0);
    if (up) return times(g + 1, k);
    return g == 1 ? times(9, k - 1) : times(g - 1, k);
}

}  // namespace vornel
