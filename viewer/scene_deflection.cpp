#include "viewer/scene_deflection.h"

#include "viewer/graph_plot.h"

namespace vornel {

DeflectionCurve first_deflection_curve(const TGraphPlot& pltDef) {
    DeflectionCurve c;
    if (pltDef.curveCount() == 0) return c;
    for (const TFloatPoint& p : pltDef.curve(0).Points) c.push_back({p.Y, p.X});
    return c;
}

}  // namespace vornel
