// The deflection curve the 3D scene bends the wall along: the first curve of the deflection
// graph `pltDef` (the first stage, or the short-term case), one point per node from the top,
// as the graph holds it: its X the deflection, its Y the depth.
#pragma once

#include "viewer/scene_3d.h"

namespace vornel {

class TGraphPlot;

// Empty when the graph holds no curve.
DeflectionCurve first_deflection_curve(const TGraphPlot& pltDef);

}  // namespace vornel
