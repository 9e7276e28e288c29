#include "viewer/ui/legend_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vornel {

TLegendBox::TLegendBox(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setCursor(Qt::SizeAllCursor);
}

void TLegendBox::setItems(std::vector<LegendItem> items) {
    items_ = std::move(items);
    update();
}

int TLegendBox::itemHeight() const {
    return fontMetrics().height() + 1;
}

int TLegendBox::itemAt(QPoint p) const {
    if (p.y() < 1) return -1;
    const int i = (p.y() - 1) / itemHeight();
    return i >= 0 && i < static_cast<int>(items_.size()) ? i : -1;
}

void TLegendBox::keepInside() {
    const QWidget* w = parentWidget();
    if (!w) return;
    const int x = std::clamp(pos().x(), 0, std::max(0, w->width() - width()));
    const int y = std::clamp(pos().y(), 0, std::max(0, w->height() - height()));
    move(x, y);
}

void TLegendBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const int h = itemHeight();
    for (size_t i = 0; i < items_.size(); ++i) {
        p.setPen(items_[i].colour);
        const QRect r(3, 1 + static_cast<int>(i) * h, width() - 4, h);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, items_[i].text);
    }
}

void TLegendBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    dragging_ = true;
    grab_ = event->position().toPoint();
}

void TLegendBox::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return QWidget::mouseMoveEvent(event);
    move(mapToParent(event->position().toPoint() - grab_));
    keepInside();
}

void TLegendBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) return QWidget::mouseReleaseEvent(event);
    dragging_ = false;
    if (onMoved) onMoved();
}

void TLegendBox::mouseDoubleClickEvent(QMouseEvent* event) {
    dragging_ = false;
    const int i = itemAt(event->position().toPoint());
    if (i >= 0 && onToggle) onToggle(items_[static_cast<size_t>(i)].curve);
}

}  // namespace vornel
