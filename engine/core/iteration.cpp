#include "engine/core/iteration.h"

#include <cmath>

#include "engine/base/fixed_format.h"
#include "engine/core/moment_ei.h"
#include "engine/core/soil_springs.h"
#include "engine/core/solver.h"

namespace vornel {
namespace {

void write_monitor_heading(EngineState& s) {
    if (!s.monitor) return;
    *s.monitor << "\n\n\n     ITERATION MONITOR DATA\n     ----------------------\n";
}

void write_monitor_line(EngineState& s, int iteration, bool off, int not_closed) {
    if (!s.monitor) return;
    fmt::Line line;
    line.x(3).i(iteration, 4).x(7).text(off ? "YES      " : "NO       ").i(not_closed, 4).x(2);
    for (int k = 1; k <= 5; ++k) line.e(s.W[k], 10, 3);
    *s.monitor << line.str() << '\n';
}

int stations_moved_since_update(const EngineState& s) {
    int count = 0;
    for (int j = 0; j <= s.wall.ninc; ++j) {
        if (!(std::fabs(s.W[j] - s.W_update[j]) <= s.wall.closure_tolerance)) ++count;
    }
    return count;
}

}  // namespace

IterationOutcome iterate(EngineState& s) {
    write_monitor_heading(s);
    const bool ei_sets = !s.ei_sets.empty();
    if (ei_sets) update_stiffness(s);  // from the deflections held now
    s.W.clear();
    s.W_update.clear();

    IterationOutcome out;
    for (int i = 1; i <= s.iteration_limit; ++i) {
        s.Qw = s.Q;
        s.Sw = s.S;
        const bool off = add_soil_springs(s);
        const SolveCounts counts = solve_deflections(s);
        write_monitor_line(s, i, off, counts.not_closed);
        out.iterations = i;
        out.off_curve = off;
        out.exceeded_count = counts.exceeded;
        out.not_closed_count = counts.not_closed;
        out.singular_count = counts.singular;
        if (counts.exceeded > 0) break;
        if (counts.not_closed > 0) continue;
        if (!ei_sets || stations_moved_since_update(s) == 0) {
            out.converged = true;
            break;
        }
        s.W_update = s.W;
        update_stiffness(s);
    }
    return out;
}

}  // namespace vornel
