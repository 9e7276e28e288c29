#include "engine/soil/layer_table.h"

#include <array>
#include <cmath>
#include <ostream>
#include <utility>

#include "engine/base/fixed_format.h"
#include "engine/base/unit_labels.h"
#include "engine/soil/soil_report.h"

namespace vornel::soil {
namespace {

bool same_depth(double a, double b) {
    return std::abs(a - b) < kDepthTolerance;
}

// The distinct depths at which the layers must be cut, in increasing depth: the excavation
// level and the backfill water table (one depth when they coincide). Depths at or above the
// surface cut nothing (a water table at or above the ground merely makes every sub-layer wet).
std::vector<double> break_depths(double free_height, double water_depth) {
    std::array<double, 3> z{free_height, water_depth, free_height};
    if (z[0] > z[1]) std::swap(z[0], z[1]);
    if (z[0] > z[2]) std::swap(z[0], z[2]);
    if (z[1] > z[2]) std::swap(z[1], z[2]);
    std::vector<double> out{z[0]};
    if (!same_depth(z[0], z[1])) out.push_back(z[1]);
    if (!same_depth(z[1], z[2])) out.push_back(z[2]);
    std::vector<double> below;
    for (double d : out) {
        if (d >= kDepthTolerance) below.push_back(d);
    }
    return below;
}

SubLayer from_input(const SoilLayerInput& in, double ztop, double factor) {
    SubLayer sl;
    sl.thickness = in.thickness;
    sl.gamma = in.top[0];
    sl.cohesion = in.top[1];
    sl.phi = in.top[2];
    sl.drained = in.type >= 4;
    sl.ztop = ztop;
    sl.factor = factor;
    return sl;
}

// Number (from 1) of the last sub-layer whose top lies within the tolerance of `depth`.
int sub_layer_at(const LayerTable& t, double depth) {
    int found = 0;
    for (int i = 0; i < t.count(); ++i) {
        if (std::abs(t.rows[static_cast<size_t>(i)].ztop - depth) <= kDepthTolerance) found = i + 1;
    }
    return found;
}

}  // namespace

LayerTable subdivide_layers(const std::vector<SoilLayerInput>& layers, double free_height,
                            double water_depth, double active_factor) {
    LayerTable t;
    std::vector<double> breaks = break_depths(free_height, water_depth);
    size_t k = 0;
    double ztop = 0.0;
    for (const SoilLayerInput& in : layers) {
        if (in.thickness <= 0.0) break;
        if (t.count() == kMaxSubLayers) {
            t.overflow = true;
            break;
        }
        const double zb = ztop + in.thickness;
        t.rows.push_back(from_input(in, ztop, active_factor));
        // Cut the layer at every break depth that lies inside it; a break within the
        // tolerance of the layer's bottom is taken as that bottom.
        while (k < breaks.size() && !t.overflow) {
            if (same_depth(zb, breaks[k])) {
                breaks[k] = zb;
                ++k;
            } else if (breaks[k] > zb) {
                break;
            } else if (t.count() == kMaxSubLayers) {
                t.overflow = true;
            } else {
                SubLayer lower = t.rows.back();
                t.rows.back().thickness = breaks[k] - t.rows.back().ztop;
                lower.ztop = breaks[k];
                lower.thickness = zb - breaks[k];
                t.rows.push_back(lower);
                ++k;
            }
        }
        if (t.overflow) break;
        ztop = zb;
    }
    if (!t.rows.empty()) t.bottom = t.rows.back().ztop + t.rows.back().thickness;
    t.lexc = sub_layer_at(t, free_height);
    t.lwtb = sub_layer_at(t, water_depth);
    return t;
}

namespace {

void value_line(std::ostream& out, const char* label, double v, const std::string& unit) {
    out << fmt::Line().x(6).text(label).e(v, 10, 3).text(unit).str() << '\n';
}

}  // namespace

void write_wall_section(EngineState& s) {
    std::ostream& out = s.out();
    const WallConfig& c = s.config;
    const std::string len = units::length(s.units);
    write_framed_heading(s, "WALL INFORMATION");
    value_line(out, "FREE HEIGHT OF WALL                    = ", c.free_height, len);
    value_line(out, "WIDTH FOR EARTH PRESSURE, WA           = ", c.active_width, len);
    value_line(out, "WIDTH FOR SOIL RESISTANCE, WP          = ", c.py_width, len);
    value_line(out, "DEPTH TO THE WATER TABLE AT BACKFILL   = ", c.water_depth_backfill, len);
    value_line(out, "DEPTH TO THE WATER TABLE AT EXCAVATION = ", c.water_depth_excavation, len);
    value_line(out, "UNIT WEIGHT OF WATER                   = ", s.gamma_water,
               unit_weight(s.units));
    value_line(out, "SLOPE OF THE BACKFILL (deg.)           = ", c.backfill_slope, "");
    value_line(out, "MODIFICATION FOR ACTIVE EARTH PRESSURE = ", c.active_factor, "");
    out << '\n';
}

void write_surcharge_section(EngineState& s) {
    std::ostream& out = s.out();
    const UnitLabels& u = s.units;
    write_framed_heading(s, "SURCHARGE INFORMATION");
    value_line(out, "UNIFORM SURFACE PRESSURE     =", s.surface.surface_load, unit_stress(u));
    int number = 0;
    for (const SurchargeRow& row : s.surcharges) {
        out << '\n'
            << fmt::Line().x(6).text("SURCHARGE LOADING NO.        = ").i(++number, 10).str()
            << '\n';
        if (row.type == 3) {
            value_line(out, "STRIP LOAD                   = ", row.magnitude, unit_stress(u));
            value_line(out, "WIDTH OF THE STRIP LOAD      = ", row.width, units::length(u));
            value_line(out, "HORIZONTAL DISTANCE BETWEEN  = ", row.x, units::length(u));
            out << fmt::Line().x(6).text("WALL AND MIDDLE OF STRIP WIDTH").str() << '\n';
            continue;
        }
        if (row.type == 2) {
            value_line(out, "LINE LOAD                    = ", row.magnitude,
                       units::force_per_length(u));
        } else {  // any other type acts as a point load
            value_line(out, "POINT LOAD                   = ", row.magnitude, units::force(u));
        }
        value_line(out, "HORIZONTAL DISTANCE BETWEEN  = ", row.x, units::length(u));
        out << fmt::Line().x(6).text("THE WALL AND SURCHARGE").str() << '\n';
    }
}

void write_soil_section(EngineState& s, const LayerTable& t) {
    std::ostream& out = s.out();
    write_framed_heading(s, "SOIL INFORMATION");
    const int system = s.control.unit_system;
    if (system == 1 || system == 2) {
        out << "              TOTAL                 TOTAL UNIT\n"
            << "      LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP\n";
        if (system == 1) {
            out << "       NO.       IN        PSI   DEG      PCI  T OR F      IN\n";
        } else {
            out << "       NO.        M        kPa   DEG   kN/M^3  T OR F       M\n";
        }
    }
    for (int i = 0; i < t.count(); ++i) {
        const SubLayer& l = t.rows[static_cast<size_t>(i)];
        out << fmt::Line()
                   .x(7)
                   .i(i + 1, 3)
                   .f(l.thickness, 9, 1)
                   .f(l.cohesion, 11, 1)
                   .f(l.phi, 6, 1)
                   .f(l.gamma, 9, 3)
                   .x(5)
                   .l(l.drained, 1)
                   .f(l.ztop, 10, 2)
                   .str()
            << '\n';
    }
}

}  // namespace vornel::soil
