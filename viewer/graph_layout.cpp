#include "viewer/graph_layout.h"

#include <algorithm>
#include <cmath>

namespace vornel {

QPoint PixelBox::clamp(QPoint p) const {
    return {std::clamp(p.x(), left, std::max(left, right)),
            std::clamp(p.y(), top, std::max(top, bottom))};
}

namespace {

// Points far outside a zoomed range still map to a pixel that the painter can clip.
int to_pixel(double v) {
    return static_cast<int>(std::lround(std::clamp(v, -1.0e7, 1.0e7)));
}

// Panels of the three-panel layout: equal widths, 2T + Px/4 apart, the last ending at right.
void split_panels(GraphLayout& l, bool three) {
    l.panels.clear();
    if (!three) {
        l.panels.push_back(l.plot);
        return;
    }
    const int gap = 2 * l.T + l.device.px / 4;
    const int w = (l.plot.width() - 4 * l.T - l.device.px / 2) / 3;
    PixelBox p = l.plot;
    p.right = p.left + w;
    l.panels.push_back(p);
    p.left = p.right + gap, p.right = p.left + w;
    l.panels.push_back(p);
    p.left = p.right + gap, p.right = l.plot.right;
    l.panels.push_back(p);
}

// The layer strip takes `loss` pixels off the right of the plot and starts Px/5 right of it.
void cut_strip(GraphLayout& l, const TGraphPlot& g, int loss) {
    if (!g.ShowLayers || !g.hasLayerLines()) return;
    const int old_right = l.plot.right;
    l.plot.right -= loss;
    l.strip = {l.plot.right + l.device.px / 5, l.plot.top, old_right, l.plot.bottom};
}

GraphLayout window_like(const TGraphPlot& g, QSize size, const DeviceMetrics& d, PaintMode mode) {
    GraphLayout l;
    l.mode = mode;
    l.device = d;
    l.T = d.textHeight(g);
    l.client = QRect(QPoint(0, 0), size);
    l.tooSmall = size.width() < d.px || size.height() < d.py;
    const int T = l.T, px = d.px, py = d.py;
    l.plot.left = 2 * T + px / 8 + T / 8;
    l.plot.right = size.width() - px / 4 - T / 2;
    if (g.XOnTop) {
        l.plot.top = 2 * T + py / 8 + T / 8;
        l.plot.bottom = size.height() - py / 4 - T / 2;
    } else {
        l.plot.top = T / 2 + py / 4;
        l.plot.bottom = size.height() - 2 * T - py / 8 - T / 8;
    }
    if (!g.Title.isEmpty()) {
        if (g.TitleAtTop)
            l.plot.top += T / 8 + T;
        else
            l.plot.bottom -= T;
    }
    cut_strip(l, g, mode == PaintMode::Picture ? px / 2 : px);
    split_panels(l, g.ShowThree);
    return l;
}

}  // namespace

GraphLayout layout_screen(const TGraphPlot& g, QSize client, const DeviceMetrics& d) {
    return window_like(g, client, d, PaintMode::Screen);
}

GraphLayout layout_picture(const TGraphPlot& g, QSize size, const DeviceMetrics& d) {
    return window_like(g, size, d, PaintMode::Picture);
}

GraphLayout layout_page(const TGraphPlot& g, QRect page, QRect area, const DeviceMetrics& d) {
    GraphLayout l;
    l.mode = PaintMode::Print;
    l.device = d;
    l.T = d.textHeight(g);
    l.client = page;
    const int T = l.T, px = d.px, py = d.py;
    const int a_left = area.left(), a_top = area.top();
    const int a_right = area.left() + area.width(), a_bottom = area.top() + area.height();
    l.tooSmall = area.width() < px || area.height() < py;
    l.plot.left = a_left + 2 * T + px / 8 + T / 8;
    l.plot.right = a_right;
    if (g.XOnTop) {
        l.plot.top = a_top + 2 * T + py / 8 + T / 8;
        l.plot.bottom = a_bottom;
    } else {
        l.plot.top = a_top;
        l.plot.bottom = a_bottom - 2 * T - py / 8 - T / 8;
    }
    if (!g.Title.isEmpty()) {
        if (g.TitleAtTop)
            l.plot.top += py / 4;
        else
            l.plot.bottom -= py / 2;
    }
    cut_strip(l, g, px);
    split_panels(l, g.ShowThree);
    return l;
}

QRect printable_area(QSize page, const PageMargins& m, const QMargins& offsets,
                     const DeviceMetrics& d) {
    auto px = [](int thousandths, int ppi) {
        return static_cast<int>(std::lround(thousandths * static_cast<double>(ppi) / 1000.0));
    };
    const int left = std::max(px(m.left, d.px), offsets.left());
    const int top = std::max(px(m.top, d.py), offsets.top());
    const int right = std::max(px(m.right, d.px), offsets.right());
    const int bottom = std::max(px(m.bottom, d.py), offsets.bottom());
    return QRect(left, top, std::max(0, page.width() - right - left),
                 std::max(0, page.height() - bottom - top));
}

int PanelMapping::pixelX(double x) const {
    const double f = (x - range_.x.min) / range_.x.span();
    return box_.left + to_pixel(f * box_.width());
}

int PanelMapping::pixelY(double y) const {
    const double f = (y - range_.y.min) / range_.y.span();
    const double amount = f * box_.height();
    return x_on_top_ ? box_.top + to_pixel(amount) : box_.bottom - to_pixel(amount);
}

double PanelMapping::dataX(double pixel_x) const {
    if (box_.width() == 0) return range_.x.min;
    return range_.x.min + (pixel_x - box_.left) / box_.width() * range_.x.span();
}

double PanelMapping::dataY(double pixel_y) const {
    if (box_.height() == 0) return range_.y.min;
    const double amount = x_on_top_ ? pixel_y - box_.top : box_.bottom - pixel_y;
    return range_.y.min + amount / box_.height() * range_.y.span();
}

}  // namespace vornel
