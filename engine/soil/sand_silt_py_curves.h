// p-y curves of sand (soil type 4, the static curve of Reese, Cox and Koop) and of silt
// (soil type 5, a cohesive-frictional soil: the sand wedge plus a cohesion term), one side
// at a time.
//
// The ultimate resistance of the sand wedge ps is the smaller of the wedge failure near the
// surface (pst) and the flow of soil around the pile at depth (psd); a continuous wall
// takes Coulomb's passive resistance instead. The curve is an initial straight line k x y,
// a parabola C y^(1/n) up to ym = b/60 (at pm), a straight line up to yu = 3b/80 (at pu) and
// pu beyond; the empirical factors A and B of static loading scale ps to pu and pm.
// Angles in radians; results per length of wall, before multipliers and force shift.
#pragma once

#include <ostream>

#include "engine/base/engine_state.h"
#include "engine/soil/py_curve.h"

namespace vornel::soil {

// The static factors A and B at depth ratio x / b (linear between the tabled ratios).
double sand_factor_a(double ratio);
double sand_factor_b(double ratio);

// Coulomb's passive coefficient for wall friction delta.
double coulomb_passive(double phi, double delta);

// Wedge resistances of a pile of width b at depth x in soil of unit weight gamma; `pi` is
// the value of pi the method works with.
struct SandWedge {
    double pst = 0.0, psd = 0.0;
};
SandWedge sand_wedge(double phi, double gamma, double b, double x, double pi);

SideCurve sand_curve(const CurveProperties& pr, const SideDepths& d);
SideCurve silt_curve(const CurveProperties& pr, const SideDepths& d);

double sand_equivalent_depth(const CurveProperties& pr, double x0, double above);
double silt_equivalent_depth(const CurveProperties& pr, double x0, double above);

// Force shift: the active thrust of the backfill at the excavation level over the width.
double sand_shift(const CurveProperties& pr, double sigma_v_excavation);
double silt_shift(const CurveProperties& pr, double sigma_v_excavation);

void write_sand_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                      const SideDepths& d, const SideCurve& c);
void write_silt_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                      const SideDepths& d, const SideCurve& c);

}  // namespace vornel::soil
