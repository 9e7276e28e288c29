#include "engine/core/soil_springs.h"

#include <algorithm>

#include "engine/base/stop_messages.h"

namespace vornel {

Linearised linearise(const StoredCurve& c, double w) {
    Linearised out;
    const int n = c.points;
    int m = n - 1;  // zero-based end point of the segment used
    if (n >= 3) {
        int found = -1;
        for (int i = 1; i < n; ++i) {
            if (w <= c.w[static_cast<std::size_t>(i)]) {
                found = i;
                break;
            }
        }
        if (found < 0) {
            out.off = true;
        } else {
            m = found;
            out.off = w < c.w[0];
        }
    } else {
        out.off = true;
    }
    if (m < 1) return out;
    const std::size_t a = static_cast<std::size_t>(m - 1), b = static_cast<std::size_t>(m);
    const double dw = c.w[b] - c.w[a];
    if (dw == 0.0) return out;
    out.k = -(c.q[b] - c.q[a]) / dw;
    out.q = out.k * c.w[a] + c.q[a];
    return out;
}

namespace {

// Adds the curves c0 (at station s) and c1 (at station e > s) interpolated over s..e,
// cut at the toe, with half values at both ends of the range.
bool add_linked_range(EngineState& s, const StoredCurve& c0, const StoredCurve& c1) {
    const int start = c0.station, e = c1.station;
    const int end = std::min(e, s.wall.ninc);
    bool off = false;
    for (int j = start; j <= end; ++j) {
        const Linearised l0 = linearise(c0, s.W[j]), l1 = linearise(c1, s.W[j]);
        off = off || l0.off || l1.off;
        const double t = static_cast<double>(j - start) / (e - start);
        const double k = l0.k + (l1.k - l0.k) * t, q = l0.q + (l1.q - l0.q) * t;
        s.Sw[j] += k;
        s.Qw[j] += q;
        if (j == start || j == end) {
            s.Sw[j] -= 0.5 * k;
            s.Qw[j] -= 0.5 * q;
        }
    }
    return off;
}

}  // namespace

bool add_soil_springs(EngineState& s) {
    const int n = s.wall.ninc;
    bool off = false;
    int previous_link = 0;
    std::size_t c0 = 0;
    for (std::size_t i = 0; i < s.curves.size(); ++i) {
        const StoredCurve& cur = s.curves[i];
        if (previous_link == 0) c0 = i;
        if (previous_link == 1 || cur.link == 0) {
            const int start = s.curves[c0].station, e = cur.station;
            if (e < start) {
                stop_stations_not_in_order(s.out(), "p-y curve " + std::to_string(i + 1));
            }
            if (e == start) {
                if (c0 != i) continue;  // a second curve at the same station is passed over
                if (start <= n) {
                    const Linearised l = linearise(cur, s.W[start]);
                    s.Sw[start] += l.k;
                    s.Qw[start] += l.q;
                    off = off || l.off;
                }
            } else if (start < n) {
                off = add_linked_range(s, s.curves[c0], cur) || off;
            }
        }
        if (cur.link == 1) c0 = i;
        previous_link = cur.link;
    }
    return off;
}

}  // namespace vornel
