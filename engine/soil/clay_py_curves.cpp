#include "engine/soil/clay_py_curves.h"

#include <algorithm>
#include <cmath>

#include "engine/base/fixed_format.h"
#include "engine/soil/py_report.h"

namespace vornel::soil {
namespace {

// Resistance of a continuous wall: passive pressure of a cohesive soil over the width.
double continuous_clay(const CurveProperties& pr, const SideDepths& d) {
    return pr.gamma * d.x0 * pr.b + 2.0 * pr.strength * pr.b;
}

// Positive root of (c/4 + gamma b/2) x^2 + 3 c b x - above = 0: the depth at which the
// integral of Np c b (Np = 3 + gamma x / c + 0.5 x / b) reaches `above`.
double wedge_root(double c, double b, double gamma, double above) {
    const double a = c / 4.0 + gamma * b / 2.0;
    const double lin = 3.0 * c * b;
    return (-lin + std::sqrt(lin * lin + 4.0 * a * above)) / (2.0 * a);
}

// Integral of Np c b from the surface to x.
double wedge_integral(double c, double b, double gamma, double x) {
    return c * x * x / 4.0 + 3.0 * c * b * x + b * gamma * x * x / 2.0;
}

// Layout of a clay property table.
struct ClayTable {
    bool with_cavg;  // the average strength has its own column
    int decimals;    // of the D fields of strength and unit weight
    int gap;         // blanks before each of those fields
    bool comma;      // the point heads read "Y," and "P,"
};

// Depth, width, strength (and average strength), average unit weight, E50; then the heads
// of the points.
void write_clay_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                      const SideDepths& d, const ClayTable& t) {
    const int width = 10 + t.gap;
    std::vector<ColumnHead> heads{{"DEPTH BELOW GS", units::length(u), 15},
                                  {"DIAM", units::length(u), 10},
                                  {"C", unit_stress(u), width}};
    fmt::Line values;
    values.x(5).f(d.x0, 10, 2).f(pr.b, 10, 3).x(t.gap).d(pr.strength, 10, t.decimals);
    if (t.with_cavg) {
        heads.push_back({"CAVG", unit_stress(u), width});
        values.x(t.gap).d(pr.ca, 10, t.decimals);
    }
    heads.push_back({"GAMMA AVG", unit_weight(u), width});
    heads.push_back({"E50", "", 12});
    values.x(t.gap).d(pr.gamma, 10, t.decimals).d(pr.e50, 12, 4);
    write_property_table(out, 0, heads, values);
    write_point_heads(out, u, t.comma);
}

}  // namespace

SideCurve soft_clay_curve(const CurveProperties& pr, const SideDepths& d) {
    const double c = pr.strength, b = pr.b;
    double pu;
    if (d.continuous) {
        pu = continuous_clay(pr, d);
    } else {
        const double np = 3.0 + pr.gamma * d.x / c + 0.5 * d.x / b;
        pu = np > 9.0 ? 9.0 * c * b : np * c * b;
    }
    const double y50 = 2.5 * pr.e50 * b;
    SideCurve curve;
    curve.integrand = pu;
    curve.y[0] = 0.0;
    curve.y[1] = 0.008 * y50;
    for (int j = 2; j <= 13; ++j) curve.y[j] = (j - 1) * y50 / 4.0;
    curve.y[14] = 8.0 * y50;
    curve.y[15] = 15.0 * y50;
    curve.y[16] = 20.0 * y50;
    // Near the origin the cube-root law has an infinite slope; a secant modulus taken at
    // the smallest deflection stands in for it.
    curve.tiny_modulus = 0.5 * pu * std::pow(y50 / kTinyDeflection, 0.6666667) / y50;
    for (int j = 0; j < kSidePoints; ++j) {
        const double y = curve.y[j];
        if (y < kTinyDeflection) {
            curve.p[j] = curve.tiny_modulus * y;
            curve.tiny[j] = j >= 1;
        } else if (y <= 8.0 * y50) {
            curve.p[j] = 0.5 * pu * std::pow(y / y50, 0.3333333);
        } else {
            curve.p[j] = pu;
        }
    }
    return curve;
}

double stiff_clay_as(double ratio) {
    static constexpr double kAs[] = {0.223, 0.46, 0.55, 0.59, 0.60, 0.60};
    if (ratio <= 0.0) return kAs[0];
    if (ratio >= 5.0) return kAs[5];
    const int i = static_cast<int>(ratio);
    return kAs[i] + (kAs[i + 1] - kAs[i]) * (ratio - i);
}

double stiff_clay_residual(double as) {
    return 1.225 * std::sqrt(as) - 0.75 * as - 0.411;
}

SideCurve stiff_clay_water_curve(const CurveProperties& pr, const SideDepths& d) {
    const double c = pr.strength, ca = pr.ca, b = pr.b, x = d.x;
    const double as = stiff_clay_as(d.x0 / b);
    double pc;
    if (d.continuous) {
        pc = continuous_clay(pr, d);
    } else {
        const double pt = 2.0 * ca * b + pr.gamma * b * x + 2.83 * ca * x;
        pc = std::min(pt, 11.0 * c * b);
    }
    const double y50 = pr.e50 * b;
    const double kx = pr.k * x;
    const double ay = as * y50;
    SideCurve curve;
    curve.integrand = pc * stiff_clay_residual(as);
    for (int j = 0; j <= 12; ++j) curve.y[j] = 0.5 * j * ay;
    for (int j = 13; j <= 15; ++j) curve.y[j] = (10.0 + 4.0 * (j - 13)) * ay;
    curve.y[16] = 200.0 * ay;
    const double peak = 0.5 * pc * std::sqrt(6.0 * as) - 0.411 * pc;
    for (int j = 0; j < kSidePoints; ++j) {
        const double y = curve.y[j];
        double p;
        if (y < kTinyDeflection) {
            p = kx * y;
        } else if (y <= ay) {
            p = 0.5 * pc * std::sqrt(y / y50);
        } else if (y <= 6.0 * ay) {
            p = 0.5 * pc * std::sqrt(y / y50) - 0.055 * pc * std::pow((y - ay) / ay, 1.25);
        } else if (y <= 18.0 * ay) {
            p = peak - (0.0625 / y50) * pc * (y - 6.0 * ay);
        } else {
            p = peak - 0.75 * as * pc;
        }
        curve.p[j] = std::min(p, kx * y);  // the initial straight line k x y bounds the curve
    }
    return curve;
}

SideCurve stiff_clay_dry_curve(const CurveProperties& pr, const SideDepths& d) {
    const double c = pr.strength, ca = pr.ca, b = pr.b, x = d.x;
    double pu;
    if (d.continuous) {
        pu = continuous_clay(pr, d);
    } else {
        const double pt = 3.0 * ca * b + pr.gamma * b * x + 0.5 * ca * x;
        pu = std::min(pt, 9.0 * c * b);
    }
    const double y50 = 2.5 * pr.e50 * b;
    static constexpr double kFractions[] = {1.0e-5, 5.0e-5, 1.0e-4, 5.0e-4, 0.001, 0.005, 0.01,
                                            0.025,  0.05,   0.075,  0.1,    0.25,  0.5};
    SideCurve curve;
    curve.integrand = pu;
    for (int j = 1; j <= 13; ++j) curve.y[j] = kFractions[j - 1] * 16.0 * y50;
    curve.y[14] = 16.0 * y50;
    curve.y[15] = 18.0 * y50;
    curve.y[16] = 20.0 * y50;
    const double modulus = 0.5 * pu * std::pow(y50 / kTinyDeflection, 0.75) / y50;
    for (int j = 0; j < kSidePoints; ++j) {
        const double y = curve.y[j];
        if (y < kTinyDeflection) {
            curve.p[j] = modulus * y;
        } else if (y <= 16.0 * y50) {
            curve.p[j] = 0.5 * pu * std::pow(y / y50, 0.25);
        } else {
            curve.p[j] = pu;
        }
    }
    return curve;
}

double soft_clay_equivalent_depth(const CurveProperties& pr, double, double above) {
    const double c = pr.strength, b = pr.b, g = pr.gamma;
    const double xr = 6.0 * c * b / (0.5 * c + b * g);  // where Np reaches 9
    const double fr = wedge_integral(c, b, g, xr);
    if (above > fr) return xr + (above - fr) / (9.0 * c * b);
    return wedge_root(c, b, g, above);
}

double stiff_clay_water_equivalent_depth(const CurveProperties& pr, double, double above) {
    const double c = pr.strength, ca = pr.ca, b = pr.b, g = pr.gamma;
    const double xt = (11.0 * c * b - 2.0 * ca * b) / (2.83 * ca + b * g);  // pt reaches pd
    const double dx = xt / 40.0;
    double f = 0.0, f_prev = 0.0, residual = 0.0;
    for (int i = 1; i <= 40; ++i) {
        const double xi = i * dx;
        residual = stiff_clay_residual(stiff_clay_as(xi / b));
        f_prev = f;
        f += (2.83 * ca * xi + 2.0 * ca * b + b * g * xi) * residual * dx;
        if (f > above) return xi - (f - above) * dx / (f - f_prev);
    }
    return xt + (above - f) / (11.0 * c * b * residual);
}

double stiff_clay_dry_equivalent_depth(const CurveProperties& pr, double, double above) {
    const double c = pr.strength, ca = pr.ca, b = pr.b, g = pr.gamma;
    const double xt = (9.0 * c * b - 3.0 * ca * b) / (0.5 * c + b * g);
    const double ft = wedge_integral(c, b, g, xt);
    if (above > ft) return xt + (above - ft) / (9.0 * c * b);
    return wedge_root(c, b, g, above);
}

double clay_shift(const CurveProperties& pr, double sigma_v_excavation) {
    const double ps = pr.b * (sigma_v_excavation - 2.0 * pr.strength);
    return ps <= 1.0e-10 ? 0.0 : ps;
}

void write_soft_clay_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                           const SideDepths& d, const SideCurve&) {
    // A blank before each D10.4 value keeps the numbers from running together.
    write_clay_table(out, u, pr, d, {false, 4, 1, true});
}

void write_stiff_clay_water_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                                  const SideDepths& d, const SideCurve&) {
    write_clay_table(out, u, pr, d, {true, 2, 1, true});
}

void write_stiff_clay_dry_table(std::ostream& out, const UnitLabels& u, const CurveProperties& pr,
                                const SideDepths& d, const SideCurve&) {
    write_clay_table(out, u, pr, d, {true, 2, 0, false});
}

}  // namespace vornel::soil
