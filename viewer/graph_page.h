// Printing a graph on one page of a paged device: a printer (QPrinter is one) or a PDF
// writer. The page margins (thousandths of an inch) give the printable area, never smaller
// than the device's own unprintable edges; the graph is laid out for the page at the
// device's resolution and drawn by GraphPainter in print mode (legend on the page, the
// larger soil patterns). The caller names the job and opens the print dialog.
#pragma once

#include <QPagedPaintDevice>

#include "viewer/graph_layout.h"
#include "viewer/graph_view.h"

namespace vornel {

// The page layout that print_graph draws with (in the device's painter coordinates).
GraphLayout page_layout(const QPagedPaintDevice& device, const TGraphPlot& graph,
                        const PageMargins& margins);

// False when the device cannot be painted on.
bool print_graph(QPagedPaintDevice& device, const GraphView& view, const PageMargins& margins);

}  // namespace vornel
