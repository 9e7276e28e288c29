#include "engine/core/pressure_table.h"

#include <algorithm>

#include "engine/base/fixed_format.h"
#include "engine/base/stop_messages.h"
#include "engine/core/deck_reader.h"

namespace vornel {
namespace {

// The pressure at depth z from the loads (total x h) of the table, or `last` when no point
// lies at or below z. `from` is where the search starts (the table is searched in order).
double load_at(const std::vector<PressurePoint>& p, const std::vector<double>& load, double z,
               std::size_t& from, double last) {
    std::size_t i = from;
    while (i < p.size() && p[i].depth < z) ++i;
    if (i == p.size()) return last;
    from = i;
    if (i == 0 || p[i].depth == p[i - 1].depth) return load[i];
    return load[i - 1] +
           (load[i] - load[i - 1]) * (z - p[i - 1].depth) / (p[i].depth - p[i - 1].depth);
}

}  // namespace

void take_generated_pressure(EngineState& s) {
    s.pressure.clear();
    s.pressure.reserve(s.handover.pressure.size());
    double width = s.config.active_width;
    for (const PressureRow& r : s.handover.pressure) {
        PressurePoint p;
        p.depth = fmt::as_written_e(r.depth, 3);
        if (p.depth > s.config.free_height) width = s.config.py_width;
        p.total = fmt::as_written_e(r.p1, 3) * width;
        p.soil = fmt::as_written_e(r.p2, 3) * width;
        p.surcharge = fmt::as_written_e(r.p3, 3) * width;
        s.pressure.push_back(p);
    }
}

void apply_pressure_loads(EngineState& s) {
    const std::vector<PressurePoint>& p = s.pressure;
    if (s.control.earth_pressure_code < 1 || p.empty()) return;
    const double h = s.wall.h;
    const double zmax = s.control.earth_pressure_code == 1 ? p.back().depth : s.config.free_height;
    const int last_station = std::min(nearest_station(zmax / h), s.wall.ninc);

    std::vector<double> load(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) load[i] = p[i].total * h;
    const bool ordered = std::is_sorted(
        p.begin(), p.end(), [](const auto& a, const auto& b) { return a.depth < b.depth; });
    std::size_t from = 0;
    double last = 0.0;
    for (int k = 1; k <= last_station; ++k) {
        if (!ordered) from = 0;
        last = load_at(p, load, k * h, from, last);
        s.Q[k] += last;
    }
}

std::vector<std::size_t> thinned_points(std::size_t n, int unit_system) {
    std::vector<std::size_t> out;
    if (n == 0) return out;
    const std::size_t step = n <= 50 ? 1 : (unit_system == 2 ? 4 : 6);
    for (std::size_t i = 0; i < n; i += step) out.push_back(i);
    if (out.back() != n - 1) out.push_back(n - 1);
    return out;
}

}  // namespace vornel
