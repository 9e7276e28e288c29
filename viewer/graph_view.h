// GraphView: what an open graph window keeps besides the graph: the current and full axis
// ranges of each panel, where the legend sits, and the zoom and mouse rules.
//
// Opening computes the ranges from the data (the full ranges), makes the curves active (at
// most 20 on a graph that limits them) and places the legend at the bottom right of the plot
// area. Zooming narrows the current ranges; it never leaves the full range.
#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "viewer/graph_axes.h"
#include "viewer/graph_layout.h"
#include "viewer/graph_plot.h"

namespace vornel {

// The curve index of the envelope pair's two items, listed after the curves while shown.
inline constexpr int kEnvelopeLegendItem = -1;

// One item of the window's legend box: an active curve, in curve order.
struct LegendItem {
    int curve = 0;  // index in the main list, or kEnvelopeLegendItem
    QString text;   // legend text, with " *" appended while the curve is shown
    QColor colour;  // palette[item index]
};

class GraphView {
  public:
    explicit GraphView(TGraphPlot& graph) : graph_(&graph) {}

    // Ranges from the data and the curves made active; false when a range cannot be drawn
    // (the window then closes).
    bool open();
    // The ranges only (for painting a graph whose window is not open).
    bool computeRanges();

    TGraphPlot& graph() const { return *graph_; }
    int panelCount() const { return graph_->ShowThree ? 3 : 1; }
    const PanelRange& range(int panel = 0) const { return current_[static_cast<size_t>(panel)]; }
    const PanelRange& fullRange(int panel = 0) const { return full_[static_cast<size_t>(panel)]; }
    void setRange(int panel, const PanelRange& r) { current_[static_cast<size_t>(panel)] = r; }
    PanelMapping mapping(const GraphLayout& l, int panel = 0) const;

    // Left-button drag from `a` to `b` (single panel only): the rectangle's ranges, each at
    // least 1/20 of the full range. False when nothing changed.
    bool zoomToRectangle(const GraphLayout& l, QPoint a, QPoint b);
    // Right click: zoom out around the clicked point (single panel only).
    bool zoomOutAt(const GraphLayout& l, QPoint p);
    // The window title while the mouse moves: caption, " X: ", x, " Y: ", y.
    QString mouseCaption(const GraphLayout& l, QPoint p) const;

    // The legend box of the window: one item per active curve, then "Envelope max" and
    // "Envelope min" while the envelope is shown.
    std::vector<LegendItem> legendItems() const;
    // As high as its items (count x item height + 3) and as wide as the widest text with
    // " *" plus a quarter inch.
    QSize legendBoxSize(const QFontMetrics& fm, int item_height, int px) const;

    // The legend's top-left corner as a fraction of the client width and height; none until
    // the window places it (pages and pictures then put it at the plot's bottom right).
    std::optional<QPointF> legendFraction;

  private:
    TGraphPlot* graph_;
    std::array<PanelRange, 3> full_{}, current_{};
};

}  // namespace vornel
