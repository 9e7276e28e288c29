#include "engine/core/results.h"

#include <cmath>
#include <vector>

#include "engine/core/station_tables.h"

namespace vornel {

namespace {

// Takes the forces of the applied couples out of the shear and reaction: a couple enters the
// equations as two opposite forces on the stations either side of it. At a physical end of
// the wall the printed moment already holds the whole couple, so only the end station's
// own shear is corrected there.
void correct_for_couples(EngineState& s) {
    const int n = s.wall.ninc;
    auto at = [&s, n](int k) -> StationResult* {
        return k >= 0 && k <= n + 1 ? &s.results[static_cast<std::size_t>(k)] : nullptr;
    };
    for (const CoupleRecord& c : s.couples) {
        if (StationResult* r = at(c.station)) r->shear -= c.force;
        if (is_wall_end(s, c.station)) continue;
        if (StationResult* r = at(c.station - 1)) {
            r->shear -= 0.5 * c.force;
            r->reaction -= c.force;
        }
        if (StationResult* r = at(c.station + 1)) {
            r->shear -= 0.5 * c.force;
            r->reaction += c.force;
        }
    }
}

// True when the station is held against rotation: a prescribed slope there, or a rotational
// spring.
bool holds_rotation(const EngineState& s, int k) {
    if (s.R[k] != 0.0) return true;
    for (const RestraintRow& r : s.restraints) {
        if (r.station == k && r.kase >= 2) return true;
    }
    return false;
}

// A wall end held against rotation carries a moment that stops at the end. The central
// difference would read the drop from that moment to the zero beyond the wall as shear (a
// value that grows as 1/h); the shear there is the difference of the moments inside the wall.
void one_sided_shear_at_held_ends(EngineState& s, const std::vector<double>& moment) {
    const double h = s.wall.h;
    auto M = [&moment](int k) { return moment[static_cast<std::size_t>(k + 1)]; };
    for (int k = 0; k <= s.wall.ninc; ++k) {
        if (!is_wall_end(s, k) || !holds_rotation(s, k)) continue;
        const bool lower_end = s.F[k + 1] == 0.0;
        s.results[static_cast<std::size_t>(k)].shear =
            lower_end ? (M(k) - M(k - 1)) / h : (M(k + 1) - M(k)) / h;
    }
}

}  // namespace

void compute_results(EngineState& s) {
    const int n = s.wall.ninc;
    const double h = s.wall.h;
    s.W[n + 2] = 2.0 * s.W[n + 1] - s.W[n];

    // Moments for stations -1..NINC+2; the one above the top is zero.
    std::vector<double> moment(static_cast<std::size_t>(n + 4), 0.0);
    auto M = [&moment](int k) -> double& { return moment[static_cast<std::size_t>(k + 1)]; };
    auto curvature = [&s, h](int k) { return (s.W[k - 1] - 2.0 * s.W[k] + s.W[k + 1]) / (h * h); };
    for (int k = 0; k <= n + 2; ++k) M(k) = curvature(k) * moment_stiffness(s, k);

    s.results.assign(static_cast<std::size_t>(n + 2), StationResult{});
    for (int k = 0; k <= n + 1; ++k) {
        StationResult& r = s.results[static_cast<std::size_t>(k)];
        r.x = k * h;
        r.deflection = s.W[k];
        r.slope = (s.W[k + 1] - s.W[k - 1]) / (2.0 * h);
        r.moment = M(k);
        r.shear = (M(k + 1) - M(k - 1)) / (2.0 * h);
        // A station's own share uses the table stiffness: at a supported end this gives the
        // support force, the restraining couple being held by the end moment.
        r.reaction = (M(k - 1) - 2.0 * curvature(k) * s.F[k] + M(k + 1)) / h;
        r.ei = s.F[k];
    }
    correct_for_couples(s);
    one_sided_shear_at_held_ends(s, moment);
}

bool results_finite(const EngineState& s) {
    for (int k = 0; k <= s.wall.ninc && k < static_cast<int>(s.results.size()); ++k) {
        const StationResult& r = s.results[static_cast<std::size_t>(k)];
        if (!std::isfinite(r.deflection) || !std::isfinite(r.moment) || !std::isfinite(r.shear))
            return false;
    }
    return true;
}

void summarise_results(const EngineState& s, ProblemSummary& summary) {
    summary.max_deflection = summary.max_moment = summary.max_shear = 0.0;
    summary.max_deflection_depth = summary.max_moment_depth = summary.max_shear_depth = 0.0;
    // A value that is not a number wins, so that a summary never hides it.
    auto keep = [](double v, double x, double& best, double& where) {
        if (std::isnan(best)) return;
        if (std::isnan(v) || std::fabs(v) > std::fabs(best)) {
            best = v;
            where = x;
        }
    };
    for (int k = 0; k <= s.wall.ninc && k < static_cast<int>(s.results.size()); ++k) {
        const StationResult& r = s.results[static_cast<std::size_t>(k)];
        keep(r.deflection, r.x, summary.max_deflection, summary.max_deflection_depth);
        keep(r.moment, r.x, summary.max_moment, summary.max_moment_depth);
        keep(r.shear, r.x, summary.max_shear, summary.max_shear_depth);
    }
}

}  // namespace vornel
