// Result arrays of a project: the numbers of the last analysis, per result set and station.
//
// Up to 11 result sets (one per problem of the data file: a single analysis, the short and
// the long term, or one per construction stage) of up to 302 stations (0 to the toe and one
// beyond it). Node values are held as the viewer shows them: depth in ft and moment in kip-in,
// shear in kips when English (in/lb-in/lb in the plot file), metres, kN-m and kN in SI;
// deflection and soil reaction as written. The earth-pressure depth and total pressure are
// kept as the plot file holds them (depth in in or m, force per length).
#pragma once

#include <array>

namespace vornel {

constexpr int kResultSets = 11;
constexpr int kResultPoints = 302;

struct ResultArrays {
    using Series = std::array<double, kResultPoints>;
    using Sets = std::array<Series, kResultSets>;

    Sets NodeDepth{}, Deflection{}, Moment{}, Shear{}, Reaction{};
    Sets PressureDepth{}, Pressure{};
    int PressurePointCount = 0;  // the largest earth-pressure record count of all blocks
    int SetCount = 0;            // result sets read
    int NodeCount = 0;           // the largest node count of all blocks

    void clear() { *this = ResultArrays{}; }
};

}  // namespace vornel
