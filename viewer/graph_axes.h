// Axis ranges and ticks of a graph panel, in data coordinates.
//
// The range of a panel always contains 0 (deflection, moment and pressure diagrams are read
// against the zero line) and its ends lie on whole multiples of a step of one significant
// digit, so that the numbers at the ends of the axis are round. Ticks are spaced so that a
// label gets about six text heights of axis; every fifth tick carries a label and a grid line.
// Labelled intervals follow the 1-2-5 series (..., 0.5, 1, 2, 5, 10, ...).
#pragma once

#include <QString>
#include <vector>

#include "viewer/graph_line.h"

namespace vornel {

struct AxisRange {
    double min = 0.0;
    double max = 0.0;
    double step = 0.0;  // the rounding step; 0 for a range that cannot be drawn
    bool valid() const { return step > 0.0; }
    double span() const { return max - min; }
};

struct PanelRange {
    AxisRange x, y;
    bool valid() const { return x.valid() && y.valid(); }
};

// The range of values widened to contain 0, rounded away from 0 to whole steps.
AxisRange axis_range(double lo, double hi);
// Over every point of every curve of a list, shown or not.
PanelRange panel_range(const TLineList& curves);

struct AxisTick {
    double value = 0.0;
    bool labelled = false;  // every fifth tick: label and grid line
};

struct AxisTicks {
    double major = 0.0;
    double minor = 0.0;
    std::vector<AxisTick> ticks;
};

// Ticks for an axis `pixels` long at text height `text_height`; none when the axis is too
// short for one interval or the range holds a single tick.
AxisTicks axis_ticks(double min, double max, int pixels, int text_height);
// Ticks for the labelled interval `major`, a fifth of it apart; none when the range holds a
// single tick.
AxisTicks axis_ticks_by_step(double min, double max, double major);
// The next smaller labelled interval of the 1-2-5 series: 10 gives 5, 5 gives 2, 2 gives 1.
double finer_major_step(double major);
// The number of labelled ticks.
int labelled_count(const AxisTicks& t);
// A tick value in general format with 4 significant digits.
QString tick_label(double value);

}  // namespace vornel
