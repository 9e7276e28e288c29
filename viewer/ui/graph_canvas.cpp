#include "viewer/ui/graph_canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "viewer/graph_painter.h"

namespace vornel {

TGraphCanvas::TGraphCanvas(GraphView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
}

DeviceMetrics TGraphCanvas::metrics() const {
    DeviceMetrics d;
    d.px = logicalDpiX();
    d.py = logicalDpiY();
    return d;
}

void TGraphCanvas::relayout() {
    layout_ = layout_screen(view_.graph(), size(), metrics());
    update();
}

std::optional<QRect> TGraphCanvas::rubberBand() const {
    if (!banding_) return std::nullopt;
    return QRect(bandStart_, bandEnd_).normalized();
}

void TGraphCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    GraphPainter(view_, layout_).paint(p);
    if (banding_) {
        // The rubber band inverts the pixels under it.
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(bandStart_, bandEnd_).normalized());
    }
}

void TGraphCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
    if (onResized) onResized();
}

void TGraphCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && view_.panelCount() == 1 && !layout_.panels.empty() &&
        !layout_.tooSmall) {
        banding_ = true;
        bandStart_ = bandEnd_ = layout_.panels[0].clamp(at);
        update();
    } else if (event->button() == Qt::RightButton && !layout_.tooSmall) {
        if (view_.zoomOutAt(layout_, at)) update();
    }
}

void TGraphCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // The read-out follows the mouse, its position clamped to the plot area.
    if (onReadOut && !layout_.tooSmall && !layout_.plot.empty())
        onReadOut(view_.mouseCaption(layout_, at));
    if (banding_) {
        bandEnd_ = layout_.panels[0].clamp(at);
        update();
    }
}

void TGraphCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !banding_) return;
    banding_ = false;
    bandEnd_ = layout_.panels[0].clamp(event->position().toPoint());
    view_.zoomToRectangle(layout_, bandStart_, bandEnd_);
    update();
}

}  // namespace vornel
