#include "engine/soil/rock_py_curves.h"

#include <algorithm>
#include <cmath>

#include "engine/base/fixed_format.h"
#include "engine/soil/py_report.h"

namespace vornel::soil {

SideCurve strong_rock_curve(const CurveProperties& pr, const SideDepths& d) {
    const double b = pr.b;
    const double su = pr.strength / 2.0;
    const double k1 = 2000.0 * su;
    const double y1 = 0.0004 * b;
    const double p1 = k1 * y1;
    const double pu = su * b;
    const double y2 = y1 + (pu - p1) / (100.0 * su);
    SideCurve curve;
    curve.table.su = su;
    for (int j = 0; j < kSidePoints; ++j) {
        const double y = j == 15 ? y2 : j * y2 / 15.0;  // point 16 exactly at y2
        curve.y[j] = y;
        if (y < y1) {
            curve.p[j] = d.mp * k1 * y;
        } else if (y < y2) {
            curve.p[j] = d.mp * (p1 + 100.0 * su * (y - y1));
        } else {
            curve.p[j] = 0.5 * pr.gamma * b * d.x0;
        }
    }
    return curve;
}

double weak_rock_alpha(double rqd) {
    return 1.0 - rqd / 150.0;
}

SideCurve weak_rock_curve(const CurveProperties& pr, const SideDepths& d) {
    static constexpr double kFractions[kSidePoints] = {0.0005, 0.001, 0.003, 0.006, 0.009, 0.02,
                                                       0.04,   0.06,  0.08,  0.1,   0.25,  0.5,
                                                       0.75,   1.0,   4.0,   8.0,   12.0};
    const double b = pr.b, em = pr.k;
    const double alpha = weak_rock_alpha(pr.rqd);
    const double xr = d.xs - d.layer_top + 1.0e-8;  // below the top of the rock on this side
    double pur, kir;
    if (xr <= 3.0 * b) {
        pur = alpha * pr.ca * (b + 1.4 * xr);
        kir = em * (100.0 + 400.0 * xr / (3.0 * b));
    } else {
        pur = 5.2 * alpha * pr.ca * b;
        kir = 500.0 * em;
    }
    const double yrm = pr.e50 * b;
    const double ya = std::pow(0.5 * pur / (std::pow(yrm, 0.25) * kir), 1.0 / 0.75);
    SideCurve curve;
    for (int j = 0; j < kSidePoints; ++j) {
        const double y = kFractions[j] * yrm;
        curve.y[j] = y;
        curve.p[j] = y < ya ? kir * y : std::min(0.5 * pur * std::pow(y / yrm, 0.25), pur);
    }
    return curve;
}

void write_strong_rock_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                             const SideDepths& d, const SideCurve& c) {
    const char* title =
        d.side == Side::Excavation ? "DEPTH-EXCAVATION SIDE" : "DEPTH-BACKFILL SIDE  ";
    out << '\n' << fmt::Line().x(17).text(title).a("DIAM", 10).a("C", 10).str() << '\n';
    out << fmt::Line()
               .x(28)
               .a(units::length(u), 10)
               .a(units::length(u), 10)
               .a(unit_stress(u), 10)
               .str()
        << '\n';
    out << fmt::Line().x(28).f(d.x0, 10, 2).f(pr.b, 10, 3).e(c.table.su, 10, 1).str() << "\n\n";
    write_point_heads(out, u, false);
}

void write_weak_rock_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                           const SideDepths& d, const SideCurve&) {
    const std::string values = fmt::Line()
                                   .x(5)
                                   .f(d.xs, 10, 2)
                                   .f(pr.b, 10, 3)
                                   .e(pr.strength, 10, 2)
                                   .e(pr.k, 10, 2)
                                   .e(pr.gamma, 10, 2)
                                   .e(pr.e50, 12, 3);
    write_property_table(out, 0,
                         {{"DEPTH", units::length(u), 15},
                          {"DIAM", units::length(u), 10},
                          {"Qu", unit_stress(u), 10},
                          {" Eu ", unit_stress(u), 10},
                          {"GAMMA AVG", unit_weight(u), 10},
                          {"E50", "", 12}},
                         values);
    write_point_heads(out, u, false);
}

}  // namespace vornel::soil
