#include "engine/core/pressure_table.h"

#include <algorithm>

#include "engine/base/free_format_reader.h"
#include "engine/base/stop_messages.h"
#include "engine/core/deck_reader.h"

namespace vornel {
namespace {

const char* const kPressureFile = "BMWALL.001";

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

void parse_pressure_file(EngineState& s, const std::string& text) {
    FreeFormatReader in(text, s.out(), kPressureFile, true);
    in.record("POINT COUNT");
    const int n = in.integer();
    if (n < 0) in.fail("POINT COUNT " + std::to_string(n) + " IS NEGATIVE");
    s.pressure.clear();
    double width = s.config.active_width;
    for (int k = 1; k <= n; ++k) {
        in.record("POINT " + std::to_string(k));
        if (!in.more_values()) {
            s.message(std::string(kPressureFile) + " holds " + std::to_string(k - 1) + " of the " +
                      std::to_string(n) + " points it announces");
            break;
        }
        PressurePoint p;
        p.depth = in.real();
        p.total = in.real();
        p.soil = in.real();
        p.surcharge = in.real();
        if (p.depth > s.config.free_height) width = s.config.py_width;
        p.total *= width;
        p.soil *= width;
        p.surcharge *= width;
        s.pressure.push_back(p);
    }
}

void read_generated_pressure(EngineState& s) {
    std::string text;
    if (!read_file(s.scratch_dir / kPressureFile, text)) {
        stop_with(s.out(), "CANNOT OPEN BMWALL.001");
    }
    parse_pressure_file(s, text);
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
