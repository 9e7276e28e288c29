#include "engine/soil/sand_silt_py_curves.h"

#include <algorithm>
#include <cmath>

#include "engine/base/fixed_format.h"
#include "engine/soil/py_report.h"
#include "engine/soil/soil_constants.h"

namespace vornel::soil {
namespace {

constexpr double kPiExact = 3.14159265358979323846;
constexpr double kAtRestCoefficient = 0.4;       // K0
constexpr double kSiltWallFriction = 0.1745333;  // 10 degrees

// A table of values at the depth ratios 0, 0.5, .. 3, 4, 5, 6; the last value beyond.
double table_value(const double (&values)[10], double ratio) {
    static constexpr double kRatios[10] = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
    if (ratio <= 0.0) return values[0];
    for (int i = 1; i < 10; ++i) {
        if (ratio <= kRatios[i]) {
            const double f = (ratio - kRatios[i - 1]) / (kRatios[i] - kRatios[i - 1]);
            return values[i - 1] + f * (values[i] - values[i - 1]);
        }
    }
    return values[9];
}

struct WedgeAngles {
    double alpha, beta, ka, kp;
};

WedgeAngles wedge_angles(double phi, double pi) {
    const double ka = std::tan(pi / 4.0 - phi / 2.0);
    const double kp = std::tan(pi / 4.0 + phi / 2.0);
    return {phi / 2.0, pi / 4.0 + phi / 2.0, ka * ka, kp * kp};
}

// pst = b^2 gamma ((x/b) q1 + (x/b)^2 q2) and psd = b gamma x q3: the wedge in closed form,
// used to integrate the resistance over depth.
struct WedgeTerms {
    double q1, q2, q3;
};

WedgeTerms wedge_terms(double phi, double pi) {
    const WedgeAngles w = wedge_angles(phi, pi);
    const double tb = std::tan(w.beta), tp = std::tan(phi), ta = std::tan(w.alpha);
    const double k0 = kAtRestCoefficient;
    return {w.kp - w.ka,
            tb * (k0 * (tp * std::sin(w.beta) * (1.0 / std::cos(w.alpha) + 1.0) - ta) + w.kp * ta),
            (k0 * tp + w.kp) * w.kp * w.kp - w.ka};
}

// The parabola and straight line of the curve. The initial line k x y bounds everything;
// where it stays below the parabola up to ym it carries on until it meets the later parts.
struct SandShape {
    double kx, yk, c, n, pm, m, ym, yu, pu;
    double at(double y) const {
        double p;
        if (y <= ym) {
            p = y <= yk ? kx * y : c * std::pow(y, 1.0 / n);
        } else if (y <= yu) {
            p = pm + m * (y - ym);
        } else {
            p = pu;
        }
        return std::min(p, kx * y);
    }
};

// Fills m, n, C and yk of a curve through (ym, pm) and (yu, pu).
void fit_parabola(SandShape& s, double x, double b, double m_for_n) {
    s.m = (s.pu - s.pm) / (s.yu - s.ym);
    s.n = s.pm / (m_for_n * s.ym);
    s.c = s.pm / std::pow(s.ym, 1.0 / s.n);
    s.yk = x <= 0.0 ? 2.0 * b : std::pow(s.c / s.kx, s.n / (s.n - 1.0));
}

void fill_deflections(SideCurve& curve, double ym, double yu, double step_beyond) {
    for (int j = 0; j <= 12; ++j) curve.y[j] = j * ym / 12.0;
    curve.y[13] = yu;
    for (int j = 14; j <= 16; ++j) curve.y[j] = yu + (j - 13) * step_beyond;
}

// Resistance integrated over depth by steps of xt / steps, for layers below other soil.
template <class Extra>
double wedge_equivalent_depth(const CurveProperties& pr, double x0, double above, double pi,
                              int steps, double tail_extra, Extra extra) {
    const double b = pr.b, g = pr.gamma;
    const WedgeTerms q = wedge_terms(pr.phi, pi);
    const double xt = b * (q.q3 - q.q1) / q.q2;  // where pst reaches psd
    const double dx = xt / steps;
    double f = 0.0, f_prev = 0.0;
    for (int i = 1; i <= steps; ++i) {
        const double xi = i * dx, r = xi / b;
        f_prev = f;
        f += extra(xi) * dx + b * b * g * (r * r * q.q2 + r * q.q1) * sand_factor_a(r) * dx;
        if (f > above) return xi - (f - above) * dx / (f - f_prev);
    }
    return xt + (above - f) / (tail_extra + 0.88 * b * b * g * q.q3 * x0 / b);
}

}  // namespace

double sand_factor_a(double ratio) {
    static constexpr double kA[10] = {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88};
    return table_value(kA, ratio);
}

double sand_factor_b(double ratio) {
    static constexpr double kB[10] = {2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.50, 0.50};
    return table_value(kB, ratio);
}

double coulomb_passive(double phi, double delta) {
    const double cp = std::cos(phi);
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
    return cp * cp / (std::cos(delta) * (1.0 - root) * (1.0 - root));
}

SandWedge sand_wedge(double phi, double gamma, double b, double x, double pi) {
    const WedgeAngles w = wedge_angles(phi, pi);
    const double k0 = kAtRestCoefficient;
    const double tb = std::tan(w.beta), tp = std::tan(phi), ta = std::tan(w.alpha);
    const double tbf = std::tan(w.beta - phi), sb = std::sin(w.beta);
    SandWedge r;
    r.pst = gamma * x *
            (k0 * x * tp * sb / (tbf * std::cos(w.alpha)) + tb / tbf * (b + x * tb * ta) +
             k0 * x * tb * (tp * sb - ta) - w.ka * b);
    r.psd =
        w.ka * b * gamma * x * (std::pow(tb, 8) - 1.0) + k0 * b * gamma * x * tp * std::pow(tb, 4);
    return r;
}

SideCurve sand_curve(const CurveProperties& pr, const SideDepths& d) {
    const double b = pr.b;
    const SandWedge w = sand_wedge(pr.phi, pr.gamma, b, d.x, kPiShort);
    const double ps = d.continuous ? b * coulomb_passive(pr.phi, pr.phi / 2.0) * pr.gamma * d.x0
                                   : std::min(w.pst, w.psd);
    const double a = sand_factor_a(d.x0 / b), bf = sand_factor_b(d.x0 / b);
    SandShape s{};
    s.kx = pr.k * d.x;
    s.pu = a * ps;
    s.pm = bf * ps;
    s.ym = b / 60.0;
    s.yu = 3.0 * b / 80.0;
    fit_parabola(s, d.x, b, (s.pu - s.pm) / (s.yu - s.ym));
    SideCurve curve;
    curve.integrand = s.pu;
    curve.table = {a, bf, w.pst, w.psd, 0.0, 0.0, 0.0};
    fill_deflections(curve, s.ym, s.yu, b);
    for (int j = 0; j < kSidePoints; ++j) {
        const double y = curve.y[j];
        curve.p[j] = y < kTinyDeflection ? s.kx * y : s.at(y);
    }
    return curve;
}

SideCurve silt_curve(const CurveProperties& pr, const SideDepths& d) {
    const double b = pr.b, c = pr.strength, x = d.x;
    const SandWedge w = sand_wedge(pr.phi, pr.gamma, b, x, kPiExact);
    const double ps = d.continuous
                          ? b * coulomb_passive(pr.phi, kSiltWallFriction) * pr.gamma * d.x0
                          : std::min(w.pst, w.psd);
    const double a = sand_factor_a(x / b), bf = sand_factor_b(x / b);
    double pc;
    if (d.continuous) {
        pc = pr.gamma * d.x0 * b + 2.0 * c * b;
    } else {
        const double np = 3.0 + pr.gamma * x / c + 0.5 * x / b;
        pc = np >= 9.0 ? 9.0 * c * b : np * c * b;
    }
    SandShape s{};
    s.kx = pr.k * x;
    s.pu = a * ps;
    s.pm = 1.5 * ps + pc;  // the cohesion part raises pm but not pu
    s.ym = b / 60.0;
    s.yu = 3.0 * b / 80.0;
    fit_parabola(s, x, b, std::fabs((s.pu - s.pm) / (s.yu - s.ym)));
    SideCurve curve;
    curve.integrand = s.pu;
    curve.table = {a, bf, w.pst, w.psd, pc, ps, 0.0};
    fill_deflections(curve, s.ym, s.yu, b / 2.0);
    // Where the initial line meets the straight part (form 2) or pu directly (form 3).
    const double yi = (s.pm - s.m * s.ym) / (s.kx - s.m);
    const double yc = s.pu / s.kx;
    int form = 1;
    if (!(s.yk >= 0.0 && s.yk < s.ym)) {
        if (yi >= s.ym && yi < s.yu) {
            form = 2;
        } else if (yc >= s.yu) {
            form = 3;
        }
    }
    for (int j = 0; j < kSidePoints; ++j) {
        const double y = curve.y[j];
        double p;
        if (form == 1) {
            p = s.at(y);
        } else if (form == 2) {
            p = y <= yi ? s.kx * y : (y <= s.yu ? (y - yi) * s.m + yi * s.kx : s.pu);
        } else {
            p = y <= yc ? s.kx * y : s.pu;
        }
        curve.p[j] = std::min(p, s.kx * y);
    }
    return curve;
}

double sand_equivalent_depth(const CurveProperties& pr, double x0, double above) {
    return wedge_equivalent_depth(pr, x0, above, kPiShort, 100, 0.0, [](double) { return 0.0; });
}

double silt_equivalent_depth(const CurveProperties& pr, double x0, double above) {
    const double c = pr.strength, b = pr.b, g = pr.gamma;
    return wedge_equivalent_depth(pr, x0, above, kPiExact, 50, 9.0 * c * b, [&](double xi) {
        return 0.5 * xi * c + 3.0 * c * b + xi * g * b;
    });
}

double sand_shift(const CurveProperties& pr, double sigma_v_excavation) {
    const double ps = sigma_v_excavation * wedge_angles(pr.phi, kPiShort).ka * pr.b;
    return ps < 1.0e-5 ? 0.0 : ps;
}

double silt_shift(const CurveProperties& pr, double sigma_v_excavation) {
    const double ka = wedge_angles(pr.phi, kPiExact).ka;
    const double ps = pr.b * (sigma_v_excavation * ka - 2.0 * pr.strength * std::sqrt(ka));
    return ps < 1.0e-5 ? 0.0 : ps;
}

void write_sand_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                      const SideDepths& d, const SideCurve& c) {
    const std::string values = fmt::Line()
                                   .x(5)
                                   .f(d.x0, 10, 2)
                                   .f(pr.b, 7, 2)
                                   .f(pr.phi * 180.0 / kPiShort, 7, 2)
                                   .e(pr.gamma, 9, 2)
                                   .f(c.table.a, 5, 2)
                                   .f(c.table.b, 5, 2)
                                   .e(c.table.pst, 9, 2)
                                   .e(c.table.psd, 9, 2);
    write_property_table(out, 0,
                         {{"DEPTH BELOW GS", units::length(u), 15},
                          {"DIAM", units::length(u), 7},
                          {"PHI", "DEG", 7},
                          {"GAMMA AVG", unit_weight(u), 9},
                          {"A", "", 5},
                          {"B", "", 5},
                          {"PCT", units::force_per_length(u), 9},
                          {"PCD", units::force_per_length(u), 9}},
                         values);
    write_point_heads(out, u, false);
}

void write_silt_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                      const SideDepths& d, const SideCurve& c) {
    const std::string values = fmt::Line()
                                   .x(5)
                                   .f(d.x0, 10, 2)
                                   .f(pr.b, 10, 2)
                                   .f(pr.phi * 180.0 / kPiShort, 10, 1)
                                   .e(pr.gamma, 10, 3)
                                   .f(c.table.a, 10, 2)
                                   .f(c.table.b, 10, 2)
                                   .e(c.table.pc, 10, 3)
                                   .e(c.table.ps, 10, 3);
    // The last head is "Pu" and the Greek phi of the old console code page (code 237).
    write_property_table(out, 0,
                         {{"DEPTH", units::length(u), 15},
                          {"DIAM", units::length(u), 10},
                          {"PHI", "DEG", 10},
                          {"GAMMA AVG", unit_weight(u), 10},
                          {"A", "", 10},
                          {"B", "", 10},
                          {"Puc", units::force_per_length(u), 10},
                          {"Pu\xED", units::force_per_length(u), 10}},
                         values);
    write_point_heads(out, u, false);
}

}  // namespace vornel::soil
