#include "viewer/graph_axes.h"

#include <algorithm>
#include <cmath>

#include "editor/number_text.h"

namespace vornel {

namespace {

// Quotients within this relative distance of a whole number are taken as whole, so that
// 0.3 / 0.1 is 3 and not just above it.
constexpr double kWholeTolerance = 1e-9;

double nearly_whole(double q) {
    const double r = std::round(q);
    return std::fabs(q - r) <= kWholeTolerance * std::max(1.0, std::fabs(q)) ? r : q;
}

}  // namespace

AxisRange axis_range(double lo, double hi) {
    AxisRange a;
    a.min = std::min(0.0, lo);
    a.max = std::max(0.0, hi);
    if (!std::isfinite(a.min) || !std::isfinite(a.max)) return a;
    if (a.max == a.min) {
        a.max += 0.01;
        a.min -= 0.01;
    }
    const double lg = std::log10(a.max - a.min);
    const double whole = std::floor(lg);
    double s = std::pow(10.0, whole);
    if (lg - whole < std::log10(3.0)) s /= 10.0;
    if (!(s > 0.0) || !std::isfinite(s)) return a;
    a.min = std::floor(nearly_whole(a.min / s)) * s;
    a.max = std::ceil(nearly_whole(a.max / s)) * s;
    a.step = s;
    return a;
}

PanelRange panel_range(const TLineList& curves) {
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    for (const TLine& c : curves)
        for (const TFloatPoint& p : c.Points) {
            x0 = std::min(x0, p.X), x1 = std::max(x1, p.X);
            y0 = std::min(y0, p.Y), y1 = std::max(y1, p.Y);
        }
    return {axis_range(x0, x1), axis_range(y0, y1)};
}

AxisTicks axis_ticks(double min, double max, int pixels, int text_height) {
    if (text_height <= 0 || !(max > min)) return {};
    const int n = pixels / (6 * text_height);
    if (n <= 0) return {};
    const double r = (max - min) / n;
    const double g = std::pow(10.0, std::floor(std::log10(r)));
    const int m = static_cast<int>(nearly_whole(r / g));
    return axis_ticks_by_step(min, max, g * (m < 2 ? 1 : m <= 4 ? 2 : m <= 8 ? 5 : 10));
}

AxisTicks axis_ticks_by_step(double min, double max, double major) {
    AxisTicks t;
    if (!(max > min) || !(major > 0.0) || !std::isfinite(major)) return t;
    t.major = major;
    t.minor = t.major / 5.0;
    const double lo = std::ceil(nearly_whole(min / t.minor));
    const double hi = std::floor(nearly_whole(max / t.minor));
    if (!(lo < hi) || hi - lo > 100000) return t;
    const auto first = static_cast<long long>(lo), last = static_cast<long long>(hi);
    for (long long k = first; k <= last; ++k)
        t.ticks.push_back({static_cast<double>(k) * t.minor, k % 5 == 0});
    return t;
}

double finer_major_step(double major) {
    const double g = std::pow(10.0, std::floor(std::log10(major)));
    const int m = static_cast<int>(std::lround(major / g));
    return m >= 5 ? 2 * g : m >= 2 ? g : g / 2;
}

int labelled_count(const AxisTicks& t) {
    return static_cast<int>(std::count_if(t.ticks.begin(), t.ticks.end(),
                                          [](const AxisTick& k) { return k.labelled; }));
}

QString tick_label(double value) {
    return format_general(value, 4);
}

}  // namespace vornel
