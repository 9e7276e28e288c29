#include "engine/soil/py_profile.h"

#include <cmath>

#include "engine/base/fixed_format.h"
#include "engine/base/run_stop.h"
#include "engine/soil/soil_constants.h"

namespace vornel::soil {
namespace {

// Depths closer than this are one depth (layer boundaries, the water table).
constexpr double kDepthTolerance = 1.0e-5;
// Values below this count as "not given" at a layer boundary.
constexpr double kNoValue = 1.0e-20;

struct TakenLayer {
    const SoilLayerInput* input = nullptr;
    double xtop = 0.0, xbot = 0.0;
};

// The input layers that reach below the excavation level, measured from it. A layer whose
// bottom lies within the tolerance of the excavation level ends there and is not taken, so
// that this profile and the earth-pressure layering agree on where the excavation starts.
std::vector<TakenLayer> take_layers(const EngineState& s, double free_height) {
    std::vector<TakenLayer> taken;
    double previous_bottom = 0.0;
    double x = 0.0;
    for (const SoilLayerInput& in : s.layers) {
        const double bottom = in.bottom_depth;
        const double full_thickness = bottom - previous_bottom;
        if (full_thickness <= 0.0) break;  // a layer of no thickness ends the list
        previous_bottom = bottom;
        if (bottom <= free_height + kDepthTolerance) continue;
        const double thickness = taken.empty() ? bottom - free_height : full_thickness;
        taken.push_back({&in, x, x + thickness});
        x += thickness;
    }
    return taken;
}

// Effective unit weight: total unit weight of the top row, less the unit weight of water
// below the backfill water table. Buoyancy starts at the water table itself only at a layer
// boundary there (the point before lies there too). A layer that reaches from above the
// water table to below it keeps its dry value down to the water table.
void fill_gamma(PyProfile& p, const std::vector<TakenLayer>& taken, double water_depth,
                double gamma_w) {
    const double h = p.free_height;
    auto at_water = [&](double x) { return std::fabs(h + x - water_depth) < kDepthTolerance; };
    auto below_water = [&](double x) { return h + x - water_depth >= kDepthTolerance; };
    auto add_point = [&](double x, double dry) {
        double value = dry;
        const bool prev_at = p.gamma.size() > 0 && at_water(p.gamma.x.back());
        if (below_water(x) || (at_water(x) && prev_at)) value -= gamma_w;
        p.gamma.add(x, value);
    };
    for (const TakenLayer& t : taken) {
        const double dry = t.input->top[0];
        add_point(t.xtop, dry);
        const bool top_above = h + t.xtop - water_depth <= -kDepthTolerance;
        if (top_above && below_water(t.xbot)) {
            p.gamma.add(water_depth - h, dry);
        } else {
            add_point(t.xbot, dry);
        }
    }
    p.gamma_counted = static_cast<int>(p.gamma.size());
    const double strength_bottom = taken.empty() ? 0.0 : taken.back().xbot;
    if (!taken.empty() && p.gamma.x.back() < strength_bottom) {
        const double wet = p.gamma.v.back() - gamma_w;
        p.gamma.add(p.gamma.x.back(), wet);
        p.gamma.add(strength_bottom, wet);
    }
}

void fill_strength(PyProfile& p, const std::vector<TakenLayer>& taken) {
    for (const TakenLayer& t : taken) {
        const auto& top = t.input->top;
        const auto& bot = t.input->bottom;
        p.layers.push_back({t.xtop, t.xbot, t.input->type, top[4]});
        p.strength.add(t.xtop, top[1]);
        p.strength.add(t.xbot, bot[1]);
        p.phi.add(t.xtop, top[2] * kPiShort / 180.0);
        p.phi.add(t.xbot, bot[2] * kPiShort / 180.0);
        p.e50.add(t.xtop, top[3]);
        p.e50.add(t.xbot, bot[3]);
        p.rqd.add(t.xtop, top[5]);
        p.rqd.add(t.xbot, bot[5]);
    }
}

void truncate(PyProfile& p, size_t layer_count) {
    p.layers.resize(layer_count);
    for (Distribution* d : {&p.strength, &p.phi, &p.e50, &p.rqd}) {
        d->x.resize(2 * layer_count);
        d->v.resize(2 * layer_count);
    }
}

// The wall feels no soil deeper than two increments below its tip: the first layer reaching
// past that depth ends there with its values interpolated, deeper layers are dropped. A last
// layer thinner than the curve-depth offset could not hold its curve depths (they would lie
// outside the profile), so it is dropped as well.
void cut_below_tip(PyProfile& p) {
    for (size_t k = 0; k < p.layers.size(); ++k) {
        PyLayer& layer = p.layers[k];
        if (layer.xbot <= p.cut) continue;
        const double length = layer.xbot - layer.xtop;
        const double f = length > 0.0 ? (p.cut - layer.xtop) / length : 0.0;
        for (Distribution* d : {&p.strength, &p.phi, &p.e50, &p.rqd}) {
            const double top = d->v[2 * k];
            d->v[2 * k + 1] = top + f * (d->v[2 * k + 1] - top);
            d->x[2 * k + 1] = p.cut;
        }
        layer.xbot = p.cut;
        truncate(p, k + 1);
        break;
    }
    while (!p.layers.empty() && p.layers.back().xbot - p.layers.back().xtop < p.offset) {
        truncate(p, p.layers.size() - 1);
    }
}

}  // namespace

PyProfile build_py_profile(const EngineState& s) {
    PyProfile p;
    p.unit_system = s.control.unit_system;
    p.free_height = s.config.free_height;
    p.offset = p.unit_system == 2 ? 0.01 : 0.1;
    p.cut = s.wall.ninc * s.wall.h + 2.0 * s.wall.h - p.free_height;
    const std::vector<TakenLayer> taken = take_layers(s, p.free_height);
    fill_gamma(p, taken, s.config.water_depth_backfill, water_unit_weight(p.unit_system));
    fill_strength(p, taken);
    cut_below_tip(p);
    return p;
}

std::optional<double> distribution_value(const Distribution& d, double x, BoundaryRule rule) {
    const size_t n = d.size();
    if (n == 0 || x > d.x[n - 1]) return std::nullopt;
    if (n == 1) return d.v[0];
    size_t i = 1;  // the first point at or below x
    while (i < n - 1 && x > d.x[i]) ++i;
    if (x == d.x[n - 1] || (x == d.x[i] && (i + 1 >= n || d.x[i + 1] != d.x[i]))) return d.v[i];
    if (x == d.x[i]) {
        const double upper = d.v[i], deeper = d.v[i + 1];
        if (rule == BoundaryRule::Deeper) return deeper < kNoValue ? upper : deeper;
        if (upper < kNoValue) return deeper;
        if (deeper < kNoValue) return upper;
        return 0.5 * (upper + deeper);
    }
    const double dx = d.x[i] - d.x[i - 1];
    if (dx == 0.0) return d.v[i];
    return d.v[i - 1] + (d.v[i] - d.v[i - 1]) * (x - d.x[i - 1]) / dx;
}

namespace {

// A lookup beyond the profile: the console hears the warning twice (as the operator's
// console always did), the report names the depth, and the run ends.
[[noreturn]] void stop_beyond(const EngineState& s, double x, const std::string& console_tail,
                              const std::string& curve) {
    const std::string value = fmt::Line().text("THE VALUE OF X =").d(x, 9, 1).text(console_tail);
    for (int twice = 0; twice < 2; ++twice) {
        s.message(fmt::Line().x(29).text("**** WARNING ****"));
        s.message(value);
        s.message("THE INPUT " + curve + " CURVE");
    }
    *s.report << "\n\n"
              << fmt::Line()
                     .text("     ERROR STOP -- DEPTH X =")
                     .f(x, 10, 2)
                     .text(s.units.length3)
                     .text(" IS BEYOND THE INPUT " + curve + " CURVE")
                     .str()
              << '\n';
    throw RunStop("p-y lookup beyond the soil profile: " + curve);
}

}  // namespace

double PyProfile::strength_at(double x, const EngineState& s) const {
    if (auto v = distribution_value(strength, x, BoundaryRule::Deeper)) return *v;
    stop_beyond(s, x, "IS BEYOND THE EXTENT OF", "STRENGTH");
}

double PyProfile::phi_at(double x, const EngineState& s) const {
    if (auto v = distribution_value(phi, x, BoundaryRule::Mean)) return *v;
    stop_beyond(s, x, " IS BEYOND THE EXTENT OF", "PHI");
}

double PyProfile::e50_at(double x) const {
    if (auto v = distribution_value(e50, x, BoundaryRule::Mean)) return *v;
    return e50.size() > 0 ? e50.v.back() : 0.0;
}

double PyProfile::rqd_at(double x) const {
    if (auto v = distribution_value(rqd, x, BoundaryRule::Mean)) return *v;
    return rqd.size() > 0 ? rqd.v.back() : 0.0;
}

// Mean effective unit weight of the soil between the top of the profile and x: the
// overburden of the excavation side at x divided by x.
double PyProfile::average_gamma(double x, const EngineState& s) const {
    const size_t n = gamma.size();
    if (n == 0 || x > gamma.x[n - 1]) stop_beyond(s, x, " IS BEYOND THE EXTENT OF", "UNIT WEIGHT");
    const double d = x - gamma.x[0];
    if (d < 1.0e-6) {
        for (double v : gamma.v) {
            if (v > 0.0) return v;
        }
        return gamma.v.back();
    }
    double sum = 0.0;
    for (size_t i = 1; i < n; ++i) {
        const double top = gamma.x[i - 1], bottom = gamma.x[i];
        if (bottom <= x) {
            sum += (bottom - top) / d * 0.5 * (gamma.v[i - 1] + gamma.v[i]);
        } else {
            if (top < x) {
                const double at_x =
                    gamma.v[i - 1] + (gamma.v[i] - gamma.v[i - 1]) * (x - top) / (bottom - top);
                sum += (x - top) / d * 0.5 * (gamma.v[i - 1] + at_x);
            }
            break;
        }
    }
    return sum;
}

// Mean strength of layer `layer` (from 1) between its top and x. Beyond the layer the
// straight line of the layer is extended, with a warning in the report.
double PyProfile::average_strength(double x, int layer, const EngineState& s) const {
    if (layers.empty() || x < layers.front().xtop) return 0.0;
    const size_t top = 2 * static_cast<size_t>(layer - 1);
    if (layer < 1 || top + 1 >= strength.size()) return 0.0;
    const double xt = strength.x[top], xb = strength.x[top + 1];
    if (std::fabs(x - xt) < kDepthTolerance) return strength_at(x, s);
    if (xb - xt == 0.0) return 0.0;
    if (x > xb) {
        *s.report << fmt::Line().x(29).text("**** WARNING ****").str() << '\n'
                  << fmt::Line()
                         .x(21)
                         .text("THE VALUE OF X =")
                         .e(x, 9, 2)
                         .text("IS BEYOND THE EXTENT OF THE")
                         .str()
                  << '\n'
                  << fmt::Line().x(21).text("INPUT CURVE FOR STRENGTH").str() << '\n';
    }
    const double vt = strength.v[top];
    const double at_x = vt + (strength.v[top + 1] - vt) * (x - xt) / (xb - xt);
    return 0.5 * (vt + at_x);
}

}  // namespace vornel::soil
