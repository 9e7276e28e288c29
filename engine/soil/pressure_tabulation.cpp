#include "engine/soil/pressure_tabulation.h"

#include <algorithm>
#include <cmath>

#include "engine/soil/layer_forces.h"
#include "engine/soil/pressure_coefficients.h"
#include "engine/soil/surcharge.h"

namespace vornel::soil {
namespace {

// How the points of one sub-layer are laid out: `count` points at `spacing` below its top.
struct PointPlan {
    long count = 0;
    double spacing = 0.0;
};

// One point per unit of `density` within each sub-layer; the table stops at the tip of the
// wall, and the last sub-layer is carried on to the tip at its own spacing.
std::vector<PointPlan> plan_points(const LayerTable& t, double density, double tip) {
    std::vector<PointPlan> plan(t.rows.size());
    for (int i = 0; i < t.count(); ++i) {
        const SubLayer& l = t.rows[static_cast<size_t>(i)];
        const long own = std::lround(l.thickness * density);
        const long to_tip = std::max(0L, std::lround((tip - l.ztop) * density));
        PointPlan& p = plan[static_cast<size_t>(i)];
        p.spacing = own > 0 ? l.thickness / static_cast<double>(own) : 1.0 / density;
        p.count = i + 1 == t.count() ? to_tip : std::min(own, to_tip);
    }
    return plan;
}

// The straight-line diagram of one sub-layer: p = 2 a z + p0 at depth z below its top, and the
// share s0 of it that the uniform surface pressure carries (it moves from the soil part to the
// surcharge part of the point). The share is the surface pressure times the active coefficient
// and nothing else: water and cohesion belong to the soil part.
struct Diagram {
    double a = 0.0, p0 = 0.0, s0 = 0.0;
};

double surface_share(const LayerTable& t, const SubLayer& l) {
    const double surface = t.rows.front().sigma_v;
    return surface < 1.0e-6 ? 0.0 : surface * l.ka * l.factor;
}

Diagram retained_diagram(const EngineState& s, const LayerTable& t, const SubLayer& l, double w) {
    const double m = l.factor, head = l.ztop - s.config.water_depth_backfill;
    const double cohesion = 2.0 * l.cohesion * l.sqrt_ka * m;
    Diagram d;
    d.a = w / 2.0 + effective_unit_weight(l, s.gamma_water) / 2.0 * l.ka * m;
    d.p0 = head * w + l.sigma_v * l.ka * m - cohesion;
    d.s0 = surface_share(t, l);
    return d;
}

// Below the excavation level the active pressure of the excavation level acts unchanged.
Diagram embedded_diagram(const EngineState& s, const LayerTable& t, SubLayer& l) {
    l.sqrt_ka = level_sqrt_ka(l.phi);
    l.ka = l.sqrt_ka * l.sqrt_ka;
    const double m = l.factor, cohesion = 2.0 * l.cohesion * l.sqrt_ka * m;
    Diagram d;
    d.p0 = s.sigma_v_excavation * l.ka * m - cohesion;
    d.s0 = surface_share(t, l);
    return d;
}

// Running state of the walk down the table.
struct Walk {
    explicit Walk(const EngineState& s) : surcharge(s) {}
    SurchargeSlices surcharge;
    double u = 0.0;     // water pressure of the excavation side above the excavation level
    double prev = 0.0;  // total of the previous point, for the running force
    long number = 1;    // running point number J
};

PressureRow point_at(const EngineState& s, const SubLayer& l, const Diagram& d, double z,
                     Walk& walk) {
    const double fh = s.config.free_height, we = s.config.water_depth_excavation;
    PressureRow r;
    r.depth = l.ztop + z;
    r.p1 = r.p2 = 2.0 * d.a * z + d.p0;
    r.p3 = walk.surcharge.at(r.depth);
    r.p1 += r.p3;
    if (we < r.depth && r.depth < fh) {
        walk.u = (r.depth - we) * s.gamma_water;
    } else if (r.depth > fh) {
        walk.u = 0.0;
    }
    if (l.wet) {
        r.p1 -= walk.u;
        r.p2 -= walk.u;
    }
    ++walk.number;
    const double tiny = static_cast<double>(walk.number) * 1.0e-12;
    if (r.p1 < 1.0e-5) r.p1 = tiny;
    if (r.p2 < 1.0e-5) r.p2 = tiny;
    return r;
}

}  // namespace

int points_per_length(int unit_system) {
    return unit_system == 2 ? 20 : 1;
}

double longest_tabulated_wall(int unit_system) {
    return kMaxPressurePoints / points_per_length(unit_system);
}

PressureTable tabulate_pressure(const EngineState& s, LayerTable& t, bool water_pressure) {
    PressureTable out;
    if (t.rows.empty()) return out;
    const int density = points_per_length(s.control.unit_system);
    const double tip = s.wall.ninc * s.wall.h;
    const std::vector<PointPlan> plan = plan_points(t, density, tip);
    const SubLayer& top = t.rows.front();
    const double p_top = top.ka * top.sigma_v * top.factor;
    out.points.push_back({0.0, p_top, 0.0, top.sigma_v > 0.0 ? p_top : 0.0});
    Walk walk(s);
    for (int i = 0; i < t.count(); ++i) {
        SubLayer& l = t.rows[static_cast<size_t>(i)];
        const bool retained = i < t.retained();
        const double w = l.wet && l.drained && water_pressure ? s.gamma_water : 0.0;
        const Diagram d = retained ? retained_diagram(s, t, l, w) : embedded_diagram(s, t, l);
        const PointPlan& p = plan[static_cast<size_t>(i)];
        for (long k = 1; k <= p.count; ++k) {
            PressureRow r = point_at(s, l, d, static_cast<double>(k) * p.spacing, walk);
            if (retained) {
                // Trapezoidal rule on the point spacing of one inch or 5 cm.
                out.running_force += (walk.prev + r.p1) / 2.0 / density;
                walk.prev = r.p1;
            }
            r.p3 += d.s0;
            r.p2 -= d.s0;
            out.points.push_back(r);
        }
        if (retained) out.excavation_point = static_cast<int>(out.points.size()) - 1;
        if (i + 1 == t.count() && p.count > std::lround(l.thickness * density)) out.extended = true;
    }
    return out;
}

}  // namespace vornel::soil
