#include "engine/core/moment_ei.h"

#include <algorithm>
#include <cmath>

#include "engine/core/station_tables.h"

namespace vornel {

double stiffness_at_curvature(const EiSet& set, double phi) {
    const std::size_t n = set.moment.size();
    if (n == 0) return 0.0;
    if (n == 1) return set.ei[0];  // a single point: constant stiffness
    std::size_t m = n - 1;
    for (std::size_t i = 1; i < n; ++i) {
        if (set.moment[i] > phi * set.ei[i]) {
            m = i;
            break;
        }
    }
    const double dm = set.moment[m] - set.moment[m - 1];
    const double dei = set.ei[m] - set.ei[m - 1];
    const double den = phi * dei - dm;
    // A segment parallel to the line M = phi EI has no crossing: keep its first point.
    const double t = den == 0.0 ? 0.0 : (set.moment[m - 1] - phi * set.ei[m - 1]) / den;
    return set.ei[m - 1] + t * dei;
}

void update_stiffness(EngineState& s) {
    const int n = s.wall.ninc;
    const double h2 = s.wall.h * s.wall.h;
    for (const EiSet& set : s.ei_sets) {
        for (int j = std::max(set.from, -2); j <= std::min(set.to, n + 2); ++j) {
            const double phi = std::fabs(s.W[j - 1] - 2.0 * s.W[j] + s.W[j + 1]) / h2;
            const double ei = stiffness_at_curvature(set, phi);
            if (is_wall_end(s, j)) {
                // An end station stands for half an increment of wall: it keeps half the
                // stiffness in the table, as the spreading left it.
                s.F[j] = 0.5 * ei;
                s.F_end[j] = ei;
            } else {
                s.F[j] = ei;
            }
        }
    }
}

}  // namespace vornel
