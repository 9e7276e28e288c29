// p-y curves of the three clays (static loading), one side at a time:
//   soil type 1, soft clay: Matlock's curve, p = 0.5 pu (y / y50)^(1/3) up to 8 y50;
//   soil type 2, stiff clay with free water: Reese's curve with its softening branch after
//     the peak, cut by the initial straight line k x y;
//   soil type 3, stiff clay without free water: Welch and Reese's curve,
//     p = 0.5 pu (y / y50)^(1/4) up to 16 y50.
// Inputs are the properties at the curve depth (c the undrained strength, ca the average
// strength, gamma the average effective unit weight, e50, b the width) and the side's
// depths; results are per length of wall, before multipliers and force shift.
//
// The equivalent-depth functions answer, for a clay layer below other soil: at what depth
// would this clay, from its surface down, have built up the resistance `above` (force) that
// the layers above have? Below that depth the clay's curves behave as if it started there.
#pragma once

#include <ostream>

#include "engine/base/engine_state.h"
#include "engine/soil/py_curve.h"

namespace vornel::soil {

SideCurve soft_clay_curve(const CurveProperties& pr, const SideDepths& d);
SideCurve stiff_clay_water_curve(const CurveProperties& pr, const SideDepths& d);
SideCurve stiff_clay_dry_curve(const CurveProperties& pr, const SideDepths& d);

// The empirical coefficient As of stiff clay with free water at depth ratio x / b.
double stiff_clay_as(double ratio);
// The residual factor of that curve: p at large deflection over pc.
double stiff_clay_residual(double as);

double soft_clay_equivalent_depth(const CurveProperties& pr, double x0, double above);
double stiff_clay_water_equivalent_depth(const CurveProperties& pr, double x0, double above);
double stiff_clay_dry_equivalent_depth(const CurveProperties& pr, double x0, double above);

// Force shift of a clay curve: the net overburden b (sigma_v - 2c) of the backfill at the
// excavation level, zero when the clay stands unsupported (negative).
double clay_shift(const CurveProperties& pr, double sigma_v_excavation);

// Property tables printed before the points of each side, with the point heads.
void write_soft_clay_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                           const SideDepths& d, const SideCurve& c);
void write_stiff_clay_water_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                                  const SideDepths& d, const SideCurve& c);
void write_stiff_clay_dry_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                                const SideDepths& d, const SideCurve& c);

}  // namespace vornel::soil
