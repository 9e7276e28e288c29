#include "engine/core/curve_store.h"

#include "engine/base/fixed_format.h"
#include "engine/base/stop_messages.h"
#include "engine/core/deck_reader.h"

namespace vornel {
namespace {

StoredCurve store_user_curve(const UserCurve& c, double h, int link) {
    StoredCurve out;
    out.station = c.station;
    out.points = static_cast<int>(c.y_scaled.size());
    for (int k = 0; k < out.points; ++k) {
        out.w[static_cast<std::size_t>(k)] = c.y_scaled[static_cast<std::size_t>(k)];
        out.q[static_cast<std::size_t>(k)] = c.p_scaled[static_cast<std::size_t>(k)] * h;
    }
    out.link = link;
    return out;
}

StoredCurve store_generated_curve(const PlotCurve& c, double h) {
    StoredCurve out;
    out.station = c.station;
    out.points = kGeneratedCurvePoints;
    for (int k = 0; k < kGeneratedCurvePoints; ++k) {
        out.w[static_cast<std::size_t>(k)] = c.y[static_cast<std::size_t>(k)];
        out.q[static_cast<std::size_t>(k)] = c.p[static_cast<std::size_t>(k)] * h;
    }
    out.link = 1;
    return out;
}

// One generated record as the core takes it: the depth as its E15.7 field holds it, the
// points as their E10.3 fields hold them. Points 1..17 are the excavation side, 18..34 the
// backfill side, each from its smallest deflection up. The joined curve runs through the
// backfill side backwards with the deflection mirrored (points 34..18), then the excavation
// side from its second point (2..17).
PlotCurve join_curve_record(EngineState& s, const CurveRecord& r, int g) {
    PlotCurve c;
    c.depth = fmt::as_written_e(r.depth, 7);
    double p[kGeneratedRecordPoints + 1], y[kGeneratedRecordPoints + 1];
    for (int j = 1; j <= kGeneratedRecordPoints; ++j) {
        p[j] = fmt::as_written_e(r.p[static_cast<std::size_t>(j - 1)], 3);
        y[j] = fmt::as_written_e(r.y[static_cast<std::size_t>(j - 1)], 3);
    }
    c.y.reserve(kGeneratedCurvePoints);
    c.p.reserve(kGeneratedCurvePoints);
    for (int k = 1; k <= kGeneratedSidePoints; ++k) {
        c.y.push_back(-y[35 - k]);
        c.p.push_back(p[35 - k]);
    }
    for (int k = kGeneratedSidePoints + 1; k <= kGeneratedCurvePoints; ++k) {
        c.y.push_back(y[k - 16]);
        c.p.push_back(-p[k - 16]);
    }
    c.station = nearest_station(c.depth / s.wall.h);
    if (c.station < -3) {
        stop_with(s.out(), "CURVE STATION " + std::to_string(c.station) +
                               " ABOVE THE WALL IN CURVE RECORD " + std::to_string(g));
    }
    return c;
}

}  // namespace

std::vector<int> user_curve_links(const EngineState& s) {
    std::vector<int> links;
    for (const UserCurve& c : s.user_curves) {
        const bool below = c.station * s.wall.h >= s.wall.free_height;
        links.push_back(s.control.py_code < 2 && below ? 1 : 0);
    }
    return links;
}

void take_generated_curves(EngineState& s) {
    const int total = s.handover.announced_curves;
    if (total > kMaxCurves) stop_too_much_data(s.out(), std::to_string(total) + " p-y curves");
    s.generated_curves.clear();
    s.generated_curves.reserve(s.handover.curves.size());
    int g = 0;
    for (const CurveRecord& r : s.handover.curves) {
        s.generated_curves.push_back(join_curve_record(s, r, ++g));
    }
}

void fill_curve_store(EngineState& s) {
    s.curves.clear();
    s.generated_curves.clear();
    if (s.control.py_code == 2) take_generated_curves(s);
    const std::size_t total = s.user_curves.size() + s.generated_curves.size();
    if (total > static_cast<std::size_t>(kMaxCurves)) {
        stop_too_much_data(s.out(), std::to_string(total) + " p-y curves");
    }
    const std::vector<int> links = user_curve_links(s);
    for (std::size_t i = 0; i < s.user_curves.size(); ++i) {
        s.curves.push_back(store_user_curve(s.user_curves[i], s.wall.h, links[i]));
    }
    for (const PlotCurve& c : s.generated_curves) {
        s.curves.push_back(store_generated_curve(c, s.wall.h));
    }
}

}  // namespace vornel
