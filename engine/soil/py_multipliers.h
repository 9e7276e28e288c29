// p- and y-multipliers of the generated curves, and the width ratio of the wall.
//
// Closely spaced piles (soldier piles, a secant wall with gaps) shadow each other: the soil
// in front of one pile is also loaded by its neighbours, so each pile's resistance is
// reduced by a p-multiplier. Without user rows the reduction follows from the spacing ratio
// r = WA / WP (the width for earth pressure over the width for soil resistance); with the
// p-y modification rows of the input the multipliers are read from those rows by depth.
// Depths z are below the top of the wall.
#pragma once

#include <vector>

#include "engine/base/engine_state.h"

namespace vornel::soil {

// Below this width ratio the wall acts as a continuous wall: passive resistance replaces the
// resistance of a single pile.
constexpr double kContinuousWallRatio = 1.1;

// r for the continuous-wall test: WA / WP, 1 when WP is not positive, and never below 1.
double continuous_wall_ratio(double wa, double wp);

// The factor of `column` (p_mult or y_mult) of the modification rows at depth z: linear
// between rows, the later row's factor at a depth shared by two rows, 1 outside the rows.
double modification_factor(const std::vector<PyModRow>& rows, double z, double PyModRow::*column);

struct Multipliers {
    double p = 1.0;
    double y = 1.0;
};

// Mp and My at depth z for a wall with free height h and widths wa, wp.
Multipliers py_multipliers(const std::vector<PyModRow>& rows, double wa, double wp, double h,
                           double z);

}  // namespace vornel::soil
