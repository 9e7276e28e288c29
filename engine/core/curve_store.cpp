#include "engine/core/curve_store.h"

#include "engine/base/free_format_reader.h"
#include "engine/base/stop_messages.h"
#include "engine/core/deck_reader.h"

namespace vornel {
namespace {

const char* const kSoilData = "SOILDATA";

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

// One curve record: the depth and the point count, then 34 points (index, p, y). Points
// 1..17 are the excavation side, 18..34 the backfill side, each from its smallest deflection
// up. The joined curve runs through the backfill side backwards with the deflection
// mirrored (points 34..18), then the excavation side from its second point (2..17).
PlotCurve read_curve_record(EngineState& s, FreeFormatReader& in, int g) {
    const std::string name = "CURVE RECORD " + std::to_string(g);
    in.record(name);
    PlotCurve c;
    c.depth = in.real();
    const int count = in.integer();
    if (count != kGeneratedRecordPoints) {
        in.fail("POINT COUNT " + std::to_string(count) + " IS NOT 34");
    }
    double p[kGeneratedRecordPoints + 1], y[kGeneratedRecordPoints + 1];
    for (int j = 1; j <= kGeneratedRecordPoints; ++j) {
        in.record("POINT " + std::to_string(j) + " OF " + name);
        in.integer();
        p[j] = in.real();
        y[j] = in.real();
    }
    for (int k = 1; k <= kGeneratedSidePoints; ++k) {
        c.y.push_back(-y[35 - k]);
        c.p.push_back(p[35 - k]);
    }
    for (int k = kGeneratedSidePoints + 1; k <= kGeneratedCurvePoints; ++k) {
        c.y.push_back(y[k - 16]);
        c.p.push_back(-p[k - 16]);
    }
    c.station = nearest_station(c.depth / s.wall.h);
    if (c.station < -3) in.fail("CURVE STATION " + std::to_string(c.station) + " ABOVE THE WALL");
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

void parse_soildata(EngineState& s, const std::string& text, int user_count) {
    FreeFormatReader in(text, s.out(), kSoilData, true);
    in.record("CURVE COUNT");
    const int total = in.integer();
    if (total < user_count) {
        in.fail("CURVE COUNT " + std::to_string(total) + " BELOW THE " +
                std::to_string(user_count) + " USER CURVES");
    }
    if (total > kMaxCurves) {
        stop_too_much_data(s.out(), std::to_string(total) + " p-y curves");
    }
    for (int u = 1; u <= user_count; ++u) {
        in.record("USER CURVE " + std::to_string(u));
        in.integer();
        const int points = in.integer();
        if (points < 0) in.fail("POINT COUNT " + std::to_string(points) + " IS NEGATIVE");
        in.skip_lines(points);
    }
    s.generated_curves.clear();
    for (int g = 1; g <= total - user_count; ++g) {
        s.generated_curves.push_back(read_curve_record(s, in, g));
    }
}

void read_generated_curves(EngineState& s) {
    std::string text;
    if (!read_file(s.scratch_dir / kSoilData, text)) stop_with(s.out(), "CANNOT OPEN SOILDATA");
    parse_soildata(s, text, static_cast<int>(s.user_curves.size()));
}

void fill_curve_store(EngineState& s) {
    s.curves.clear();
    s.generated_curves.clear();
    if (s.control.py_code == 2) read_generated_curves(s);
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
