// p-y curves of rock, one side at a time:
//   soil type 6, strong rock: a stiff bilinear curve up to the ultimate resistance su b
//     (su half the uniaxial strength), after which the rock is taken to have fractured and
//     only the overburden wedge 0.5 gamma b x0 remains (a brittle drop);
//   soil type 7, weak rock: Reese's interim criterion, an initial line Kir y followed by
//     0.5 pur (y / yrm)^(1/4), capped at pur; the strength is reduced for jointing by
//     alpha_r = 1 - RQD / 150.
// Rock curves have no force shift, no equivalent depth and no continuous-wall variant.
// Strong rock applies the p-multiplier itself (its residual value is not reduced).
#pragma once

#include <ostream>

#include "engine/base/engine_state.h"
#include "engine/soil/py_curve.h"

namespace vornel::soil {

SideCurve strong_rock_curve(const CurveProperties& pr, const SideDepths& d);

// pr.ca holds the mean uniaxial strength qur of the layer from its top to the curve depth,
// pr.e50 the strain constant krm and pr.k the rock mass modulus Em.
SideCurve weak_rock_curve(const CurveProperties& pr, const SideDepths& d);

// Strength reduction for the rock quality designation (percent).
double weak_rock_alpha(double rqd);

void write_strong_rock_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                             const SideDepths& d, const SideCurve& c);
void write_weak_rock_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                           const SideDepths& d, const SideCurve& c);

}  // namespace vornel::soil
