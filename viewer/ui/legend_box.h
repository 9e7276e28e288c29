// TLegendBox: the graph window's legend, an owner-drawn list over the plot. One item per
// active curve in curve order, on white, its text in the palette colour of its position, a
// shown curve's text ending with " *". The box is dragged with the left button within its
// parent; a double click on an item toggles that curve.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "viewer/graph_view.h"

namespace vornel {

class TLegendBox : public QWidget {
    Q_OBJECT
  public:
    explicit TLegendBox(QWidget* parent = nullptr);

    void setItems(std::vector<LegendItem> items);
    const std::vector<LegendItem>& items() const { return items_; }
    int itemHeight() const;
    // The item under a point of the box; -1 when none.
    int itemAt(QPoint p) const;
    // Moves the box back inside its parent where it sticks out.
    void keepInside();

    // Called with the curve index of a double-clicked item.
    std::function<void(int curve)> onToggle;
    // Called after the box was dragged.
    std::function<void()> onMoved;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    std::vector<LegendItem> items_;
    bool dragging_ = false;
    QPoint grab_;
};

}  // namespace vornel
