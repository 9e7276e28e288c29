#include "viewer/result_graphs.h"

namespace vornel {

namespace {

void set_up(TGraphPlot& g, const char* caption, const char* curve_name, const char* x_caption,
            const char* x_units, const char* y_caption, const char* y_units, bool x_on_top) {
    g.Caption = QString::fromLatin1(caption);
    g.CurveName = QString::fromLatin1(curve_name);
    g.XCaption = QString::fromLatin1(x_caption);
    g.XUnits = QString::fromLatin1(x_units);
    g.YCaption = QString::fromLatin1(y_caption);
    g.YUnits = QString::fromLatin1(y_units);
    g.XOnTop = x_on_top;
}

}  // namespace

ResultGraphs::ResultGraphs() {
    set_up(pltDef, "Deflection vs Depth", "Load #", "Deflection", "L", "Depth", "", true);
    set_up(pltMom, "Moment vs Depth", "Load #", "Bending Moment", "", "Depth", "", true);
    set_up(pltShear, "Shear vs Depth", "Load #", "Shear", "", "Depth", "", true);
    set_up(pltSoil, "Soil Reaction vs Depth", "Load #", "Reaction", "F", "Depth", "", true);
    set_up(pltDMS, "Deflection, Moment, Shear vs Depth", "Curve #", "Deflection", "L", "Depth", "",
           true);
    set_up(pltLD, "Earth Pressure Distribution", "Curve #", "Distributed load", "F/L", "Depth", "",
           true);
    set_up(PltCombine, "Earth Pressure Combined", "Curve #", "Distributed Load", "F/L", "Depth",
           "L2", true);
    set_up(pltPY, "p-y Curves", "Depth", "y", "L", "p", "F/L", false);

    set_up(pltMomEi, "Moment vs EI", "Curve #", "Moment", "", "EI", "", false);
    set_up(pltMomCurv, "Moment vs Curvature", "Curve #", "Curvature", "", "Moment", "", false);
    set_up(pltInter, "Interaction Diagram", "Curve #", "Bending Moment", "", "Axial Load", "",
           false);
    set_up(pltLM, "Lateral Load vs Maximum Moment", "Curve #", "Maximum Moment", "", "Lateral Load",
           "", false);
    set_up(pltYL, "Deflection vs Lateral Load", "Curve #", "Lateral Load", "", "Deflection", "",
           false);
    set_up(pltPtKyy, "Lateral Stiffness Kyy", "Curve #", "Lateral Load", "", "Kyy", "", false);
    set_up(pltPtK12, "Coupled Stiffness Kyr", "Curve #", "Lateral Load", "", "Kyr", "", false);
    set_up(pltMtK21, "Coupled Stiffness Kry", "Curve #", "Moment", "", "Kry", "", false);
    set_up(pltMtK22, "Rotational Stiffness Krr", "Curve #", "Moment", "", "Krr", "", false);
    for (TGraphPlot* g : {&pltDef, &pltMom, &pltShear, &pltDMS}) g->OffersEnvelope = true;
    pltInter.ShowLegend = false;
    for (TGraphPlot* g : {&pltPtKyy, &pltPtK12, &pltMtK21, &pltMtK22}) g->ShowLegend = false;
}

std::vector<TGraphPlot*> ResultGraphs::all() {
    return {&pltDef,     &pltMom,   &pltShear, &pltSoil,    &pltDMS,   &pltLD,
            &PltCombine, &pltPY,    &pltMomEi, &pltMomCurv, &pltInter, &pltLM,
            &pltYL,      &pltPtKyy, &pltPtK12, &pltMtK21,   &pltMtK22};
}

std::vector<TGraphPlot*> ResultGraphs::results() {
    return {&pltDef, &pltMom, &pltShear, &pltSoil, &pltDMS, &pltLD, &PltCombine, &pltPY};
}

QStringList ResultGraphs::shortNames() {
    return {
        QStringLiteral("deflection"),        QStringLiteral("moment"), QStringLiteral("shear"),
        QStringLiteral("reaction"),          QStringLiteral("dms"),    QStringLiteral("pressure"),
        QStringLiteral("pressure-combined"), QStringLiteral("py")};
}

TGraphPlot* ResultGraphs::byShortName(const QString& name) {
    const qsizetype i = shortNames().indexOf(name);
    return i < 0 ? nullptr : results()[static_cast<size_t>(i)];
}

}  // namespace vornel
