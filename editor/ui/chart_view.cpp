#include "editor/ui/chart_view.h"

#include <QPainter>

namespace vornel {

namespace {

void drawAxes(QPainter& p, const ChartPicture& pic, const QRectF& plot) {
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(plot);
    const QFontMetricsF fm(p.font());
    for (double t : pic.x.ticks) {
        const double px = pic.x.map(t, plot.left(), plot.right());
        p.setPen(QPen(QColor(220, 220, 220), 1, Qt::DotLine));
        p.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
        p.setPen(Qt::black);
        const QString s = ChartPicture::formatValue(t, pic.x.format);
        p.drawText(QPointF(px - fm.horizontalAdvance(s) / 2, plot.bottom() + fm.height()), s);
    }
    for (double t : pic.y.ticks) {
        const double py = pic.y.map(t, plot.bottom(), plot.top());
        p.setPen(QPen(QColor(220, 220, 220), 1, Qt::DotLine));
        p.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
        p.setPen(Qt::black);
        const QString s = ChartPicture::formatValue(t, pic.y.format);
        p.drawText(QPointF(plot.left() - fm.horizontalAdvance(s) - 4, py + fm.ascent() / 2), s);
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + fm.height() + 4, plot.width(), fm.height()),
               Qt::AlignCenter, pic.x.title);
    p.save();
    p.translate(plot.left() - 58, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -fm.height(), plot.height(), fm.height()),
               Qt::AlignCenter, pic.y.title);
    p.restore();
}

void drawSeries(QPainter& p, const ChartPicture& pic, const QRectF& plot) {
    p.save();
    p.setClipRect(plot.adjusted(-4, -4, 4, 4));
    for (const ChartSeries& s : pic.series) {
        QPolygonF line;
        for (const QPointF& v : s.points) line << pic.map(v, plot);
        p.setPen(QPen(s.color, s.width));
        p.drawPolyline(line);
        if (!s.squareMarkers) continue;
        p.setBrush(s.color);
        for (const QPointF& q : line) p.drawRect(QRectF(q.x() - 3, q.y() - 3, 6, 6));
        p.setBrush(Qt::NoBrush);
    }
    p.restore();
}

void drawLegend(QPainter& p, const ChartPicture& pic, const QRectF& plot) {
    if (!pic.legend) return;
    const QFontMetricsF fm(p.font());
    double w = 0;
    for (const ChartSeries& s : pic.series) w = std::max(w, fm.horizontalAdvance(s.name));
    const QRectF box(plot.right() - w - 40, plot.top() + 4, w + 36,
                     fm.height() * pic.series.size() + 6);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(box);
    double y = box.top() + 3 + fm.height() / 2;
    for (const ChartSeries& s : pic.series) {
        p.setPen(QPen(s.color, s.width));
        p.drawLine(QPointF(box.left() + 4, y), QPointF(box.left() + 26, y));
        p.setPen(Qt::black);
        p.drawText(QPointF(box.left() + 30, y + fm.ascent() / 2 - 1), s.name);
        y += fm.height();
    }
}

}  // namespace

void paint_chart(QPainter& p, const ChartPicture& pic, const QRectF& bounds) {
    p.save();
    p.fillRect(bounds, Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = ChartPicture::plotArea(bounds);
    drawAxes(p, pic, plot);
    drawSeries(p, pic, plot);
    drawLegend(p, pic, plot);
    p.restore();
}

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
}

void ChartView::setPicture(ChartPicture picture) {
    picture_ = std::move(picture);
    update();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint_chart(p, picture_, QRectF(rect()));
}

}  // namespace vornel
