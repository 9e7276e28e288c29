#include "app/plot_results.h"

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

bool PlotResults::holdsData(ResultGraph g) const {
    return graph(g).holdsData();
}

void PlotResults::clear() {
    graphs_ = ResultGraphs{};
}

}  // namespace vornel
