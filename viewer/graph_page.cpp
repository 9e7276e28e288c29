#include "viewer/graph_page.h"

#include <QPainter>
#include <cmath>

#include "viewer/graph_painter.h"

namespace vornel {

GraphLayout page_layout(const QPagedPaintDevice& device, const TGraphPlot& graph,
                        const PageMargins& margins) {
    const int dpi_x = device.logicalDpiX(), dpi_y = device.logicalDpiY();
    DeviceMetrics d;
    d.px = dpi_x;
    d.py = dpi_y;
    d.baseFont = static_cast<int>(std::lround(14.0 * dpi_y / 96.0));
    const QPageLayout pl = device.pageLayout();
    const QRect full = pl.fullRectPixels(dpi_x);
    const QRect paint = pl.paintRectPixels(dpi_x);
    const QMargins offsets(paint.left() - full.left(), paint.top() - full.top(),
                           full.right() - paint.right(), full.bottom() - paint.bottom());
    // The painter's origin is the top left of the device's paintable rectangle.
    const QPoint origin = paint.topLeft() - full.topLeft();
    const QRect area = printable_area(full.size(), margins, offsets, d).translated(-origin);
    return layout_page(graph, QRect(QPoint(0, 0), full.size()).translated(-origin), area, d);
}

bool print_graph(QPagedPaintDevice& device, const GraphView& view, const PageMargins& margins) {
    const GraphLayout l = page_layout(device, view.graph(), margins);
    QPainter p;
    if (!p.begin(&device)) return false;
    GraphPainter(view, l).paint(p);
    return p.end();
}

}  // namespace vornel
