// The station tables of the beam-column model and how the input tables become station
// values.
//
// Stiffness, concentrated-load and spring rows give values over station ranges. A range
// puts half its value on each of its two end stations and the full value on the stations
// between: each station stands for the wall over half an increment on either side, so a
// range end carries half a station's share, and where two ranges meet the halves add up to
// a whole. Rows with the continuation flag 2 run linearly into the next row.
//
// The restraint rows select the equation used at their stations (the station codes): a
// prescribed deflection replaces the equation of its station, a prescribed slope ties the
// stations on either side through the central difference. Each code remembers the row
// that set it, so the solver takes every prescribed value from its own row.
#pragma once

#include <array>
#include <vector>

#include "engine/base/engine_state.h"

namespace vornel {

// Equation codes of a station.
enum StationCode : int {
    kOrdinary = 1,
    kDeflection = 2,   // deflection prescribed at this station
    kSlopeBefore = 3,  // the station before a prescribed slope
    kBoth = 4,         // deflection prescribed together with a slope
    kSlopeAfter = 5,   // the station after a prescribed slope
};

// The spreading case of a row from its flag and the previous row's flag (1 or 2):
// 1 a constant range, 2 a range that opens, 3 a range that closes, 4 one that closes and
// opens the next.
int range_case(int previous_flag, int flag);

// Clears F, Q, S, T, R, P and the end stiffness for all stations.
void clear_station_tables(EngineState& s);

// Spreads station-range rows of one table in order: EI onto F, the lateral load onto Q, the
// moment onto T, the axial load with its sign reversed onto P, the lateral spring onto S,
// the rotational spring onto R. `full` (optional) receives the EI without the half values
// at range ends. A range whose end lies above its start stops the run.
void spread_rows(EngineState& s, const std::vector<RangeRow>& rows, StationTable* full = nullptr);

// Spreads the stiffness rows onto F and marks the wall's physical ends (stations with
// stiffness on one side only) with the full stiffness of the range ending there in F_end.
void spread_stiffness(EngineState& s);

// Stops the run when any table holds data at the fictitious stations below the toe.
void check_beyond_end(EngineState& s);

// Sets the station codes and the row behind each from the restraint rows.
void set_station_codes(EngineState& s);

// The stiffness that turns curvature into bending moment at a station: F, or at a physical
// end of the wall the full stiffness of the range that ends there.
inline bool is_wall_end(const EngineState& s, int k) {
    return s.wall_end[static_cast<std::size_t>(k + 3)];
}
inline double moment_stiffness(const EngineState& s, int k) {
    return is_wall_end(s, k) ? s.F_end[k] : s.F[k];
}

}  // namespace vornel
