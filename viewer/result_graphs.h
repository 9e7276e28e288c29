// ResultGraphs: the result graphs of the main window, with their design-time settings.
//
// The plot data file reader fills the eight result graphs; the others (moment-EI, moment-
// curvature, interaction, load-moment, deflection-load and the four stiffness graphs) are
// held so that their captions and unit flags stay with the rest, but nothing fills them.
// A graph is addressed by its component name or, in the headless plotter, by a short name.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "viewer/graph_plot.h"

namespace vornel {

struct ResultGraphs {
    ResultGraphs();

    TGraphPlot pltDef, pltMom, pltShear, pltSoil, pltDMS, pltLD, PltCombine, pltPY;
    TGraphPlot pltMomEi, pltMomCurv, pltInter, pltLM, pltYL;
    TGraphPlot pltPtKyy, pltPtK12, pltMtK21, pltMtK22;

    // Every graph of the main window.
    std::vector<TGraphPlot*> all();
    // The eight graphs filled from the plot data file, in the order of the short names.
    std::vector<TGraphPlot*> results();
    // "deflection", "moment", "shear", "reaction", "dms", "pressure", "pressure-combined",
    // "py"; nullptr for any other name.
    TGraphPlot* byShortName(const QString& name);
    static QStringList shortNames();
};

}  // namespace vornel
