// The engine state: every value of one engine call.
//
// One EngineState is created for each call of the entry point (or each run of the headless
// runner) and passed by reference to every routine; nothing lives in globals, so several
// analyses can run side by side in one process. Between the problems of one call the state
// persists: a record that a later problem does not carry (for example the soil data of a
// problem without records 14 to 19) keeps the values of the last problem that had it.
//
// Units are those of the problem's unit system: English (inch, pound), SI (metre, kilonewton)
// or "other" (consistent, unconverted). Stations run from 0 (top of the wall) to NINC (toe);
// the station tables also hold three fictitious stations on either side.
#pragma once

#include <array>
#include <ctime>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/base/soil_handover.h"

namespace vornel {

// ---- Capacities of the tables -------------------------------------------------------------

constexpr int kStationTableSize = 414;  // stations -3 .. NINC+3
constexpr int kMaxIncrements = kStationTableSize - 7;
constexpr int kMaxRestraintRows = 20;
constexpr int kMaxCurves = 63;  // user and generated p-y curves together
constexpr int kMaxCurvePoints = 34;
constexpr int kMaxUserCurvePoints = 34;
constexpr int kMinUserCurvePoints = 2;
constexpr int kMaxEiSets = 20;
constexpr int kMaxEiPoints = 100;
constexpr int kMaxInputLayers = 10;
constexpr int kMaxSurchargeRows = 100;
constexpr int kMaxPyModRows = 100;
constexpr int kMaxTiebackRows = 100;
constexpr int kMaxStageCount = 5;
constexpr int kMaxRangeRows = 1000;  // stiffness, load, spring and pressure rows of a record

// ---- Station tables -----------------------------------------------------------------------

// One real per station for stations -3 .. NINC+3. Callers index only stations that the
// input checks have proven to lie inside the table.
class StationTable {
  public:
    double& operator[](int station) { return v_[static_cast<size_t>(station + 3)]; }
    double operator[](int station) const { return v_[static_cast<size_t>(station + 3)]; }
    static bool holds(int station) { return station >= -3 && station + 3 < kStationTableSize; }
    void clear() { v_.fill(0.0); }

  private:
    std::array<double, kStationTableSize> v_{};
};

// ---- Input records (one problem of the input data file) -----------------------------------

struct ControlLine {
    int unit_system = 0;          // 1 English, 2 SI, 3 other
    int restraint_count = 0;      // record 4 rows
    int stiffness_count = 0;      // record 5 rows
    int py_mod_count = 0;         // record 11 rows
    int earth_pressure_code = 0;  // 0 none, 1 user table, 2 triangular, 3 trapezoidal
    int py_code = 0;              // 0 none, 1 user curves, 2 generated (+ user)
    int user_curve_count = 0;     // record 20 curves
    int stage_count = 0;          // 1 (or 0) when not staged
    int ei_set_count = 0;         // record 21 sets
    int tieback_count = 0;        // record 10 rows
};

struct WallProperties {
    int ninc = 0;                 // number of increments; stations 0..ninc
    double h = 0.0;               // increment length
    double max_deflection = 0.0;  // maximum allowable deflection
    double closure_tolerance = 0.0;
    double free_height = 0.0;
    double wall_width = 0.0;  // W, used in the tieback stiffness
};

struct RestraintRow {
    int kase = 0;  // 1 deflection, 2 slope, 3 both
    int station = 0;
    double deflection = 0.0;
    double slope = 0.0;
};

enum class RowKind { Stiffness, Load, Spring, Tieback };

// A station-range row of the stiffness, concentrated-load, spring or tieback tables, with its
// values in the order of the report's stiffness and load table (EI, Q, S, T, R, P). The axial
// load `p` is kept as entered; the P station table receives it with the sign reversed.
struct RangeRow {
    RowKind kind = RowKind::Stiffness;
    int from = 0;
    int to = 0;
    int flag = 1;  // 1 constant over the range, 2 continued (linear) to the next row
    double ei = 0.0, q = 0.0, s = 0.0, t = 0.0, r = 0.0, p = 0.0;
};

struct TiebackRow {
    double depth = 0.0, area = 0.0, modulus = 0.0, unbonded_length = 0.0, angle = 0.0,
           spacing = 0.0;
    int station = 0;         // nearest station to the depth
    double stiffness = 0.0;  // lateral spring stiffness at that station
};

// The couple force of a concentrated moment, used in the shear and reaction corrections.
struct CoupleRecord {
    int station = 0;
    double force = 0.0;  // moment / (2h)
};

struct PyModRow {
    double depth = 0.0, p_mult = 1.0, y_mult = 1.0;
};

struct UserPressurePoint {
    double depth = 0.0, load = 0.0;  // distributed lateral load, force per length of wall
};

// Record 14.
struct WallConfig {
    double free_height = 0.0;
    double active_width = 0.0;  // WA
    double py_width = 0.0;      // WP
    double water_depth_backfill = 0.0;
    double water_depth_excavation = 0.0;
    double active_factor = 0.0;
    int water_switch = 0;         // 1 includes the backfill water pressure
    double backfill_slope = 0.0;  // degrees
};

// Record 15.
struct SurfaceLoads {
    double surface_load = 0.0;
    double legacy_x = 0.0, legacy_point = 0.0, legacy_line = 0.0, legacy_strip = 0.0,
           legacy_strip_width = 0.0;
};

// Record 17; x and width already in the problem's length unit (SI: metres).
struct SurchargeRow {
    int type = 1;  // 1 point, 2 line, 3 strip
    double magnitude = 0.0, x = 0.0, width = 0.0;
};

// Record 19.
struct SoilLayerInput {
    int type = 0;  // 1..7
    double bottom_depth = 0.0;
    double thickness = 0.0;
    std::array<double, 6> top{};
    std::array<double, 6> bottom{};
};

// Record 20: a user p-y curve, as read and scaled by its multipliers.
struct UserCurve {
    int station = 0;
    double p_mult = 1.0, y_mult = 1.0;
    std::vector<double> y, p;                // as read
    std::vector<double> y_scaled, p_scaled;  // y x y-multiplier, p x p-multiplier
};

// What the soil routines hand to the core (see soil_handover.h). It also keeps what the
// scratch files of the last problem that generated pressure or curves show: the user curves
// that head SOILDATA are copied when the generator runs.
struct SoilHandover {
    bool pressure_ready = false;  // a generated pressure table exists
    std::vector<PressureRow> pressure;
    bool curves_generated = false;  // the generator ran
    int announced_curves = -1;      // user and generated records; -1 before the count was known
    std::vector<UserCurve> user_curves;
    std::vector<CurveRecord> curves;  // generated records in depth order
};

// Record 21.
struct EiSet {
    int from = 0, to = 0;
    std::vector<double> moment, ei;
};

// ---- Derived data ---------------------------------------------------------------------------

// One point of the pressure table, force per length of wall (after the width factor).
struct PressurePoint {
    double depth = 0.0, total = 0.0, soil = 0.0, surcharge = 0.0;
};

// A soil-resistance curve of the iteration's curve store: W deflection, Q force per station.
struct StoredCurve {
    int station = 0;
    int points = 0;
    std::array<double, kMaxCurvePoints> w{};
    std::array<double, kMaxCurvePoints> q{};
    int link = 0;  // 1: values between this curve's station and the next curve's interpolated
};

// A generated p-y curve as it goes to the plot data file (33 points, before the factor h).
struct PlotCurve {
    double depth = 0.0;  // depth below the top of the wall
    int station = 0;
    std::vector<double> y, p;
};

struct StationResult {
    double x = 0.0, deflection = 0.0, slope = 0.0, moment = 0.0, shear = 0.0, reaction = 0.0,
           ei = 0.0;
};

struct IterationOutcome {
    int iterations = 0;        // the reported iteration number
    bool off_curve = false;    // last iteration off a curve
    int exceeded_count = 0;    // stations beyond the maximum allowable deflection
    int not_closed_count = 0;  // stations not closed in the last iteration
    int singular_count = 0;    // stations of the last solution without stiffness or support
    bool non_finite = false;   // a deflection, moment or shear is not a finite number
    bool converged = false;
};

// What the headless runner prints per problem.
struct ProblemSummary {
    std::string title;
    int problem = 0;
    IterationOutcome outcome;
    std::vector<std::string> warnings;
    bool solved = false;
    int unit_system = 0;
    double max_deflection = 0.0, max_deflection_depth = 0.0;
    double max_moment = 0.0, max_moment_depth = 0.0;
    double max_shear = 0.0, max_shear_depth = 0.0;
    int stage_count = 0;                  // of the problem's control line
    bool long_term = false;               // the long-term problem of a short- and long-term run
    std::vector<StationResult> stations;  // stations 0..NINC (with keep_result_tables)
    std::vector<PressurePoint> pressure;  // its earth-pressure table (likewise)
};

// The plot data file under construction. Each block is built in `text` and, once closed,
// handed to `sink` when there is one, so that the text in memory never grows beyond one
// block; without a sink the whole file stays in `text`. After an error stop the block count
// in every results header is set to the number of whole blocks the file really holds, which
// may mean reading back blocks already handed on.
struct PlotBuffer {
    std::string text;                       // the blocks not yet handed on
    std::ostream* sink = nullptr;           // where closed blocks go, if anywhere
    std::size_t handed_on = 0;              // characters of the file handed to the sink
    std::vector<std::size_t> kind_offsets;  // where each results header's block count starts,
                                            // counted from the start of the file
    std::vector<std::size_t> kind_lengths;
    bool block_open = false;        // a block has sections but no results header yet
    bool pressure_written = false;  // earth-pressure section of the open block
    bool curves_written = false;    // unit flag and p-y section of the open block
};

// Unit label pieces assembled into the report's unit groups.
struct UnitLabels {
    std::string length3 = "  L";
    std::string force4 = "   F";
    std::string length2 = " L";
    std::string force3 = "  F";
};

// ---- The state ------------------------------------------------------------------------------
//
// The state is grouped by who owns what: the run's values (set from the request and by the
// driver), the input of the problem (read from the deck), the soil input (records 14-19), the
// station tables (built from the input, solved by the solver), the iteration (curve store
// and outcome) and the results with the tables that feed the report and the plot file. The
// groups are bases of EngineState, so every routine still reaches a member by its name.

// The environment and the values of one call: the files, the problem count and result kind,
// the unit labels, how the run ended and what callers read back.
struct RunValues {
    std::function<std::tm()> clock;                         // local date and time of the header
    std::function<void(const std::string&)> message_sink;   // console messages; may be empty
    std::function<void(const std::string&)> progress_sink;  // progress lines; may be empty
    // Where the scratch files BMWALL.001 and SOILDATA are written, each name after
    // `scratch_prefix`; an empty folder writes none (the core never reads them).
    std::filesystem::path scratch_dir;
    std::string scratch_prefix;
    bool scratch_in_place = false;  // overwritten where they lie rather than replaced whole

    std::string version;  // first 12 characters of NAMES.dat line 1
    std::filesystem::path input_path, report_path, plot_path, monitor_path;
    bool keep_result_tables = true;  // summaries keep station rows and pressure tables
    std::ostream* report = nullptr;
    std::ostream* monitor = nullptr;
    PlotBuffer plot;  // the plot data file
    int problem = 0;
    std::string run_title;
    int result_kind = 1;
    int continuation = 0;
    UnitLabels units;
    bool error_stop = false;        // a check ended the run early (its message is in the report)
    std::string stop_reason;        // one-line summary of that check, for callers
    bool input_unreadable = false;  // the input data file could not be opened
    bool output_failed = false;     // an output file could not be written completely
    std::vector<ProblemSummary> summaries;
};

// The records of the problem that the deck reader fills (a table that a later problem does
// not carry keeps its rows).
struct ProblemInput {
    std::string title;
    ControlLine control;
    WallProperties wall;
    std::vector<RestraintRow> restraints;
    std::vector<RangeRow> stiffness_rows, load_rows, spring_rows;  // spring rows hold tiebacks
    std::vector<TiebackRow> tiebacks;
    std::vector<CoupleRecord> couples;
    std::vector<PyModRow> py_mods;
    std::vector<UserPressurePoint> user_pressure;
    int iteration_limit = 100;

    // Supports recorded for the trapezoidal distribution.
    int support_count = 0;             // spring rows plus tiebacks
    double first_support_depth = 0.0;  // of the first row acting at a single station
    double last_support_depth = 0.0;   // of the last row acting at a single station

    std::vector<UserCurve> user_curves;
    std::vector<EiSet> ei_sets;
};

// Soil data (records 14-19), kept from the last problem that had them, and the values the
// soil routines derive from them for the problem.
struct SoilInput {
    WallConfig config;
    SurfaceLoads surface;
    std::vector<SurchargeRow> surcharges;
    std::vector<SoilLayerInput> layers;
    double gamma_water = 0.036;       // unit weight of water of the problem's unit system
    double sigma_v_excavation = 0.0;  // effective overburden at the excavation level, backfill

    // What the soil routines computed for the problem, for the core to take.
    SoilHandover handover;
};

// The station tables of the beam-column model and the solver's coefficients.
struct StationTables {
    StationTable F, Q, S, T, R, P, W;
    // The stations where the wall physically ends (stiffness on one side only) and the full
    // stiffness there. The station table holds half the EI at such a station, which is right
    // for the difference equation; the printed moment uses the full value.
    std::array<bool, kStationTableSize> wall_end{};
    StationTable F_end;
    StationTable Qw, Sw;  // working copies with the soil springs of the iteration
    StationTable A, B, C;
    std::array<int, kStationTableSize> code{};      // equation code per station (1 ordinary)
    std::array<int, kStationTableSize> code_row{};  // restraint row that set the code
};

// The nonlinear iteration: its curve store, the deflections of the last stiffness update
// and how it ended.
struct IterationState {
    std::vector<StoredCurve> curves;
    StationTable W_update;  // deflections at the last moment-EI stiffness update
    IterationOutcome outcome;
};

// The problem's pressure table and generated curves (as the report and the plot file show
// them) and the results per station.
struct ProblemResults {
    std::vector<PressurePoint> pressure;
    std::vector<PlotCurve> generated_curves;
    std::vector<StationResult> results;  // stations 0..NINC+1 of the last solved problem
    bool results_valid = false;          // results hold a solved problem
};

struct EngineState : RunValues,
                     ProblemInput,
                     SoilInput,
                     StationTables,
                     IterationState,
                     ProblemResults {
    std::ostream& out() { return *report; }
    void progress(const std::string& text) const {
        if (progress_sink) progress_sink(text);
    }
    void message(const std::string& text) const {
        if (message_sink) message_sink(text);
    }
};

}  // namespace vornel
