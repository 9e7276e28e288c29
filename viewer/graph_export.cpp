#include "viewer/graph_export.h"

#include <QDir>
#include <QFileInfo>

#include "viewer/graph_envelope.h"

namespace vornel {

WorkbookGraph workbook_graph(const TGraphPlot& graph) {
    WorkbookGraph w{graph.Caption, graph.xTitle(), graph.yTitle(), graph.XOnTop, {}};
    w.curves.reserve(graph.Lines.size());
    for (int i = 0; i < graph.curveCount(); ++i) {
        const TLine& line = graph.curve(i);
        WorkbookCurve c{graph.legendText(i), {}};
        c.points.reserve(line.Points.size());
        for (const TFloatPoint& p : line.Points) c.points.push_back({p.X, p.Y});
        w.curves.push_back(std::move(c));
    }
    if (const auto e = drawn_envelope(graph))
        for (const TLine* side : {&e->max, &e->min}) {
            WorkbookCurve c{side->Name, {}};
            for (const TFloatPoint& p : side->Points) c.points.push_back({p.X, p.Y});
            w.curves.push_back(std::move(c));
        }
    return w;
}

std::array<TGraphPlot*, 7> export_graphs(ResultGraphs& g) {
    return {&g.pltPY, &g.pltDef, &g.pltShear, &g.pltMom, &g.pltSoil, &g.pltLD, &g.PltCombine};
}

std::vector<ExportItem> ResultGraphsExport::exportItems() const {
    std::vector<ExportItem> items;
    const auto graphs = export_graphs(graphs_);
    for (size_t i = 0; i < graphs.size(); ++i) {
        const bool on = offered_ && offered_(int(i));
        items.push_back({graphs[i]->Caption, on, on});
    }
    return items;
}

WorkbookGraph ResultGraphsExport::exportGraph(int position) const {
    return workbook_graph(*export_graphs(graphs_).at(size_t(position)));
}

QString suggested_workbook_path(const QString& data_file, const QString& folder) {
    if (data_file.isEmpty()) return QDir(folder).filePath(QStringLiteral("Untitled.xlsx"));
    const QFileInfo f(data_file);
    return f.dir().filePath(f.completeBaseName() + QStringLiteral(".xlsx"));
}

}  // namespace vornel
