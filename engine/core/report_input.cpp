#include "engine/core/report_input.h"

#include "engine/base/fixed_format.h"
#include "engine/base/report_banner.h"
#include "engine/base/unit_labels.h"
#include "engine/core/curve_store.h"
#include "engine/core/pressure_table.h"
#include "engine/core/station_tables.h"

namespace vornel {
namespace {

using fmt::Line;

void put(EngineState& s, const Line& line) {
    s.out() << line.str() << '\n';
}

void labelled(EngineState& s, const char* label, int value) {
    put(s, Line().x(6).text(label).i(value, 2));
}

// The start columns of a station-range row by its spreading case, with the flag shown
// as 0 (constant) or 1 (continued).
Line range_columns(int kase, int from, int to, int flag) {
    Line l;
    const int shown = flag == 2 ? 1 : 0;
    if (kase == 1) return l.x(5).i(from, 4).i(to, 4).i(shown, 3);
    if (kase == 2) return l.x(5).i(from, 4).x(4).i(shown, 3);
    return l.x(9).i(to, 4).i(shown, 3);
}

void write_range_rows(EngineState& s, const std::vector<RangeRow>& rows) {
    int previous_flag = 1;
    for (const RangeRow& r : rows) {
        Line l;
        double ei = s.F[r.from];
        if (r.kind == RowKind::Tieback) {
            l = range_columns(1, r.from, r.to, 1);
        } else {
            l = range_columns(range_case(previous_flag, r.flag), r.from, r.to, r.flag);
            previous_flag = r.flag;
            if (r.kind == RowKind::Stiffness) ei = r.ei;
        }
        l.x(1).e(ei, 10, 3).e(r.q, 10, 3).e(r.s, 10, 3).e(r.t, 10, 3).e(r.r, 10, 3).e(r.p, 10, 3);
        put(s, l);
    }
}

void write_pressure_heading(EngineState& s) {
    s.out() << "\n\n";
    put(s, Line().x(8).text(" DEPTH         ACTIVE EARTH PRESSURE"));
    put(s,
        Line().x(8).x(1).text(units::length(s.units)).x(17).text(units::force_per_length(s.units)));
    put(s, Line().x(8).text("--------       ------------------------"));
}

void write_pressure_point(EngineState& s, double depth, double load) {
    put(s, Line().x(6).e(depth, 10, 3).x(10).e(load, 10, 3));
}

// The curve line of a user curve: its columns follow the link case of the curve.
Line curve_columns(const UserCurve& c, int kase, int link) {
    Line l;
    if (kase >= 3) {
        l.x(9).i(c.station, 4).i(link, 3);
    } else if (kase == 2) {
        l.x(5).i(c.station, 4).x(4).i(link, 3);
    } else {
        l.x(5).i(c.station, 4).i(c.station, 4).i(link, 3);
    }
    l.x(5).e(c.p_mult, 14, 3).e(c.y_mult, 14, 3);
    const int points = static_cast<int>(c.y.size());
    return kase == 1 ? l.x(8).i(points, 4) : l.x(10).i(points, 3);
}

void write_curve_points(EngineState& s, const UserCurve& c) {
    s.out() << "\n\n";
    put(s, Line().x(18).text("    Y    ").x(12).text("   P    "));
    put(s, Line()
               .x(18)
               .x(2)
               .text(units::length(s.units))
               .x(16)
               .text(units::force_per_length(s.units)));
    put(s, Line().x(18).text("---------").x(12).text("--------"));
    for (std::size_t k = 0; k < c.y_scaled.size(); ++k) {
        put(s, Line().x(17).e(c.y_scaled[k], 10, 3).x(10).e(c.p_scaled[k], 10, 3));
    }
}

}  // namespace

void write_control_parameters(EngineState& s) {
    const ControlLine& c = s.control;
    s.out() << "\n\n";
    write_banner(s, "*        PROGRAM CONTROL PARAMETERS              *");
    s.out() << '\n';
    labelled(s, "NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  = ", c.restraint_count);
    labelled(s, "NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      = ", c.stiffness_count);
    labelled(s, "GENERATE EARTH PRESSURE INTERNALLY                 = ",
             c.earth_pressure_code >= 2 ? 1 : 0);
    labelled(s, "GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   = ", c.py_code == 2 ? 1 : 0);
    labelled(s, "NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES = ", c.py_mod_count);
    labelled(s, "NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  = ", c.user_curve_count);
}

void write_wall_properties(EngineState& s) {
    const WallProperties& w = s.wall;
    const std::string len = units::length(s.units);
    auto length_line = [&](const char* label, double v, bool scaled) {
        Line l;
        l.x(6).text(label);
        scaled ? l.es(v, 9, 3) : l.f(v, 9, 3);
        put(s, l.text(len));
    };
    put(s, Line().x(6).text("NUMBER OF INCREMENTS                               = ").i(w.ninc, 3));
    length_line("INCREMENT LENGTH                                   = ", w.h, false);
    length_line("FREE HEIGHT OF WALL                                = ", w.free_height, false);
    length_line("MAXIMUM ALLOWABLE DEFLECTION                       = ", w.max_deflection, false);
    length_line("DEFLECTION CLOSURE TOLERANCE                       = ", w.closure_tolerance, true);
}

void write_restraints(EngineState& s) {
    if (s.restraints.empty()) {
        s.out() << '\n' << fmt::x(20) << '\n';
        return;
    }
    s.out() << "\n\n";
    write_banner(s, "*        SPECIFIED DEFLECTIONS AND SLOPES        *");
    s.out() << '\n';
    put(s, Line().x(5).text("     STA      CASE       DEFLECTION        SLOPE"));
    s.out() << '\n';
    for (const RestraintRow& r : s.restraints) {
        Line l;
        l.x(10).i(r.station, 3).x(7).i(r.kase, 2);
        if (r.kase == 1) {
            l.x(8).e(r.deflection, 10, 3).x(9).text("NONE");
        } else if (r.kase == 2) {
            l.x(11).text("NONE").x(8).e(r.slope, 10, 3);
        } else {
            l.x(3).x(5).e(r.deflection, 10, 3).x(5).e(r.slope, 10, 3);
        }
        put(s, l);
    }
}

void write_stiffness_and_loads(EngineState& s) {
    const UnitLabels& u = s.units;
    s.out() << "\n\n";
    write_banner(s, "*        STIFFNESS AND LOAD DATA                 *");
    put(s, Line().x(6).text("EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,"));
    put(s, Line().x(6).text("S - STIFFNESS OF TRANSVERSE RESISTANCE,"));
    put(s, Line().x(6).text("T - TORQUE,              P - AXIAL LOAD,"));
    put(s, Line().x(6).text("R - STIFFNESS OF TORSIONAL RESISTANCE."));
    s.out() << '\n';
    put(s,
        Line().text("     FROM TO CONTD     EI         Q        S'        T         R         P"));
    s.out() << '\n';
    put(s, Line()
               .x(18)
               .text(units::stiffness(u))
               .x(4)
               .text(units::force(u))
               .x(4)
               .text(units::force_per_length(u))
               .x(3)
               .text(units::couple(u))
               .x(2)
               .text(units::couple(u))
               .x(4)
               .text(units::force(u)));
    write_range_rows(s, s.stiffness_rows);
    write_range_rows(s, s.load_rows);
    write_range_rows(s, s.spring_rows);
}

void write_specified_pressure(EngineState& s) {
    s.out() << "\n\n";
    write_banner(s, "*        SPECIFIED ACTIVE EARTH PRESSURE         *");
    s.out() << '\n';
    write_pressure_heading(s);
    for (const UserPressurePoint& p : s.user_pressure) write_pressure_point(s, p.depth, p.load);
}

void write_generated_pressure(EngineState& s) {
    write_pressure_heading(s);
    // The rows are built as one text and go out in one piece.
    const std::vector<std::size_t> rows = thinned_points(s.pressure.size(), s.control.unit_system);
    std::string text;
    text.reserve(rows.size() * 37);
    for (std::size_t i : rows) {
        fmt::put_xe(text, 6, s.pressure[i].depth, 10, 3);
        fmt::put_xe(text, 10, s.pressure[i].total, 10, 3);
        text.push_back('\n');
    }
    s.out() << text;
}

void write_user_curves(EngineState& s) {
    s.out() << "\n\n";
    write_banner(s, "*     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *");
    s.out() << '\n';
    const std::vector<int> links = user_curve_links(s);
    const bool generated = s.control.py_code == 2;
    int previous_link = 0;
    for (std::size_t i = 0; i < s.user_curves.size(); ++i) {
        const UserCurve& c = s.user_curves[i];
        const int kase = generated ? 3 : range_case(previous_link + 1, links[i] + 1);
        s.out() << '\n';
        put(s, Line().text("     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     "));
        s.out() << "\n\n";
        put(s, curve_columns(c, kase, links[i]));
        previous_link = links[i];
        write_curve_points(s, c);
    }
}

}  // namespace vornel
