#include "engine/soil/layer_forces.h"

#include <algorithm>
#include <ostream>

#include "engine/base/fixed_format.h"
#include "engine/base/unit_labels.h"
#include "engine/soil/soil_report.h"
#include "engine/soil/surcharge.h"

namespace vornel::soil {
namespace {

// Force of the surcharge pressure over the sub-layer, summed on ten equal steps.
double surcharge_force(const EngineState& s, const SubLayer& l) {
    const double step = l.thickness / 10.0;
    double force = 0.0;
    for (int k = 1; k <= 10; ++k) force += step * surcharge_pressure_direct(s, l.ztop + k * step);
    return force;
}

// A diagram in tension at the top (A > 0 is the tension there) and in compression at the
// bottom (B > 0): only the triangle of height zp above the bottom pushes on the wall.
void positive_part(LayerForces& f, const SubLayer& l, double sigma_below, double bottom) {
    const double cohesion = 2.0 * l.cohesion * l.sqrt_ka;
    const double a = cohesion - l.sigma_v * l.ka;
    const double b = sigma_below * l.ka - cohesion;
    f.pa1 = f.pa2 = f.pa3 = 0.0;
    f.zp = 0.0;
    f.pa4 = 0.0;
    if (b > 0.0) {
        f.zp = a + b > 0.0 ? std::min(l.thickness, b * l.thickness / (a + b)) : l.thickness;
        f.pa4 = l.factor * f.zp * b / 2.0;
    }
    f.z3 = bottom - f.zp / 3.0;
}

// Water forces of a submerged, drained sub-layer; clay keeps its water out of the account.
void water_forces(LayerForces& f, const SubLayer& l, double water_depth, double gamma_water) {
    if (!l.drained || !l.wet) return;
    const double head = std::max(0.0, l.ztop - water_depth);
    f.pw1 = -head * gamma_water * l.thickness;
    f.pw2 = -l.thickness * l.thickness * gamma_water / 2.0;
}

}  // namespace

double effective_unit_weight(const SubLayer& l, double gamma_water) {
    return l.wet && l.drained ? l.gamma - gamma_water : l.gamma;
}

ForceTable compute_layer_forces(const EngineState& s, const LayerTable& t) {
    ForceTable ft;
    ft.rows.resize(t.rows.size());
    ft.water_table_above_excavation = t.lwtb >= 1 && t.lwtb <= t.lexc - 1;
    for (int i = 0; i < t.retained(); ++i) {
        const SubLayer& l = t.rows[static_cast<size_t>(i)];
        LayerForces& f = ft.rows[static_cast<size_t>(i)];
        const double tt = l.thickness, m = l.factor;
        f.pa1 = l.sigma_v * l.ka * tt * m + surcharge_force(s, l);
        f.pa2 = tt * tt * effective_unit_weight(l, s.gamma_water) / 2.0 * l.ka * m;
        f.pa3 = -2.0 * l.cohesion * l.sqrt_ka * tt * m;
        f.z1 = l.ztop + tt / 2.0;
        f.z2 = l.ztop + 2.0 * tt / 3.0;
        if (f.pa1 + f.pa3 < 0.0) {
            positive_part(f, l, t.rows[static_cast<size_t>(i) + 1].sigma_v, t.ztop(i + 1));
        }
        if (ft.water_table_above_excavation && i + 1 >= t.lwtb) {
            water_forces(f, l, s.config.water_depth_backfill, s.gamma_water);
        }
        ft.net += f.pa1 + f.pa2 + f.pa3 + f.pa4 - f.pw1 - f.pw2;
    }
    return ft;
}

namespace {

void write_earth_forces(EngineState& s, const LayerTable& t, const ForceTable& f) {
    std::ostream& out = s.out();
    const std::string fl = units::force_per_length(s.units), len = units::length(s.units);
    write_framed_heading(s, "ACTIVE EARTH PRESSURE OF EACH LAYER");
    out << fmt::Line()
               .x(6)
               .text(" LAYER    PA1     Z1       PA2     Z2         PA3     Z3")
               .text("        PA4")
               .str()
        << '\n';
    // Under each force its force / length group, under each depth its length group.
    fmt::Line units;
    units.x(6).text("  NO").x(2).text(fl);
    for (int k = 0; k < 3; ++k) units.x(4).text(len).x(4).text(fl);
    out << units.str() << '\n';
    for (int i = 0; i < t.retained(); ++i) {
        const LayerForces& r = f.rows[static_cast<size_t>(i)];
        fmt::Line line;
        line.x(6).i(i + 1, 2);
        line.x(1).f(r.pa1, 10, 2).x(1).f(r.z1, 6, 2);
        line.x(1).f(r.pa2, 10, 2).x(1).f(r.z2, 6, 2);
        line.x(1).f(r.pa3, 10, 2).x(1).f(r.z3, 6, 2);
        line.x(1).f(r.pa4, 10, 2);
        out << line.str() << '\n';
    }
}

void write_water_forces(EngineState& s, const LayerTable& t, const ForceTable& f) {
    std::ostream& out = s.out();
    write_framed_heading(s, "ACTIVE WATER PRESSURE OF EACH LAYER");
    out << fmt::Line().x(6).text(" LAYER    PW1     Z1       PW2     Z2                ").str()
        << '\n'
        << fmt::Line().x(6).text("  NO             ").str() << '\n';
    for (int i = t.lwtb - 1; i < t.retained(); ++i) {
        const SubLayer& l = t.rows[static_cast<size_t>(i)];
        if (!l.drained || !l.wet) continue;
        const LayerForces& r = f.rows[static_cast<size_t>(i)];
        out << fmt::Line()
                   .x(6)
                   .i(i + 1, 2)
                   .x(1)
                   .f(-r.pw1, 10, 2)
                   .x(1)
                   .f(r.z1, 6, 2)
                   .x(1)
                   .f(-r.pw2, 10, 2)
                   .x(1)
                   .f(r.z2, 6, 2)
                   .str()
            << '\n';
    }
}

}  // namespace

void write_layer_forces(EngineState& s, const LayerTable& t, const ForceTable& f) {
    write_earth_forces(s, t, f);
    if (f.water_table_above_excavation) write_water_forces(s, t, f);
    if (f.net < 1.0e-5) {
        static constexpr const char* kNegative = "Net active pressure is negative.";
        s.out() << "\n\n" << fmt::Line().x(5).text(kNegative).str() << "\n\n";
        s.message(kNegative);
    }
}

}  // namespace vornel::soil
