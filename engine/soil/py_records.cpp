#include "engine/soil/py_records.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/base/fixed_format.h"
#include "engine/base/run_stop.h"
#include "engine/soil/py_methods.h"
#include "engine/soil/py_multipliers.h"
#include "engine/soil/py_report.h"
#include "engine/soil/soil_constants.h"

namespace vornel::soil {

// Running sums of one layer on the excavation side.
struct PyRecordWriter::LayerSums {
    double first_x = 0.0, prev_x = 0.0;
    double prev_c = 0.0, c_integral = 0.0;  // strength integrated from the first curve depth
    double f = 0.0, prev_ult = 0.0;         // resistance integrated from the first curve depth
};

// What both sides of one curve record share.
struct PyRecordWriter::CurveContext {
    int layer = 1;
    double x = 0.0;  // curve depth below the excavation level
    const PyMethod* method = nullptr;
    CurveProperties pr;
    Multipliers mu;
    double shift = 0.0;
};

namespace {

void write_lines(const EngineState& s, const std::vector<std::string>& lines, bool to_console) {
    *s.report << "\n\n";
    for (const std::string& l : lines) {
        *s.report << l << '\n';
        if (to_console) s.message(l);
    }
}

[[noreturn]] void refuse(const EngineState& s, const std::string& line, const std::string& why) {
    write_lines(s, {line}, false);
    throw RunStop(why);
}

void write_tiny_warning(std::ostream& out, double modulus) {
    out << fmt::Line().x(29).text("**** WARNING ****").str() << '\n'
        << fmt::Line().x(21).text("DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM").str() << '\n'
        << fmt::Line().x(21).text("USED A SOIL MODULUS OF ").d(modulus, 12, 4).str() << '\n';
}

}  // namespace

std::array<double, kCurvesPerLayer> curve_depths(const PyLayer& layer, double offset) {
    const double t = layer.xbot - layer.xtop;
    return {layer.xtop + offset, layer.xtop + t / 4.0, layer.xtop + t / 2.0,
            layer.xtop + 3.0 * t / 4.0, layer.xbot - offset};
}

PyRecordWriter::PyRecordWriter(EngineState& s, const PyProfile& profile)
    : s_(s),
      profile_(profile),
      ratio_(continuous_wall_ratio(s.config.active_width, s.config.py_width)),
      resistance_(profile.layers.size() + 1, 0.0),
      xeq_(profile.layers.size() + 1, 0.0) {}

CurveProperties PyRecordWriter::properties(int layer, int index, double x, LayerSums& sums) const {
    const PyLayer& l = profile_.layers[static_cast<size_t>(layer - 1)];
    CurveProperties pr;
    pr.layer = layer;
    pr.b = s_.config.py_width;
    pr.strength = profile_.strength_at(x, s_);
    pr.phi = profile_.phi_at(x, s_);
    pr.e50 = profile_.e50_at(x);
    pr.rqd = profile_.rqd_at(x);
    pr.gamma = profile_.average_gamma(x, s_);
    pr.k = l.k;
    switch (py_method(l.type).type) {
        case 2:  // below the first layer: the running mean of c over the curve depths
            if (layer == 1) {
                pr.ca = profile_.average_strength(x, layer, s_);
            } else if (index == 0) {
                sums.first_x = x;
                pr.ca = pr.strength;
            } else {
                sums.c_integral += (x - sums.prev_x) * 0.5 * (pr.strength + sums.prev_c);
                const double run = x - sums.first_x;
                pr.ca = run > 0.0 ? sums.c_integral / run : pr.strength;
            }
            sums.prev_c = pr.strength;
            break;
        case 3:
            pr.ca = profile_.average_strength(x, layer, s_);
            break;
        case 7:
            pr.strength_top = profile_.strength_at(l.xtop, s_);
            pr.ca = layer == 1 ? profile_.average_strength(x, layer, s_)
                               : 0.5 * (pr.strength_top + pr.strength);
            break;
        default:
            break;
    }
    return pr;
}

// Soil data that the methods cannot use end the run here, before anything of the record
// is printed: a friction angle of zero makes the sand wedge vanish (and with it the
// parabola's exponent), a cohesion of zero leaves the silt's bearing factor undefined.
void PyRecordWriter::check(int layer, int index, const CurveProperties& pr) const {
    const int type = py_method(profile_.layers[static_cast<size_t>(layer - 1)].type).type;
    const std::string name = fmt::Line().text("     ERROR STOP -- P-Y LAYER").i(layer, 3);
    if (type == 4 && pr.phi < 1.0e-5) {
        refuse(s_,
               name + fmt::Line()
                          .text(" (SAND) HAS A FRICTION ANGLE OF")
                          .f(pr.phi * 180.0 / kPiShort, 7, 2)
                          .text(" DEGREES")
                          .str(),
               "sand layer with a friction angle of zero");
    }
    if (type == 5 && 1.0 - std::cos(pr.phi) * std::cos(pr.phi) < 1.0e-10) {
        write_lines(s_,
                    {"       WARNING-------The Angle of the slope can not",
                     "                     be greater than the internal  ",
                     "                     friction angle of the sand.   "},
                    true);
        throw RunStop("silt layer with a friction angle of zero");
    }
    if (type == 5 && pr.strength < 1.0e-10) {
        refuse(s_,
               name + fmt::Line()
                          .text(" (SILT) HAS A COHESION OF")
                          .e(pr.strength, 10, 3)
                          .text(unit_stress(s_.units))
                          .str(),
               "silt layer with a cohesion of zero");
    }
    if (type == 7 && index > 0 && pr.strength < 1.0e-10) {
        write_lines(s_,
                    {"       --------------------WARNING----------------------",
                     "       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT",
                     "       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN."},
                    true);
        throw RunStop("weak rock with a strength of zero");
    }
}

void PyRecordWriter::write_layer(int layer) {
    const PyLayer& l = profile_.layers[static_cast<size_t>(layer - 1)];
    const PyMethod& m = py_method(l.type);
    const double h = profile_.free_height, top1 = profile_.layers.front().xtop;
    const bool integrates = m.equivalent_depth != nullptr;
    const auto depths = curve_depths(l, profile_.offset);
    LayerSums sums;
    for (int i = 0; i < kCurvesPerLayer; ++i) {
        CurveContext cc;
        cc.layer = layer;
        cc.x = depths[static_cast<size_t>(i)];
        cc.method = &m;
        cc.pr = properties(layer, i, cc.x, sums);
        check(layer, i, cc.pr);
        if (i == 0 && layer > 1 && integrates) {
            double above = 0.0;
            for (int j = 1; j < layer; ++j) above += resistance_[static_cast<size_t>(j)];
            xeq_[static_cast<size_t>(layer)] = m.equivalent_depth(cc.pr, cc.x - top1, above);
        }
        cc.mu = py_multipliers(s_.py_mods, s_.config.active_width, s_.config.py_width, h, h + cc.x);
        cc.shift = m.shift ? m.shift(cc.pr, s_.sigma_v_excavation) : 0.0;
        CurveRecord record;
        record.depth = h + cc.x;
        record.layout = m.layout;
        s_.handover.curves.push_back(record);
        const double ult = write_side(cc, Side::Excavation);
        write_side(cc, Side::Backfill);
        if (i > 0) sums.f += (cc.x - sums.prev_x) * 0.5 * (ult + sums.prev_ult);
        sums.prev_x = cc.x;
        sums.prev_ult = ult;
    }
    if (m.integral_tail) sums.f += (l.xbot - sums.prev_x) * sums.prev_ult;
    resistance_[static_cast<size_t>(layer)] = integrates ? sums.f : 0.0;
}

double PyRecordWriter::write_side(const CurveContext& cc, Side side) {
    const PyMethod& m = *cc.method;
    const bool excavation = side == Side::Excavation;
    const double h = profile_.free_height, top1 = profile_.layers.front().xtop;
    const double layer_top = profile_.layers[static_cast<size_t>(cc.layer - 1)].xtop;
    SideDepths d;
    d.side = side;
    d.xs = excavation ? cc.x : h + cc.x;
    d.x0 = d.xs - top1;
    d.x = cc.layer == 1 ? d.x0 : d.xs - layer_top + xeq_[static_cast<size_t>(cc.layer)];
    d.layer_top = layer_top;
    d.continuous = ratio_ < kContinuousWallRatio;
    d.mp = cc.mu.p;
    const SideCurve c = m.curve(cc.pr, d);

    // The retained soil already pushes on the wall with Ps at the excavation level: the
    // excavation side starts from -Ps, the backfill side from +Ps.
    const double shift = excavation ? -cc.shift : cc.shift;
    std::array<double, kSidePoints> y{}, p{};
    for (int j = 0; j < kSidePoints; ++j) {
        y[j] = cc.mu.y * c.y[j];
        p[j] = (m.applies_mp ? c.p[j] : cc.mu.p * c.p[j]) + shift;
        if (!std::isfinite(y[j]) || !std::isfinite(p[j])) {
            refuse(s_,
                   fmt::Line()
                       .text("     ERROR STOP -- THE P-Y CURVE OF LAYER")
                       .i(cc.layer, 3)
                       .text(" AT X =")
                       .f(cc.x, 10, 2)
                       .text(s_.units.length3)
                       .text(" HAS A VALUE THAT IS NOT FINITE"),
                   "p-y curve value not finite");
        }
    }

    std::ostream& out = s_.out();
    if (m.side_headings) {
        out << "\n\n"
            << fmt::Line()
                   .x(9)
                   .text(excavation ? "AT THE EXCAVATION SIDE" : "AT THE BACKFILL SIDE")
                   .str()
            << "\n\n";
    }
    m.table(out, s_.units, cc.pr, d, c);
    // The point lines go out together, interrupted only by a warning.
    std::string lines;
    lines.reserve(kSidePoints * 62);
    for (int j = 0; j < kSidePoints; ++j) {
        if (c.tiny[j]) {
            out << lines;
            lines.clear();
            write_tiny_warning(out, c.tiny_modulus);
        }
        append_point_line(lines, m.field, y[j], p[j]);
    }
    out << lines;
    CurveRecord& record = s_.handover.curves.back();
    const std::size_t first = excavation ? 0 : kSidePoints;
    std::copy(p.begin(), p.end(), record.p.begin() + static_cast<std::ptrdiff_t>(first));
    std::copy(y.begin(), y.end(), record.y.begin() + static_cast<std::ptrdiff_t>(first));
    ++record.sides;
    out << fmt::Line()
               .text(" P-Multiplier = ")
               .e(cc.mu.p, 10, 3)
               .text(" Y-Multiplier = ")
               .e(cc.mu.y, 10, 3)
               .str()
        << '\n';
    return c.integrand;
}

}  // namespace vornel::soil
