#include "engine/soil/trapezoid_distribution.h"

#include <cmath>

namespace vornel::soil {

bool trapezoid_shape(const SupportLayout& supports, double h, double force, TrapezoidShape& out) {
    if (supports.count < 1 || !(h > 0.0)) return false;
    TrapezoidShape t;
    t.h1 = 2.0 * supports.first_depth / 3.0;
    if (supports.count == 1) {
        t.hb = 2.0 * (h - supports.first_depth) / 3.0;
        t.hm = h / 3.0;
        t.pmax = 1.3 * force * 3.0 / (2.0 * h);
    } else {
        t.hb = 2.0 * (h - supports.last_depth) / 3.0;
        t.hm = h - t.h1 - t.hb;
        // The trapezoid's area pmax (H - (H1 + Hb) / 2) carries 1.3 times the resultant, as
        // with one support; two supports at one depth give the one-support diagram.
        const double base = h - (t.hb + t.h1) / 2.0;
        if (!(base > 0.0)) return false;
        t.pmax = 1.3 * force / base;
    }
    t.zb = t.h1 + t.hm;
    if (!std::isfinite(t.pmax) || !std::isfinite(t.zb)) return false;
    out = t;
    return true;
}

double trapezoid_pressure(const TrapezoidShape& t, double z) {
    if (z < t.h1) return t.pmax * z / t.h1;
    if (z <= t.zb) return t.pmax;
    // A support at or below the excavation level leaves no falling branch above it.
    return t.hb > 0.0 ? t.pmax - (z - t.zb) * t.pmax / t.hb : 0.0;
}

std::string apply_trapezoid(PressureTable& table, const SupportLayout& supports, double h) {
    if (supports.count < 1) {
        return "WARNING -- NO SUPPORT FOR THE TRAPEZOIDAL DISTRIBUTION: "
               "THE TRIANGULAR DISTRIBUTION IS USED";
    }
    TrapezoidShape t;
    if (!trapezoid_shape(supports, h, table.running_force, t)) {
        return "WARNING -- THE TRAPEZOIDAL DISTRIBUTION IS NOT DEFINED FOR THIS WALL: "
               "THE TRIANGULAR DISTRIBUTION IS USED";
    }
    const auto exc = static_cast<size_t>(table.excavation_point);
    if (exc >= table.points.size()) return "";
    const PressureRow computed = table.points[exc];
    for (size_t j = 1; j <= exc; ++j) {
        table.points[j].p1 = trapezoid_pressure(t, table.points[j].depth);
    }
    table.points.insert(table.points.begin() + static_cast<std::ptrdiff_t>(exc) + 1, computed);
    return "";
}

}  // namespace vornel::soil
