// The apparent-pressure diagram of anchored and braced walls (earth-pressure code 3).
//
// Above the excavation level the total pressure is redistributed into a trapezoid whose
// area is 1.3 times the resultant of the computed diagram: it rises linearly from the top to
// the depth H1 = 2/3 of the first support depth, stays at pmax down to zb and falls linearly
// to zero over Hb at the excavation level. With one support Hb = 2/3 of the height below it
// and the plateau is H/3; with several supports Hb = 2/3 of the height below the last one.
// In both cases the area of the trapezoid is 1.3 times the resultant.
// Below the excavation level the table is unchanged; the point at the excavation level is
// listed twice, first with the trapezoid's value and then with the computed one, so that the
// table shows the step there. The soil and surcharge parts of the points stay as computed.
#pragma once

#include <string>

#include "engine/soil/pressure_tabulation.h"

namespace vornel::soil {

struct TrapezoidShape {
    double h1 = 0.0, hm = 0.0, hb = 0.0, zb = 0.0, pmax = 0.0;
};

struct SupportLayout {
    int count = 0;             // spring and tieback rows
    double first_depth = 0.0;  // first support acting at a single station
    double last_depth = 0.0;   // last support acting at a single station
};

// The trapezoid for free height h and the resultant `force`; false when it is not defined
// (no support, no free height, or supports that leave no positive area).
bool trapezoid_shape(const SupportLayout& supports, double h, double force, TrapezoidShape& out);

// Total pressure of the trapezoid at depth z.
double trapezoid_pressure(const TrapezoidShape& t, double z);

// Replaces the totals above the excavation level by the trapezoid and repeats the point at
// the excavation level. Returns an empty text, or the warning to write when the trapezoid is
// not defined and the computed (triangular) table is kept.
std::string apply_trapezoid(PressureTable& table, const SupportLayout& supports, double h);

}  // namespace vornel::soil
