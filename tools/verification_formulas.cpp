#include "tools/verification_formulas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>

namespace vornel::verify {

namespace {

constexpr double kPi = std::numbers::pi;

// Linear interpolation in a table of (ratio, value); the last value beyond the last ratio.
template <std::size_t N>
double table_value(const std::array<double, N>& ratios, const std::array<double, N>& values,
                   double r) {
    if (r <= ratios[0]) return values[0];
    for (std::size_t i = 1; i < N; ++i)
        if (r <= ratios[i])
            return values[i - 1] +
                   (values[i] - values[i - 1]) * (r - ratios[i - 1]) / (ratios[i] - ratios[i - 1]);
    return values[N - 1];
}

// Solves the 4 x 4 system a c = r by Gaussian elimination with partial pivoting.
std::array<double, 4> solve4(std::array<std::array<double, 4>, 4> a, std::array<double, 4> r) {
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 4; ++row)
            if (std::abs(a[row][col]) > std::abs(a[pivot][col])) pivot = row;
        std::swap(a[col], a[pivot]);
        std::swap(r[col], r[pivot]);
        for (int row = col + 1; row < 4; ++row) {
            const double f = a[row][col] / a[col][col];
            for (int j = col; j < 4; ++j) a[row][j] -= f * a[col][j];
            r[row] -= f * r[col];
        }
    }
    std::array<double, 4> c{};
    for (int row = 3; row >= 0; --row) {
        double s = r[row];
        for (int j = row + 1; j < 4; ++j) s -= a[row][j] * c[j];
        c[row] = s / a[row][row];
    }
    return c;
}

// The n-th derivative at s of the four basis functions e^{+-beta s} (cos, sin)(beta s):
// real and imaginary parts of lambda^n e^{lambda s}, lambda = beta (+-1 + i).
std::array<double, 4> basis(double beta, int n, double s) {
    std::array<double, 4> f{};
    int i = 0;
    for (double sign : {1.0, -1.0}) {
        const std::complex<double> lambda(sign * beta, beta);
        const std::complex<double> v = std::pow(lambda, n) * std::exp(lambda * s);
        f[static_cast<std::size_t>(i++)] = v.real();
        f[static_cast<std::size_t>(i++)] = v.imag();
    }
    return f;
}

}  // namespace

double cantilever_tip_load_deflection(double P, double L, double EI, double x) {
    return P * (2 * L * L * L - 3 * L * L * x + x * x * x) / (6 * EI);
}

double simple_beam_uniform_deflection(double q, double L, double EI, double x) {
    return q * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI);
}

BeamOnFoundation hetenyi_centre_load(double P, double L, double EI, double k) {
    const double beta = std::pow(k / (4 * EI), 0.25);
    const double bl = beta * L;
    const double den = std::sinh(bl) + std::sin(bl);
    return {P * beta / (2 * k) * (2 + std::cosh(bl) + std::cos(bl)) / den,
            P / (4 * beta) * (std::cosh(bl) - std::cos(bl)) / den};
}

double foundation_beam_deflection(double P, double L, double EI, double k, double s) {
    const double beta = std::pow(k / (4 * EI), 0.25);
    // Half the beam, s from the load: no slope under the load, half the load carried as
    // shear there (EI w''' = P / 2), no moment and no shear at the free end.
    const std::array<std::array<double, 4>, 4> a = {basis(beta, 1, 0.0), basis(beta, 3, 0.0),
                                                    basis(beta, 2, L / 2), basis(beta, 3, L / 2)};
    const std::array<double, 4> c = solve4(a, {0.0, P / (2 * EI), 0.0, 0.0});
    const std::array<double, 4> f = basis(beta, 0, std::abs(s));
    return c[0] * f[0] + c[1] * f[1] + c[2] * f[2] + c[3] * f[3];
}

double rankine_ka(double phi_degrees) {
    const double t = std::tan(kPi / 4 - phi_degrees * kPi / 360);
    return t * t;
}

double boussinesq_strip_pressure(double q, double X, double W, double z) {
    const double t1 = std::atan((X - W / 2) / z), t2 = std::atan((X + W / 2) / z);
    const double beta = t2 - t1;
    return 2 * q / kPi * (beta - std::sin(beta) * std::cos(t1 + t2));
}

double matlock_soft_clay(const ClayPoint& s, double y) {
    const double np = std::min(3 + s.gamma * s.x / s.c + 0.5 * s.x / s.b, 9.0);
    const double pu = np * s.c * s.b, y50 = 2.5 * s.eps50 * s.b;
    if (y <= 0) return 0.0;
    return y <= 8 * y50 ? 0.5 * pu * std::cbrt(y / y50) : pu;
}

double reese_stiff_clay_free_water(const ClayPoint& s, double y) {
    static constexpr std::array<double, 6> ratios = {0, 1, 2, 3, 4, 5};
    static constexpr std::array<double, 6> as_values = {0.223, 0.46, 0.55, 0.59, 0.60, 0.60};
    const double A = table_value(ratios, as_values, s.x / s.b);
    const double pc =
        std::min(2 * s.ca * s.b + s.gamma * s.b * s.x + 2.83 * s.ca * s.x, 11 * s.c * s.b);
    const double y50 = s.eps50 * s.b;
    if (y <= 0) return 0.0;
    double p;
    if (y <= A * y50)
        p = 0.5 * pc * std::sqrt(y / y50);
    else if (y <= 6 * A * y50)
        p = 0.5 * pc * std::sqrt(y / y50) - 0.055 * pc * std::pow((y - A * y50) / (A * y50), 1.25);
    else if (y <= 18 * A * y50)
        p = 0.5 * pc * std::sqrt(6 * A) - 0.411 * pc - 0.0625 / y50 * pc * (y - 6 * A * y50);
    else
        p = 0.5 * pc * std::sqrt(6 * A) - 0.411 * pc - 0.75 * A * pc;
    return std::min(p, s.k * s.x * y);
}

double welch_reese_stiff_clay(const ClayPoint& s, double y) {
    const double pu =
        std::min(3 * s.ca * s.b + s.gamma * s.b * s.x + 0.5 * s.ca * s.x, 9 * s.c * s.b);
    const double y50 = 2.5 * s.eps50 * s.b;
    if (y <= 0) return 0.0;
    return y <= 16 * y50 ? 0.5 * pu * std::pow(y / y50, 0.25) : pu;
}

SandResistance sand_resistance(const SandPoint& s) {
    const double phi = s.phi, alpha = phi / 2, beta = kPi / 4 + phi / 2, k0 = 0.4;
    const double ka = std::pow(std::tan(kPi / 4 - phi / 2), 2);
    const double tp = std::tan(phi), tb = std::tan(beta), ta = std::tan(alpha);
    const double tbp = std::tan(beta - phi), x = s.x, b = s.b, g = s.gamma;
    const double wedge =
        g * x *
        (k0 * x * tp * std::sin(beta) / (tbp * std::cos(alpha)) + tb / tbp * (b + x * tb * ta) +
         k0 * x * tb * (tp * std::sin(beta) - ta) - ka * b);
    const double flow =
        ka * b * g * x * (std::pow(tb, 8) - 1) + k0 * b * g * x * tp * std::pow(tb, 4);
    return {wedge, flow, std::min(wedge, flow)};
}

double sand_coefficient_a(double ratio) {
    static constexpr std::array<double, 10> r = {0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6};
    static constexpr std::array<double, 10> a = {2.83, 2.48, 2.11, 1.76, 1.48,
                                                 1.23, 1.06, 0.90, 0.88, 0.88};
    return table_value(r, a, ratio);
}

double sand_coefficient_b(double ratio) {
    static constexpr std::array<double, 10> r = {0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6};
    static constexpr std::array<double, 10> b = {2.14, 1.83, 1.54, 1.27, 1.05,
                                                 0.86, 0.71, 0.53, 0.50, 0.50};
    return table_value(r, b, ratio);
}

double reese_sand(const SandPoint& s, double y) {
    const double ps = sand_resistance(s).ultimate, kx = s.k * s.x;
    const double pu = sand_coefficient_a(s.x / s.b) * ps, pm = sand_coefficient_b(s.x / s.b) * ps;
    const double ym = s.b / 60, yu = 3 * s.b / 80;
    const double m = (pu - pm) / (yu - ym), n = pm / (m * ym), C = pm / std::pow(ym, 1 / n);
    const double yk = std::pow(C / kx, n / (n - 1));
    if (y <= 0) return 0.0;
    double p;
    if (y <= yk)
        p = kx * y;
    else if (y <= ym)
        p = C * std::pow(y, 1 / n);
    else if (y <= yu)
        p = pm + m * (y - ym);
    else
        p = pu;
    return std::min(p, kx * y);
}

double silt_c_phi(const SandPoint& s, double y) {
    const double ps = sand_resistance(s).ultimate, kx = s.k * s.x;
    const double pu = sand_coefficient_a(s.x / s.b) * ps;
    const double np = 3 + s.gamma * s.x / s.c + 0.5 * s.x / s.b;
    const double pc = np >= 9 ? 9 * s.c * s.b : np * s.c * s.b;
    const double ym = s.b / 60, yu = 3 * s.b / 80, pm = 1.5 * ps + pc;
    const double m = (pu - pm) / (yu - ym), n = pm / (std::abs(m) * ym);
    const double C = pm / std::pow(ym, 1 / n), yk = std::pow(C / kx, n / (n - 1));
    const double yi = (pm - m * ym) / (kx - m), yc = pu / kx;
    if (y <= 0) return 0.0;
    double p;
    if (!(yk >= 0 && yk < ym) && yi >= ym && yi < yu)  // the initial line meets the straight part
        p = y <= yi ? kx * y : (y <= yu ? (y - yi) * m + yi * kx : pu);
    else if (!(yk >= 0 && yk < ym) && yc >= yu)  // the initial line meets pu
        p = y <= yc ? kx * y : pu;
    else if (y <= yk)
        p = kx * y;
    else if (y <= ym)
        p = C * std::pow(y, 1 / n);
    else if (y <= yu)
        p = pm + m * (y - ym);
    else
        p = pu;
    return std::min(p, kx * y);
}

double strong_rock(const RockPoint& s, double y) {
    const double su = s.qu / 2, k1 = 2000 * su, y1 = 0.0004 * s.b, p1 = k1 * y1;
    const double pu = su * s.b, y2 = y1 + (pu - p1) / (100 * su);
    if (y < y1) return k1 * y;
    if (y < y2) return p1 + 100 * su * (y - y1);
    return 0.5 * s.gamma * s.b * s.x;
}

double reese_weak_rock(const RockPoint& s, double y) {
    const double ar = 1 - s.rqd / 150, xr = s.x, b = s.b;
    const double pur = xr <= 3 * b ? ar * s.qu * (b + 1.4 * xr) : 5.2 * ar * s.qu * b;
    const double kir = xr <= 3 * b ? s.Em * (100 + 400 * xr / (3 * b)) : 500 * s.Em;
    const double yrm = s.krm * b;
    const double ya = std::pow(0.5 * pur / (std::pow(yrm, 0.25) * kir), 1 / 0.75);
    if (y < ya) return kir * y;
    return std::min(0.5 * pur * std::pow(y / yrm, 0.25), pur);
}

std::vector<double> observed_orders(const std::vector<double>& errors) {
    std::vector<double> orders;
    for (std::size_t i = 1; i < errors.size(); ++i)
        orders.push_back(std::log2(std::abs(errors[i - 1]) / std::abs(errors[i])));
    return orders;
}

}  // namespace vornel::verify
