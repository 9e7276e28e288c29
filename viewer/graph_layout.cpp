#include "viewer/graph_layout.h"

#include <QFontMetrics>
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

TextBox text_box(QPoint centre, const QString& text, int width, int height, bool rotated) {
    return TextBox{centre, width, height, rotated, QStringList{text}};
}

// Words of `text` in lines no wider than `room`; a word wider than that has a line of its own.
QStringList wrapped(const QString& text, int room, const QFontMetrics& fm) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() &&
            fm.horizontalAdvance(lines.back() + QLatin1Char(' ') + word) <= room)
            lines.back() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    if (lines.isEmpty()) lines << QString();
    return lines;
}

int widest(const QStringList& lines, const QFontMetrics& fm) {
    int w = 0;
    for (const QString& s : lines) w = std::max(w, fm.horizontalAdvance(s));
    return w;
}

// The single panel: the X title centred across the frame at the X axis side, the graph title
// at its edge, the Y title turned at the frame's left edge.
void place_single_titles(GraphLayout& l, const TGraphPlot& g, const QFontMetrics& fm) {
    const int T = l.T;
    const QRect& f = l.frame;
    const int top = f.top(), bottom = f.top() + f.height(), cx = f.left() + f.width() / 2;
    const bool title = !g.Title.isEmpty();
    const int shift = T / 8 + T;
    const QString x = g.xTitle(), y = g.yTitle();
    const int x_at = g.XOnTop ? top + (title && g.TitleAtTop ? shift : 0) + T / 2
                              : bottom - (title && !g.TitleAtTop ? shift : 0) - (T - T / 2);
    l.xTitles = {text_box(QPoint(cx, x_at), x, fm.horizontalAdvance(x), T, false)};
    const int cy = (l.plot.top + l.plot.bottom) / 2;
    l.yTitles = {text_box(QPoint(f.left() + T / 2, cy), y, fm.horizontalAdvance(y), T, true)};
}

// Three panels: each X title centred over its panel, Py/16 from the frame's edge (a further
// Py/4 when the graph title is on that side). A title wider than its panel's share of the
// width is wrapped at its blanks and the panels give way to the extra lines, so that
// neighbouring titles never run together and no word is lost.
void place_panel_titles(GraphLayout& l, const TGraphPlot& g, const QFontMetrics& fm) {
    const int T = l.T, px = l.device.px, py = l.device.py;
    const QRect& f = l.frame;
    const int top = f.top(), bottom = f.top() + f.height();
    const bool same_side = !g.Title.isEmpty() && g.TitleAtTop == g.XOnTop;
    const int edge = py / 16 + (same_side ? py / 4 : 0);
    const int gap = 2 * T + px / 4, pitch = fm.height();
    std::vector<QStringList> lines;
    int most = 1;
    for (int i = 0; i < static_cast<int>(l.panels.size()); ++i) {
        const PixelBox& b = l.panels[static_cast<size_t>(i)];
        const int cx = (b.left + b.right) / 2;
        const int room = std::min(
            {b.width() + gap - T / 2, 2 * (cx - f.left()), 2 * (f.left() + f.width() - cx)});
        lines.push_back(wrapped(g.xTitle(i + 1), room, fm));
        most = std::max(most, static_cast<int>(lines.back().size()));
    }
    // The extra lines push the panels (and the strip) away from the titles.
    const int extra = most > 1 ? most * pitch - T : 0;
    if (extra > 0) {
        auto give_way = [&](PixelBox& b) {
            if (g.XOnTop)
                b.top = std::min(b.bottom, b.top + extra);
            else
                b.bottom = std::max(b.top, b.bottom - extra);
        };
        give_way(l.plot);
        for (PixelBox& b : l.panels) give_way(b);
        if (!l.strip.empty()) give_way(l.strip);
    }
    l.xTitles.clear();
    l.yTitles.clear();
    for (size_t i = 0; i < l.panels.size(); ++i) {
        const PixelBox& b = l.panels[i];
        const int cx = (b.left + b.right) / 2;
        const int n = static_cast<int>(lines[i].size());
        const int h = n > 1 ? n * pitch : T;
        const int cy = g.XOnTop ? top + edge + h / 2 : bottom - edge - (h - h / 2);
        l.xTitles.push_back(TextBox{QPoint(cx, cy), widest(lines[i], fm), h, false, lines[i]});
        const QString y = g.yTitle(static_cast<int>(i) + 1);
        const int x = b.left - 2 * T - px / 32 + T / 2 - T / 8;
        l.yTitles.push_back(
            text_box(QPoint(x, (b.top + b.bottom) / 2), y, fm.horizontalAdvance(y), T, true));
    }
}

void place_texts(GraphLayout& l, const TGraphPlot& g) {
    const QFontMetrics fm(graph_font(l.T, true));
    if (g.ShowThree)
        place_panel_titles(l, g, fm);
    else
        place_single_titles(l, g, fm);
    l.title = {};
    if (g.Title.isEmpty()) return;
    const QRect& f = l.frame;
    // A box of odd height has its extra pixel below the centre.
    const int y = g.TitleAtTop ? f.top() + l.T / 2 : f.top() + f.height() - (l.T - l.T / 2);
    l.title = text_box(QPoint(f.left() + f.width() / 2, y), g.Title, fm.horizontalAdvance(g.Title),
                       l.T, false);
}

GraphLayout window_like(const TGraphPlot& g, QSize size, const DeviceMetrics& d, PaintMode mode) {
    GraphLayout l;
    l.mode = mode;
    l.device = d;
    l.T = d.textHeight(g);
    l.client = QRect(QPoint(0, 0), size);
    l.frame = l.client;
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
    place_texts(l, g);
    return l;
}

// The first pixel of a text `width` long centred at `centre`, moved along its line where it
// would reach past `hi` (one beyond the last pixel) or before `lo`.
int kept_inside(int centre, int width, int lo, int hi) {
    return std::max(lo, std::min(centre - width / 2, hi - width));
}

// Whether the X labels of `t` on `box`, written as on a 96-ppi screen of the same size, keep
// `gap` pixels of that screen between neighbours and end within half a label of the panel's
// ends.
bool x_labels_fit(const GraphLayout& l, const QFontMetrics& fm, const PixelBox& box,
                  const AxisRange& range, const AxisTicks& t, int gap) {
    const int left = l.screenPixels(box.left, true), right = l.screenPixels(box.right, true);
    const int lo = l.screenPixels(l.frame.left(), true);
    const int hi = l.screenPixels(l.frame.left() + l.frame.width(), true);
    const PanelMapping m(PixelBox{left, 0, right, 1}, PanelRange{range, range}, true);
    bool first = true;
    int end = 0;  // one beyond the previous label
    for (const AxisTick& k : t.ticks) {
        if (!k.labelled) continue;
        const int w = fm.horizontalAdvance(tick_label(k.value));
        const int at = kept_inside(m.pixelX(k.value), w, lo, hi);
        if (at < left - w / 2 || at + w > right + (w - w / 2)) return false;
        if (!first && at - end < gap) return false;
        first = false, end = at + w;
    }
    return true;
}

// Down the 1-2-5 series from the labelled interval of `t` (from one interval over the whole
// axis when `t` has none) while the X labels keep `gap` apart, until three are written.
AxisTicks finer_while_fit(const GraphLayout& l, const PixelBox& box, const AxisRange& range,
                          AxisTicks t, int gap) {
    const QFontMetrics fm(graph_font(l.screenPixels(l.T, false), false));
    double major = t.major > 0.0 ? t.major : axis_ticks(range.min, range.max, 6, 1).major;
    for (int k = 0; k < 30 && major > 0.0 && labelled_count(t) < 3; ++k) {
        major = finer_major_step(major);
        const AxisTicks finer = axis_ticks_by_step(range.min, range.max, major);
        if (labelled_count(finer) < labelled_count(t) ||
            !x_labels_fit(l, fm, box, range, finer, gap))
            break;
        t = finer;
    }
    return t;
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
    l.frame = area;
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
    place_texts(l, g);
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

QRect TextBox::rect() const {
    const int w = rotated ? height : width, h = rotated ? width : height;
    return QRect(centre.x() - w / 2, centre.y() - h / 2, w, h);
}

int GraphLayout::screenPixels(int pixels, bool across) const {
    const int ppi = across ? device.px : device.py;
    return ppi > 0 ? static_cast<int>(std::lround(pixels * 96.0 / ppi)) : pixels;
}

QFont graph_font(int pixels, bool bold) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(std::max(1, pixels));
    f.setBold(bold);
    return f;
}

AxisTicks panel_ticks(const GraphLayout& l, const PixelBox& box, const AxisRange& range,
                      bool across) {
    const int T = l.screenPixels(l.T, false);
    AxisTicks t = axis_ticks(range.min, range.max,
                             l.screenPixels(across ? box.width() : box.height(), across), T);
    if (!across || labelled_count(t) >= 3 || T <= 0 || !(range.max > range.min)) return t;
    t = finer_while_fit(l, box, range, t, T);
    if (labelled_count(t) >= 3) return t;
    // Where no interval gives three labels a text height apart (wide figures on a narrow
    // panel), three half a text height apart still read as separate numbers.
    const AxisTicks close = finer_while_fit(l, box, range, t, T / 2);
    return labelled_count(close) >= 3 ? close : t;
}

std::vector<TextBox> tick_labels(const GraphLayout& l, const PanelMapping& m, const AxisTicks& t,
                                 bool across) {
    const QFontMetrics fm(graph_font(l.T, false));
    const PixelBox& b = m.box();
    const QRect& f = l.frame;
    const int T = l.T, px = l.device.px, py = l.device.py;
    std::vector<TextBox> out;
    for (const AxisTick& k : t.ticks) {
        if (!k.labelled) continue;
        const QString text = tick_label(k.value);
        const int w = fm.horizontalAdvance(text);
        if (across) {
            const int x = kept_inside(m.pixelX(k.value), w, f.left(), f.left() + f.width()) + w / 2;
            const int y = m.xOnTop() ? b.top - py / 32 - T / 2 : b.bottom + py / 16 + T / 2;
            out.push_back(text_box(QPoint(x, y), text, w, T, false));
        } else {
            const int y = kept_inside(m.pixelY(k.value), w, f.top(), f.top() + f.height()) + w / 2;
            out.push_back(text_box(QPoint(b.left - px / 32 - T / 2, y), text, w, T, true));
        }
    }
    return out;
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
