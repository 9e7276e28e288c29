#include "app/plot_results.h"

#include <QStringList>

#include "viewer/plot_file_reader.h"

namespace vornel {

bool PlotResults::read(const QString& plot_file, TProgramData& data, bool report_failure) {
    return read_plot_file(plot_file, report_failure, graphs_, data, &questions_);
}

TGraphPlot& PlotResults::graph(ResultGraph g) {
    return const_cast<TGraphPlot&>(static_cast<const PlotResults*>(this)->graph(g));
}

const TGraphPlot& PlotResults::graph(ResultGraph g) const {
    switch (g) {
        case ResultGraph::PY:
            return graphs_.pltPY;
        case ResultGraph::Deflection:
            return graphs_.pltDef;
        case ResultGraph::Moment:
            return graphs_.pltMom;
        case ResultGraph::Shear:
            return graphs_.pltShear;
        case ResultGraph::Reaction:
            return graphs_.pltSoil;
        case ResultGraph::DMS:
            return graphs_.pltDMS;
        case ResultGraph::Pressure:
            return graphs_.pltLD;
        case ResultGraph::Combined:
            break;
    }
    return graphs_.PltCombine;
}

QString PlotResults::mismatch(const TProgramData& d) const {
    QStringList differs;
    // English plot files give depths in ft, SI ones in m; other units are not told apart.
    const bool plot_si = graphs_.pltDef.YCaption == QLatin1String("Depth (m)");
    if ((d.UnitSystem == 1 && plot_si) || (d.UnitSystem == 2 && !plot_si))
        differs << QStringLiteral("unit system");
    // The engine writes stations 0 to the number of increments and one beyond the toe.
    const ResultArrays& r = d.Results;
    if (r.NodeCount != d.Increments + 2) differs << QStringLiteral("station count");
    const int problems = d.StageCount > 1 ? d.StageCount : d.LongTerm ? 2 : 1;
    if (r.SetCount != problems) differs << QStringLiteral("problem count");
    if (differs.isEmpty()) return {};
    return QStringLiteral(
               "The plot file does not belong to this project (its %1 differs); its results are "
               "not shown. Run the analysis again.")
        .arg(differs.join(QStringLiteral(", ")));
}

bool PlotResults::holdsData(ResultGraph g) const {
    return graph(g).holdsData();
}

void PlotResults::clear() {
    graphs_ = ResultGraphs{};
}

}  // namespace vornel
