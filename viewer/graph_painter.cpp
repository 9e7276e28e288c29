#include "viewer/graph_painter.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "viewer/graph_envelope.h"
#include "viewer/graph_palette.h"
#include "viewer/soil_patterns.h"

namespace vornel {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Text centred in a box `w` wide and `h` high around `centre`, turned a quarter to the left
// (reading upwards) when `rotated`.
void centred_text(QPainter& p, QPoint centre, const QString& text, int w, int h, bool rotated) {
    p.save();
    p.translate(centre);
    if (rotated) p.rotate(-90.0);
    p.drawText(QRect(-w / 2, -h / 2, w, h), Qt::AlignCenter | Qt::TextDontClip, text);
    p.restore();
}

// Pixel (x, y) has its centre at (x + 0.5, y + 0.5): a line through the centres of its
// vertex pixels sets exactly those pixels, however steep it is.
QPolygonF through_centres(const QPolygon& poly) {
    QPolygonF out;
    out.reserve(poly.size());
    for (const QPoint& q : poly) out << QPointF(q.x() + 0.5, q.y() + 0.5);
    return out;
}

QRect box_rect(const PixelBox& b) {
    return QRect(b.left, b.top, b.width() + 1, b.height() + 1);
}

}  // namespace

int marker_shape(int index) {
    return ((index % 10) + 10) % 10 + 1;
}

QPolygon marker_outline(int index, QPoint centre, int rx, int ry) {
    const int k = marker_shape(index);
    std::vector<double> angles;
    if (k == 1)
        angles = {180, 300, 60};
    else if (k == 2)
        angles = {45, 135, 225, 315};
    else
        for (int j = 0; j < k; ++j) angles.push_back(360.0 * j / k);
    QPolygon poly;
    for (double a : angles) {
        const double r = a * kPi / 180.0;  // clockwise from straight up
        poly << QPoint(centre.x() + static_cast<int>(std::lround(rx * std::sin(r))),
                       centre.y() - static_cast<int>(std::lround(ry * std::cos(r))));
    }
    return poly;
}

int GraphPainter::penWidth() const {
    return (static_cast<int>(std::lround(l_.device.px / 300.0)) + 1) * g().WidthLine;
}

QFont GraphPainter::font(bool bold) const {
    return graph_font(l_.T, bold);
}

QFont GraphPainter::legendFont() const {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(std::max(1, g().LegendFont * l_.device.py * g().SizeFont / (72 * 10)));
    return f;
}

std::vector<int> GraphPainter::palettePositions() const {
    std::vector<int> pos;
    int p = 0;
    for (const TLine& c : g().Lines) pos.push_back(c.Active ? p++ : -1);
    return pos;
}

void GraphPainter::paint(QPainter& p) const {
    p.save();
    p.fillRect(l_.client, Qt::white);
    if (l_.tooSmall || l_.plot.empty()) {
        p.restore();
        return;
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    paintTitles(p);
    const int panels = std::min<int>(v_.panelCount(), static_cast<int>(l_.panels.size()));
    for (int i = 0; i < panels; ++i) paintTicks(p, i);
    for (int i = 0; i < panels; ++i) paintCurves(p, i);
    if (l_.mode != PaintMode::Screen) paintLegend(p);
    if (g().ShowLayers && !l_.strip.empty()) paintStrip(p);
    paintFrames(p);
    p.restore();
}

void GraphPainter::paintText(QPainter& p, const TextBox& box) const {
    if (box.lines.isEmpty()) return;
    const int n = static_cast<int>(box.lines.size());
    const int line = box.height / n;
    for (int k = 0; k < n; ++k) {
        // Lines stack down the box (across it when turned), centred each.
        const int offset = (2 * k + 1 - n) * line / 2;
        const QPoint at =
            box.rotated ? box.centre + QPoint(offset, 0) : box.centre + QPoint(0, offset);
        centred_text(p, at, box.lines[k], box.width, line, box.rotated);
    }
}

void GraphPainter::paintTitles(QPainter& p) const {
    p.setFont(font(true));
    p.setPen(Qt::black);
    for (const TextBox& b : l_.xTitles) paintText(p, b);
    for (const TextBox& b : l_.yTitles) paintText(p, b);
    paintText(p, l_.title);
}

void GraphPainter::paintTicks(QPainter& p, int panel) const {
    const PanelMapping m = v_.mapping(l_, panel);
    if (!m.range().valid()) return;
    const PixelBox& b = m.box();
    const int T = l_.T, px = l_.device.px, py = l_.device.py;
    const AxisTicks tx = panel_ticks(l_, b, m.range().x, true);
    const AxisTicks ty = panel_ticks(l_, b, m.range().y, false);
    p.setFont(font(false));
    const QPen solid(Qt::black, 1), dotted(Qt::black, 1, Qt::DotLine);
    const int edge = g().XOnTop ? b.top : b.bottom, inward = g().XOnTop ? py / 16 : -py / 16;
    for (const AxisTick& t : tx.ticks) {
        const int x = m.pixelX(t.value);
        p.setPen(solid);
        p.drawLine(x, edge, x, edge + inward);
        if (!t.labelled) continue;
        p.setPen(dotted);
        p.drawLine(x, b.top, x, b.bottom);
    }
    for (const AxisTick& t : ty.ticks) {
        const int y = m.pixelY(t.value);
        p.setPen(solid);
        p.drawLine(b.left, y, b.left + px / 16, y);
        if (!t.labelled) continue;
        p.setPen(dotted);
        p.drawLine(b.left, y, b.right, y);
    }
    p.setPen(solid);
    for (bool across : {true, false})
        for (const TextBox& label : tick_labels(l_, m, across ? tx : ty, across))
            centred_text(p, label.centre, label.lines.front(), 10 * T, T, label.rotated);
}

void GraphPainter::paintCurves(QPainter& p, int panel) const {
    const TLineList& list = panel == 0 ? g().Lines : panel == 1 ? g().Lines2 : g().Lines3;
    if (list.empty() || list.front().pointCount() <= 1) return;
    const PanelMapping m = v_.mapping(l_, panel);
    if (!m.range().valid()) return;
    const std::vector<int> pos = palettePositions();
    const bool shorten = panel > 0 && list.size() > 1;
    const int rx = l_.device.px / 32, ry = l_.device.py / 32, every = g().Markers;
    p.save();
    p.setClipRect(box_rect(m.box()));
    for (size_t i = 0; i < list.size() && i < g().Lines.size(); ++i) {
        const TLine& flags = g().Lines[i];
        if (!flags.Active || !flags.Shown) continue;
        const QColor colour = graph_colour(pos[i]);
        // A cosmetic pen sets every pixel the line passes, its vertices included.
        QPen pen(colour, penWidth(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.setBrush(colour);
        int n = list[i].pointCount() - (shorten ? 1 : 0);
        QPolygon line;
        for (int j = 0; j < n; ++j) line << m.toPixel(list[i].point(j).X, list[i].point(j).Y);
        p.drawPolyline(through_centres(line));
        if (every <= 0) continue;
        p.setPen(QPen(colour, 1));
        p.setBrush(Qt::NoBrush);
        for (int j = 0; j < n; ++j)
            if (j % every == 0) p.drawPolygon(marker_outline(static_cast<int>(i), line[j], rx, ry));
    }
    const GraphFamily family = panel == 0   ? GraphFamily::Main
                               : panel == 1 ? GraphFamily::Second
                                            : GraphFamily::Third;
    if (const auto e = drawn_envelope(g(), family)) {
        p.setPen(envelopePen());
        p.setBrush(Qt::NoBrush);
        for (const TLine* side : {&e->max, &e->min}) {
            QPolygon line;
            for (int j = 0; j < side->pointCount() - (shorten ? 1 : 0); ++j)
                line << m.toPixel(side->point(j).X, side->point(j).Y);
            p.drawPolyline(through_centres(line));
        }
    }
    p.restore();
}

QPen GraphPainter::envelopePen() const {
    QPen pen(envelope_colour(), 2 * penWidth(), Qt::DashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

void GraphPainter::paintFrames(QPainter& p) const {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    for (const PixelBox& b : l_.panels) p.drawRect(QRect(b.left, b.top, b.width(), b.height()));
}

}  // namespace vornel

namespace vornel {

std::vector<int> GraphPainter::legendCurves() const {
    std::vector<int> out;
    for (int i : g().activeCurves())
        if (g().curve(i).Shown) out.push_back(i);
    return out;
}

QRect GraphPainter::pageLegendRect() const {
    const std::vector<int> curves = legendCurves();
    if (!g().ShowLegend || curves.empty()) return {};
    const QFontMetrics fm(legendFont());
    const int px = l_.device.px, py = l_.device.py;
    int text_w = 0;
    for (int i : curves) text_w = std::max(text_w, fm.horizontalAdvance(g().legendText(i)));
    const QStringList envelope = envelopeLegend();
    for (const QString& t : envelope) text_w = std::max(text_w, fm.horizontalAdvance(t));
    const int items = static_cast<int>(curves.size()) + static_cast<int>(envelope.size());
    const int w = px / 8 + px / 32 + text_w + px / 16;
    const int h = items * (fm.height() + py / 32) + py / 32;
    QPoint at(l_.plot.right - w, l_.plot.bottom - h);
    // The window's place as the same fraction of the frame (the printable area on a page),
    // kept inside it.
    const QRect& f = l_.frame;
    if (v_.legendFraction)
        at = f.topLeft() + QPoint(static_cast<int>(v_.legendFraction->x() * f.width()),
                                  static_cast<int>(v_.legendFraction->y() * f.height()));
    at.setX(std::clamp(at.x(), f.left(), std::max(f.left(), f.right() - w)));
    at.setY(std::clamp(at.y(), f.top(), std::max(f.top(), f.bottom() - h)));
    return QRect(at, QSize(w, h));
}

void GraphPainter::paintLegend(QPainter& p) const {
    const QRect box = pageLegendRect();
    if (box.isEmpty()) return;
    const std::vector<int> pos = palettePositions();
    const QFont f = legendFont();
    const QFontMetrics fm(f);
    const int px = l_.device.px, py = l_.device.py, step = fm.height() + py / 32;
    p.save();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setFont(f);
    int y = box.top() + py / 32;
    for (int i : legendCurves()) {
        const QColor colour = graph_colour(pos[static_cast<size_t>(i)]);
        const QPoint centre(box.left() + px / 16, y + fm.height() / 2);
        p.setPen(QPen(colour, penWidth()));
        p.drawLine(centre.x() - px / 32, centre.y(), centre.x() + px / 32, centre.y());
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 1));
        if (g().Markers > 0)
            p.drawPolygon(through_centres(marker_outline(i, centre, px / 32, py / 32)));
        p.drawText(QRect(box.left() + px / 8 + px / 32, y, box.width(), fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, g().legendText(i));
        y += step;
    }
    // The envelope pair: a sample of its dashed line, no marker.
    for (const QString& text : envelopeLegend()) {
        const int cy = y + fm.height() / 2;
        p.setPen(envelopePen());
        p.drawLine(box.left() + px / 32, cy, box.left() + px / 8, cy);
        p.setPen(QPen(envelope_colour(), 1));
        p.drawText(QRect(box.left() + px / 8 + px / 32, y, box.width(), fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
        y += step;
    }
    p.restore();
}

QStringList GraphPainter::envelopeLegend() const {
    if (!drawn_envelope(g())) return {};
    return {QString::fromLatin1(envelope_text::kMax), QString::fromLatin1(envelope_text::kMin)};
}

void GraphPainter::paintBands(QPainter& p, const PanelMapping& m, int left, int right, double below,
                              bool named) const {
    const TLineList& lines = g().LayerLines;
    const size_t n =
        g().WallLineCount > 0 ? std::min<size_t>(g().WallLineCount, lines.size()) : lines.size();
    const bool large = l_.mode == PaintMode::Print;
    QFont f = font(false);
    f.setPixelSize(std::max(1, l_.device.baseFont));
    p.setFont(f);
    double top = g().LayerStartDepth;
    for (size_t i = 0; i < n; ++i) {
        if (lines[i].Points.empty()) continue;
        const double bottom = lines[i].Points.front().Y;
        const double from = std::max(top, below);
        top = bottom;
        if (bottom <= from) continue;
        const QRect band(QPoint(left, m.pixelY(from)), QPoint(right, m.pixelY(bottom)));
        const int code = static_cast<int>(std::lround(lines[i].Points.front().X));
        p.fillRect(band, Qt::white);
        if (soil_code_filled(code)) {
            QBrush b = soil_brush(code, large);
            if (large)
                b.setTransform(QTransform::fromScale(l_.device.px / 96.0, l_.device.py / 96.0));
            p.fillRect(band, b);
        }
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(band.left(), band.bottom(), band.right(), band.bottom());
        if (!named) continue;
        const QString text = lines[i].Name;
        QRect tr = p.fontMetrics().boundingRect(text).adjusted(-2, 0, 2, 0);
        tr.moveCenter(band.intersected(box_rect(l_.strip)).center());
        p.fillRect(tr, Qt::white);
        p.drawText(tr, Qt::AlignCenter, text);
    }
}

void GraphPainter::paintWallStrip(QPainter& p, const PanelMapping& m) const {
    const PixelBox& s = l_.strip;
    const TLineList& lines = g().LayerLines;
    const size_t w = static_cast<size_t>(g().WallLineCount);
    const double wall_bottom = lines[w].Points.front().Y;
    const double excavation = lines[w + 1].Points.front().Y;
    const int fifth = s.width() / 5;
    paintBands(p, m, s.left, s.left + 2 * fifth, -1e300, false);
    // Below the excavation level the soil runs under the toe too; the wall covers it above.
    paintBands(p, m, s.left + 2 * fifth, s.right, excavation, false);
    const QRect wall(QPoint(s.left + 2 * fifth, s.top),
                     QPoint(s.left + 3 * fifth, m.pixelY(wall_bottom)));
    p.fillRect(wall, QColor(0x80, 0x80, 0x80));
}

void GraphPainter::paintStrip(QPainter& p) const {
    const PixelBox& s = l_.strip;
    const PanelMapping depth(s, v_.range(0), g().XOnTop);
    if (!v_.range(0).valid()) return;
    const size_t w = static_cast<size_t>(g().WallLineCount);
    const TLineList& lines = g().LayerLines;
    const bool wall = g().ShowWall && w > 0 && lines.size() >= w + 2 && !lines[w].Points.empty() &&
                      !lines[w + 1].Points.empty();
    p.save();
    p.setClipRect(box_rect(s));
    p.fillRect(box_rect(s), Qt::white);
    if (wall)
        paintWallStrip(p, depth);
    else
        paintBands(p, depth, s.left, s.right, -1e300, true);
    p.restore();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(s.left, s.top, s.width(), s.height()));
}

}  // namespace vornel
