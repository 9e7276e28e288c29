// The records of one problem of the input data file, read into the engine state.
//
// Each function reads one record (or one table of like records) from the free-format
// reader, checks what the station tables and the curve store can hold, and stores the
// values. Values are kept in the units of the file, except where the file uses other
// units than the problem: tieback depths, unbonded lengths and spacings in feet (English
// units) and surcharge distances and widths in millimetres (SI) are converted here.
// A value that cannot be read, a count outside the storage, a station outside the station
// tables or any value outside its range (codes, counts, unit system, stiffnesses, soil
// values, no real beyond 1E30) ends the run with a report line naming the record and the
// value (RunStop).
//
// Station numbers are checked against the stations that the tables hold for the
// problem's NINC: -3 .. NINC+3, and -1 .. NINC+1 for restraints, which act on the
// difference equations.
#pragma once

#include <string>

#include "engine/base/engine_state.h"
#include "engine/base/free_format_reader.h"

namespace vornel {

constexpr int kTitleLength = 70;

// Record 1: the title line, its first 70 characters.
std::string read_title(FreeFormatReader& in);
// Record 2: the ten integers of the control line.
void read_control_line(EngineState& s, FreeFormatReader& in);
// The codes and counts of the control line that select the records: unit system 1..3,
// earth-pressure code 0..3, p-y code 0..2, stage count 0..5, stiffness rows at least 1.
void check_control_codes(FreeFormatReader& in, const ControlLine& c);
// Record 3: NINC, increment length, deflection limit, closure tolerance, free height, width.
void read_wall_properties(EngineState& s, FreeFormatReader& in);
// Record 4: restraint rows (case, station, deflection, slope).
void read_restraints(EngineState& s, FreeFormatReader& in);
// Record 5: stiffness rows (from, to, flag, EI).
void read_stiffness_rows(EngineState& s, FreeFormatReader& in);
// Records 6-7: concentrated loads (flag, from, to, lateral load, moment, axial load); also
// records the couple of every non-zero moment.
void read_load_rows(EngineState& s, FreeFormatReader& in);
// Records 8-9: lateral and rotational springs (from, to, flag, lateral, rotational).
void read_spring_rows(EngineState& s, FreeFormatReader& in);
// Record 10: tiebacks, each turned into a spring row at its nearest station; records the
// supports for the trapezoidal pressure distribution.
void read_tiebacks(EngineState& s, FreeFormatReader& in);
// Record 11: p-y modification rows (depth, p-multiplier, y-multiplier).
void read_py_mods(EngineState& s, FreeFormatReader& in);
// Records 12-13: the user's pressure points (earth-pressure code 1).
void read_user_pressure(EngineState& s, FreeFormatReader& in);
// Records 14-19: wall configuration, surface loads, surcharges, soil layers.
void read_soil_records(EngineState& s, FreeFormatReader& in);
// Record 20: user p-y curves.
void read_user_curves(EngineState& s, FreeFormatReader& in);
// Record 21: moment-EI curve sets.
void read_ei_sets(EngineState& s, FreeFormatReader& in);
// Record 22: the continuation code.
int read_continuation(FreeFormatReader& in);

// Whether records 14-19 are present for this control line.
bool soil_records_present(const ControlLine& c);

// The nearest station to `depth_over_h`, halves away from zero; values too large for any
// station table come back as +-1'000'000, so that the station checks refuse them.
int nearest_station(double depth_over_h);

// Stops the run unless lo <= station <= hi.
void check_station(FreeFormatReader& in, int station, int lo, int hi);

}  // namespace vornel
