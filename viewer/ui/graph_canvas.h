// TGraphCanvas: the client area of a graph window. It draws what GraphPainter lays out for
// its size and turns the mouse into the view's read-out and zoom rules: moving shows the
// values under the mouse, a left-button drag zooms to the rubber-band rectangle, a right
// click zooms out around the point.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "viewer/graph_layout.h"
#include "viewer/graph_view.h"

namespace vornel {

class TGraphCanvas : public QWidget {
    Q_OBJECT
  public:
    TGraphCanvas(GraphView& view, QWidget* parent = nullptr);

    const GraphLayout& layout() const { return layout_; }
    DeviceMetrics metrics() const;
    // Lays out again for the current size (ranges stay).
    void relayout();
    // The rubber band while the left button is held: its corners.
    std::optional<QRect> rubberBand() const;

    std::function<void(const QString& caption)> onReadOut;
    std::function<void()> onResized;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    GraphView& view_;
    GraphLayout layout_;
    bool banding_ = false;
    QPoint bandStart_, bandEnd_;
};

}  // namespace vornel
