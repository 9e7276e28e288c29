// GraphPainter: draws one graph on any QPainter device (the window, a printer page, a
// bitmap, an SVG or PDF picture) from the layout and the view's ranges.
//
// Order: white background; axis titles and graph title; ticks, labels and grid of each
// panel; the curves clipped to their panel, with markers, and the envelope pair while it is
// shown; on pages and pictures the legend;
// the soil-layer strip; a one-pixel black frame around each panel. Nothing is computed here
// that a test could not compute from GraphLayout, GraphView and the graph.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QStringList>
#include <vector>

#include "viewer/graph_layout.h"
#include "viewer/graph_view.h"

namespace vornel {

// The marker shape of curve `index` of its list: 1..10, repeating every ten curves.
int marker_shape(int index);
// The outline of a marker of shape `index` around `centre`, radii rx across and ry down:
// shape 1 a triangle standing on a vertex, 2 a square, 3..10 a regular polygon with that
// many vertices, the first straight up.
QPolygon marker_outline(int index, QPoint centre, int rx, int ry);

class GraphPainter {
  public:
    GraphPainter(const GraphView& view, const GraphLayout& layout) : v_(view), l_(layout) {}

    void paint(QPainter& p) const;

    // The curve pen width: (Px/300 rounded + 1) x WidthLine.
    int penWidth() const;
    // Fonts at the graph's size factor: titles bold, labels normal.
    QFont font(bool bold) const;
    // The legend box on pages and pictures; empty when no curve is listed.
    QRect pageLegendRect() const;
    // Active-curve positions (for the palette) of the main curves; -1 for inactive ones.
    std::vector<int> palettePositions() const;

  private:
    const TGraphPlot& g() const { return v_.graph(); }
    void paintTitles(QPainter& p) const;
    void paintText(QPainter& p, const TextBox& box) const;
    void paintTicks(QPainter& p, int panel) const;
    void paintCurves(QPainter& p, int panel) const;
    void paintLegend(QPainter& p) const;
    void paintStrip(QPainter& p) const;
    // Layer bands between `left` and `right` from the strip's start depth, `below` and deeper
    // only; with their names when `named`.
    void paintBands(QPainter& p, const PanelMapping& m, int left, int right, double below,
                    bool named) const;
    void paintWallStrip(QPainter& p, const PanelMapping& m) const;
    void paintFrames(QPainter& p) const;
    QFont legendFont() const;
    std::vector<int> legendCurves() const;
    // The envelope lines' pen, and their legend texts while the envelope is drawn.
    QPen envelopePen() const;
    QStringList envelopeLegend() const;

    const GraphView& v_;
    const GraphLayout& l_;
};

}  // namespace vornel
