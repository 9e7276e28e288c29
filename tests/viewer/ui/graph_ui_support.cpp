#include "graph_ui_support.h"

#include <QFile>

namespace vornel {

void fill_graph(TGraphPlot& g, int n) {
    g.Caption = QStringLiteral("Moment vs Depth");
    g.CurveName = QStringLiteral("Load #");
    g.setCurveCount(n);
    for (int k = 0; k < n; ++k) {
        TLine& c = g.curve(k);
        c.setPointCount(3);
        c.point(0) = {0.0, 0.0};
        c.point(1) = {(k + 1) / 2.0, 5.0};
        c.point(2) = {double(k + 1), 10.0};
    }
}

QString example_plot(const QString& name) {
    const QString root = QStringLiteral(VORNEL_SOURCE_DIR) + "/tests/engine/";
    const QString core = root + "core/golden/" + name + ".vn5p";
    return QFile::exists(core) ? core : root + "soil/golden/" + name + ".vn5p";
}

}  // namespace vornel
