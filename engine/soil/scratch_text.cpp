#include "engine/soil/scratch_text.h"

#include <ostream>
#include <sstream>
#include <utility>

#include "engine/base/fixed_format.h"

namespace vornel::soil {
namespace {

void put_user_curves(std::string& text, const EngineState& s) {
    for (const UserCurve& c : s.handover.user_curves) {
        const std::size_t n = c.y_scaled.size();
        fmt::put_i(text, c.station, 5);
        fmt::put_i(text, static_cast<long long>(n), 5);
        text.push_back('\n');
        for (std::size_t j = 0; j < n; ++j) {
            fmt::put_i(text, static_cast<long long>(j + 1), 5);
            fmt::put_xe(text, 1, c.p_scaled[j], 15, 7);
            fmt::put_xe(text, 1, c.y_scaled[j], 15, 7);
            text.push_back('\n');
        }
    }
}

void put_point(std::string& text, SoildataLayout layout, int j, double p, double y) {
    fmt::put_i(text, j, 5);
    const int gap = layout == SoildataLayout::TwoBlanks ? 2 : 1;
    fmt::put_xe(text, gap, p, 10, 3);
    fmt::put_xe(text, layout == SoildataLayout::Packed ? 0 : gap, y, 10, 3);
    text.push_back('\n');
}

void put_record(std::string& text, const CurveRecord& r) {
    fmt::put_x(text, 1);
    fmt::put_e(text, r.depth, 15, 7);
    fmt::put_x(text, 1);
    fmt::put_i(text, kCurveRecordPoints, 5);
    text.push_back('\n');
    const int points = r.sides * kCurveRecordSidePoints;
    for (int k = 0; k < points; ++k) {
        const auto i = static_cast<std::size_t>(k);
        put_point(text, r.layout, k % kCurveRecordSidePoints + 1, r.p[i], r.y[i]);
    }
}

}  // namespace

// Each row or record is built in one reused string and written whole: the files never sit
// whole in memory.
void write_bmwall(std::ostream& out, const std::vector<PressureRow>& points) {
    out << ' ' << std::to_string(points.size()) << '\n';
    std::string row;
    for (const PressureRow& r : points) {
        row.clear();
        fmt::put_xe(row, 5, r.depth, 10, 3);
        fmt::put_xe(row, 4, r.p1, 10, 3);
        fmt::put_xe(row, 4, r.p2, 10, 3);
        fmt::put_xe(row, 4, r.p3, 10, 3);
        row.push_back('\n');
        out << row;
    }
}

void write_soildata(std::ostream& out, const EngineState& s) {
    if (s.handover.announced_curves < 0) return;
    std::string text;
    fmt::put_i(text, s.handover.announced_curves, 5);
    text.push_back('\n');
    put_user_curves(text, s);
    out << text;
    for (const CurveRecord& r : s.handover.curves) {
        text.clear();
        put_record(text, r);
        out << text;
    }
}

std::string bmwall_text(const std::vector<PressureRow>& points) {
    std::ostringstream out;
    write_bmwall(out, points);
    return std::move(out).str();
}

std::string soildata_text(const EngineState& s) {
    std::ostringstream out;
    write_soildata(out, s);
    return std::move(out).str();
}

}  // namespace vornel::soil
