#include "engine/core/deck_reader.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "engine/base/stop_messages.h"
#include "engine/base/water_unit_weight.h"

namespace vornel {
namespace {

constexpr double kPiTieback = 3.1416;
constexpr int kFarStation = 1'000'000;

std::string number_text(double v) {
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, end);
}

void check_count(FreeFormatReader& in, int count, int lo, int hi, const std::string& what) {
    if (count < lo || count > hi) {
        in.fail(what + " " + std::to_string(count) + " OUTSIDE " + std::to_string(lo) + ".." +
                std::to_string(hi));
    }
}

void check_not_negative(FreeFormatReader& in, int count, const std::string& what) {
    if (count < 0) in.fail(what + " " + std::to_string(count) + " IS NEGATIVE");
}

// The counts of the control line are checked when their table is reached.
void check_control_count(FreeFormatReader& in, int count, int lo, int hi, const std::string& what) {
    if (count < lo || count > hi) {
        in.fail_in("CONTROL LINE", what + " " + std::to_string(count) + " OUTSIDE " +
                                       std::to_string(lo) + ".." + std::to_string(hi));
    }
}

// Ranges of the reals of a record; each names the value as the report shows it.
void check_positive(FreeFormatReader& in, double v, const std::string& what) {
    if (!(v > 0.0)) in.fail(what + " " + number_text(v) + " IS NOT POSITIVE");
}

void check_not_negative(FreeFormatReader& in, double v, const std::string& what) {
    if (!(v >= 0.0)) in.fail(what + " " + number_text(v) + " IS NEGATIVE");
}

void check_within(FreeFormatReader& in, double v, double lo, double hi, const std::string& what) {
    if (!(v >= lo && v <= hi)) {
        in.fail(what + " " + number_text(v) + " OUTSIDE " + number_text(lo) + ".." +
                number_text(hi));
    }
}

}  // namespace

// The codes of the control line select the records that follow, so they are checked before
// any of those is read.
void check_control_codes(FreeFormatReader& in, const ControlLine& c) {
    check_control_count(in, c.unit_system, 1, 3, "UNIT SYSTEM");
    check_control_count(in, c.earth_pressure_code, 0, 3, "EARTH-PRESSURE CODE");
    check_control_count(in, c.py_code, 0, 2, "P-Y CODE");
    check_control_count(in, c.stage_count, 0, kMaxStageCount, "STAGE COUNT");
    check_control_count(in, c.stiffness_count, 1, kMaxRangeRows, "NUMBER OF STIFFNESS ROWS");
}

namespace {

std::string numbered(const char* name, int k) {
    return std::string(name) + " " + std::to_string(k);
}

// The continuation flag of a station-range row: 1 constant, 2 continued to the next row.
int read_flag(FreeFormatReader& in) {
    const int flag = in.integer();
    if (flag != 1 && flag != 2) {
        in.fail("CONTINUATION FLAG " + std::to_string(flag) + " IS NOT 1 OR 2");
    }
    return flag;
}

void check_range_stations(EngineState& s, FreeFormatReader& in, const RangeRow& row) {
    check_station(in, row.from, -3, s.wall.ninc + 3);
    check_station(in, row.to, -3, s.wall.ninc + 3);
}

int read_count(FreeFormatReader& in, const char* record) {
    in.record(record);
    const int n = in.integer();
    check_not_negative(in, n, "COUNT");
    check_count(in, n, 0, kMaxRangeRows, "COUNT");
    return n;
}

// Lateral stiffness of one tieback as a spring at its station: the axial stiffness E A / Lu
// of the unbonded length, turned horizontal by cos(angle) and shared by the wall width W
// over the anchor spacing s.
double tieback_stiffness(const EngineState& s, const TiebackRow& t) {
    const double theta = t.angle * kPiTieback / 180.0;
    if (s.control.unit_system == 1) {
        return std::cos(theta) * t.modulus * t.area /
               ((t.unbonded_length * 12.0) * (t.spacing * 12.0 / s.wall.wall_width));
    }
    return std::cos(theta) * t.modulus * t.area /
           ((t.spacing / s.wall.wall_width) * t.unbonded_length);
}

void record_supports(EngineState& s) {
    s.support_count = static_cast<int>(s.spring_rows.size());
    bool first = true;
    s.first_support_depth = 0.0;
    s.last_support_depth = 0.0;
    for (const RangeRow& r : s.spring_rows) {
        if (r.from != r.to) continue;
        const double depth = r.from * s.wall.h;
        if (first) s.first_support_depth = depth;
        s.last_support_depth = depth;
        first = false;
    }
}

// The six soil values of a layer are none of them negative; the friction angle of sand and
// silt lies below 90 degrees and the RQD of weak rock is a percentage.
template <class Values>
void check_soil_values(FreeFormatReader& in, int type, const Values& v) {
    static const char* const names[] = {"VALUE 1", "VALUE 2", "VALUE 3",
                                        "VALUE 4", "VALUE 5", "VALUE 6"};
    for (std::size_t i = 0; i < 6; ++i) check_not_negative(in, v[i], names[i]);
    if (type == 4 || type == 5) check_within(in, v[2], 0.0, 89.9, "FRICTION ANGLE");
    if (type == 7) check_within(in, v[5], 0.0, 100.0, "RQD");
}

SoilLayerInput read_layer(FreeFormatReader& in, int k, double previous_bottom) {
    SoilLayerInput layer;
    in.record(numbered("LAYER", k));
    layer.type = in.integer();
    layer.bottom_depth = in.real();
    check_count(in, layer.type, 1, 7, "SOIL TYPE");
    // Layers go down: each bottom lies below the one before (the first below the top).
    if (!(layer.bottom_depth > previous_bottom)) {
        in.fail("BOTTOM DEPTH " + number_text(layer.bottom_depth) + " NOT BELOW " +
                number_text(previous_bottom));
    }
    layer.thickness = layer.bottom_depth - previous_bottom;
    in.record("TOP VALUES OF " + numbered("LAYER", k));
    for (double& v : layer.top) v = in.real();
    check_soil_values(in, layer.type, layer.top);
    in.record("BOTTOM VALUES OF " + numbered("LAYER", k));
    for (double& v : layer.bottom) v = in.real();
    check_soil_values(in, layer.type, layer.bottom);
    return layer;
}

}  // namespace

int nearest_station(double depth_over_h) {
    if (!(std::fabs(depth_over_h) < kFarStation)) {
        return depth_over_h < 0 ? -kFarStation : kFarStation;
    }
    return static_cast<int>(std::round(depth_over_h));
}

void check_station(FreeFormatReader& in, int station, int lo, int hi) {
    if (station < lo || station > hi) {
        in.fail("STATION " + std::to_string(station) + " OUTSIDE " + std::to_string(lo) + ".." +
                std::to_string(hi));
    }
}

bool soil_records_present(const ControlLine& c) {
    return c.earth_pressure_code >= 2 || c.py_code == 2;
}

std::string read_title(FreeFormatReader& in) {
    in.record("TITLE");
    std::string title = in.line();
    if (title.size() > static_cast<std::size_t>(kTitleLength)) title.resize(kTitleLength);
    return title;
}

void read_control_line(EngineState& s, FreeFormatReader& in) {
    in.record("CONTROL LINE");
    ControlLine& c = s.control;
    c.unit_system = in.integer();
    c.restraint_count = in.integer();
    c.stiffness_count = in.integer();
    c.py_mod_count = in.integer();
    c.earth_pressure_code = in.integer();
    c.py_code = in.integer();
    c.user_curve_count = in.integer();
    c.stage_count = in.integer();
    c.ei_set_count = in.integer();
    c.tieback_count = in.integer();
    s.gamma_water = water_unit_weight(c.unit_system);
}

void read_wall_properties(EngineState& s, FreeFormatReader& in) {
    in.record("WALL PROPERTIES");
    WallProperties& w = s.wall;
    w.ninc = in.integer();
    w.h = in.real();
    w.max_deflection = in.real();
    w.closure_tolerance = in.real();
    w.free_height = in.real();
    w.wall_width = in.real();
    check_count(in, w.ninc, 1, kMaxIncrements, "NUMBER OF INCREMENTS");
    if (!(w.h > 0.0)) in.fail("INCREMENT LENGTH " + number_text(w.h) + " IS NOT POSITIVE");
    check_positive(in, w.max_deflection, "MAXIMUM ALLOWABLE DEFLECTION");
    check_positive(in, w.closure_tolerance, "CLOSURE TOLERANCE");
    check_not_negative(in, w.free_height, "FREE HEIGHT");
    check_not_negative(in, w.wall_width, "WALL WIDTH");
}

void read_restraints(EngineState& s, FreeFormatReader& in) {
    const int n = s.control.restraint_count;
    if (n > kMaxRestraintRows) {
        stop_too_much_data(s.out(), std::to_string(n) + " restraint rows");
    }
    check_control_count(in, n, 0, kMaxRestraintRows, "NUMBER OF RESTRAINT ROWS");
    s.restraints.clear();
    for (int k = 1; k <= n; ++k) {
        in.record(numbered("RESTRAINT ROW", k));
        RestraintRow r;
        r.kase = in.integer();
        r.station = in.integer();
        r.deflection = in.real();
        r.slope = in.real();
        if (r.kase < 1 || r.kase > 3)
            in.fail("CASE " + std::to_string(r.kase) + " IS NOT 1, 2 OR 3");
        if (r.station < -1 || (!s.restraints.empty() && r.station < s.restraints.back().station)) {
            stop_stations_not_in_order(s.out(), "restraint row " + std::to_string(k));
        }
        check_station(in, r.station, -1, s.wall.ninc + 1);
        s.restraints.push_back(r);
    }
}

void read_stiffness_rows(EngineState& s, FreeFormatReader& in) {
    if (s.control.stiffness_count < 0) {
        in.fail_in("CONTROL LINE", "NUMBER OF STIFFNESS ROWS " +
                                       std::to_string(s.control.stiffness_count) + " IS NEGATIVE");
    }
    s.stiffness_rows.clear();
    for (int k = 1; k <= s.control.stiffness_count; ++k) {
        in.record(numbered("STIFFNESS ROW", k));
        RangeRow r;
        r.kind = RowKind::Stiffness;
        r.from = in.integer();
        r.to = in.integer();
        r.flag = read_flag(in);
        r.ei = in.real();
        check_range_stations(s, in, r);
        check_not_negative(in, r.ei, "EI");  // none at all is the warning of a singular system
        s.stiffness_rows.push_back(r);
    }
}

void read_load_rows(EngineState& s, FreeFormatReader& in) {
    const int n = read_count(in, "CONCENTRATED-LOAD COUNT");
    s.load_rows.clear();
    s.couples.clear();
    for (int k = 1; k <= n; ++k) {
        in.record(numbered("CONCENTRATED-LOAD ROW", k));
        RangeRow r;
        r.kind = RowKind::Load;
        r.flag = read_flag(in);
        r.from = in.integer();
        r.to = in.integer();
        r.q = in.real();
        r.t = in.real();
        r.p = in.real();
        check_range_stations(s, in, r);
        if (r.t != 0.0) s.couples.push_back({r.from, r.t / (2.0 * s.wall.h)});
        s.load_rows.push_back(r);
    }
}

void read_spring_rows(EngineState& s, FreeFormatReader& in) {
    const int n = read_count(in, "SPRING COUNT");
    s.spring_rows.clear();
    for (int k = 1; k <= n; ++k) {
        in.record(numbered("SPRING ROW", k));
        RangeRow r;
        r.kind = RowKind::Spring;
        r.from = in.integer();
        r.to = in.integer();
        r.flag = read_flag(in);
        r.s = in.real();
        r.r = in.real();
        check_range_stations(s, in, r);
        check_not_negative(in, r.s, "LATERAL SPRING STIFFNESS");
        check_not_negative(in, r.r, "ROTATIONAL SPRING STIFFNESS");
        s.spring_rows.push_back(r);
    }
    record_supports(s);
}

void read_tiebacks(EngineState& s, FreeFormatReader& in) {
    check_control_count(in, s.control.tieback_count, 0, kMaxTiebackRows, "NUMBER OF TIEBACK ROWS");
    s.tiebacks.clear();
    const double depth_unit = s.control.unit_system == 1 ? 12.0 : 1.0;
    for (int k = 1; k <= s.control.tieback_count; ++k) {
        in.record(numbered("TIEBACK ROW", k));
        TiebackRow t;
        t.depth = in.real();
        t.area = in.real();
        t.modulus = in.real();
        t.unbonded_length = in.real();
        t.angle = in.real();
        t.spacing = in.real();
        check_not_negative(in, t.depth, "DEPTH");
        check_not_negative(in, t.area, "AREA");
        check_not_negative(in, t.modulus, "MODULUS");
        check_positive(in, t.unbonded_length, "UNBONDED LENGTH");
        check_within(in, t.angle, -89.9, 89.9, "ANGLE");
        check_positive(in, t.spacing, "SPACING");
        check_positive(in, s.wall.wall_width, "WALL WIDTH (RECORD 3) FOR A TIEBACK");
        t.station = nearest_station(t.depth * depth_unit / s.wall.h);
        check_station(in, t.station, -3, s.wall.ninc + 3);
        t.stiffness = tieback_stiffness(s, t);
        if (!std::isfinite(t.stiffness)) {
            in.fail("TIEBACK STIFFNESS NOT FINITE (ZERO UNBONDED LENGTH OR SPACING)");
        }
        s.tiebacks.push_back(t);
        RangeRow r;
        r.kind = RowKind::Tieback;
        r.from = r.to = t.station;
        r.flag = 1;
        r.s = t.stiffness;
        s.spring_rows.push_back(r);
    }
    record_supports(s);
}

void read_py_mods(EngineState& s, FreeFormatReader& in) {
    check_control_count(in, s.control.py_mod_count, 0, kMaxPyModRows,
                        "NUMBER OF P-Y MODIFICATION ROWS");
    s.py_mods.clear();
    for (int k = 1; k <= s.control.py_mod_count; ++k) {
        in.record(numbered("P-Y MODIFICATION ROW", k));
        PyModRow m;
        m.depth = in.real();
        m.p_mult = in.real();
        m.y_mult = in.real();
        check_not_negative(in, m.p_mult, "P-MULTIPLIER");
        check_positive(in, m.y_mult, "Y-MULTIPLIER");
        s.py_mods.push_back(m);
    }
}

void read_user_pressure(EngineState& s, FreeFormatReader& in) {
    const int n = read_count(in, "PRESSURE COUNT");
    s.user_pressure.clear();
    for (int k = 1; k <= n; ++k) {
        in.record(numbered("PRESSURE ROW", k));
        UserPressurePoint p;
        p.depth = in.real();
        p.load = in.real();
        s.user_pressure.push_back(p);
    }
}

void read_soil_records(EngineState& s, FreeFormatReader& in) {
    in.record("WALL CONFIGURATION");
    WallConfig& c = s.config;
    c.free_height = in.real();
    c.active_width = in.real();
    c.py_width = in.real();
    c.water_depth_backfill = in.real();
    c.water_depth_excavation = in.real();
    c.active_factor = in.real();
    c.water_switch = in.integer();
    c.backfill_slope = in.real();
    check_not_negative(in, c.free_height, "FREE HEIGHT");
    check_not_negative(in, c.active_width, "WIDTH FOR EARTH PRESSURE");
    check_not_negative(in, c.py_width, "WIDTH FOR SOIL RESISTANCE");
    check_not_negative(in, c.active_factor, "ACTIVE-PRESSURE FACTOR");
    check_count(in, c.water_switch, 0, 1, "WATER SWITCH");
    check_within(in, c.backfill_slope, -89.9, 89.9, "BACKFILL SLOPE");

    in.record("SURFACE LOADS");
    SurfaceLoads& u = s.surface;
    u.surface_load = in.real();
    u.legacy_x = in.real();
    u.legacy_point = in.real();
    u.legacy_line = in.real();
    u.legacy_strip = in.real();
    u.legacy_strip_width = in.real();

    const int nq = read_count(in, "SURCHARGE COUNT");
    check_count(in, nq, 0, kMaxSurchargeRows, "NUMBER OF SURCHARGE ROWS");
    const double mm = s.control.unit_system == 2 ? 1000.0 : 1.0;  // SI: millimetres
    s.surcharges.clear();
    for (int k = 1; k <= nq; ++k) {
        in.record(numbered("SURCHARGE ROW", k));
        SurchargeRow q;
        q.type = in.integer();
        q.magnitude = in.real();
        q.x = in.real() / mm;
        q.width = in.real() / mm;
        check_count(in, q.type, 1, 3, "LOAD TYPE");
        check_not_negative(in, q.x, "DISTANCE X");
        check_not_negative(in, q.width, "STRIP WIDTH");
        s.surcharges.push_back(q);
    }

    const int nl = read_count(in, "LAYER COUNT");
    check_count(in, nl, 0, kMaxInputLayers, "NUMBER OF LAYERS");
    s.layers.clear();
    double previous_bottom = 0.0;
    for (int k = 1; k <= nl; ++k) {
        s.layers.push_back(read_layer(in, k, previous_bottom));
        previous_bottom = s.layers.back().bottom_depth;
    }
}

void read_user_curves(EngineState& s, FreeFormatReader& in) {
    const int n = s.control.user_curve_count;
    if (n > kMaxCurves) stop_too_much_data(s.out(), std::to_string(n) + " user p-y curves");
    check_control_count(in, n, 0, kMaxCurves, "NUMBER OF USER P-Y CURVES");
    s.user_curves.clear();
    for (int k = 1; k <= n; ++k) {
        in.record(numbered("P-Y CURVE", k));
        UserCurve c;
        c.station = in.integer();
        const int points = in.integer();
        c.p_mult = in.real();
        c.y_mult = in.real();
        check_station(in, c.station, -3, s.wall.ninc + 3);
        check_not_negative(in, c.p_mult, "P-MULTIPLIER");
        check_positive(in, c.y_mult, "Y-MULTIPLIER");
        check_count(in, points, kMinUserCurvePoints, kMaxUserCurvePoints, "NUMBER OF POINTS");
        for (int j = 1; j <= points; ++j) {
            in.record("POINT " + std::to_string(j) + " OF " + numbered("P-Y CURVE", k));
            c.y.push_back(in.real());
            c.p.push_back(in.real());
            c.y_scaled.push_back(c.y.back() * c.y_mult);
            c.p_scaled.push_back(c.p.back() * c.p_mult);
        }
        s.user_curves.push_back(std::move(c));
    }
}

void read_ei_sets(EngineState& s, FreeFormatReader& in) {
    check_control_count(in, s.control.ei_set_count, 0, kMaxEiSets, "NUMBER OF MOMENT-EI SETS");
    s.ei_sets.clear();
    for (int k = 1; k <= s.control.ei_set_count; ++k) {
        in.record(numbered("MOMENT-EI SET", k));
        EiSet set;
        set.from = in.integer();
        set.to = in.integer();
        const int points = in.integer();
        check_station(in, set.from, -3, s.wall.ninc + 3);
        check_station(in, set.to, -3, s.wall.ninc + 3);
        check_count(in, points, 1, kMaxEiPoints, "NUMBER OF POINTS");
        for (int j = 1; j <= points; ++j) {
            in.record("POINT " + std::to_string(j) + " OF " + numbered("MOMENT-EI SET", k));
            set.moment.push_back(in.real());
            set.ei.push_back(in.real());
            check_positive(in, set.ei.back(), "EI");
        }
        s.ei_sets.push_back(std::move(set));
    }
}

int read_continuation(FreeFormatReader& in) {
    in.record("CONTINUATION CODE");
    const int code = in.integer();
    // 0 or the stage count ends the run, 9 announces the long-term problem, a stage number
    // the next stage.
    if (code != 9) check_count(in, code, 0, kMaxStageCount, "CONTINUATION CODE");
    return code;
}

}  // namespace vornel
