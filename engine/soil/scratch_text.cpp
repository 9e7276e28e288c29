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

// Text built a few kilobytes at a time and handed to a stream: the files never sit whole in
// memory, and the stream sees a handful of large writes.
class Chunks {
  public:
    // Room for a chunk and the record that ends it (a curve record is about a kilobyte).
    explicit Chunks(std::ostream& out) : out_(out) { text_.reserve(2 * kSize); }
    ~Chunks() { flush(); }
    Chunks(const Chunks&) = delete;
    Chunks& operator=(const Chunks&) = delete;

    std::string& text() { return text_; }
    // Call at the end of a line.
    void line_done() {
        if (text_.size() >= kSize) flush();
    }

  private:
    static constexpr std::size_t kSize = 8 * 1024;
    void flush() {
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        text_.clear();
    }
    std::ostream& out_;
    std::string text_;
};

}  // namespace

void write_bmwall(std::ostream& out, const std::vector<PressureRow>& points) {
    Chunks chunks(out);
    std::string& text = chunks.text();
    text.push_back(' ');
    text.append(std::to_string(points.size()));
    text.push_back('\n');
    for (const PressureRow& r : points) {
        fmt::put_xe(text, 5, r.depth, 10, 3);
        fmt::put_xe(text, 4, r.p1, 10, 3);
        fmt::put_xe(text, 4, r.p2, 10, 3);
        fmt::put_xe(text, 4, r.p3, 10, 3);
        text.push_back('\n');
        chunks.line_done();
    }
}

void write_soildata(std::ostream& out, const EngineState& s) {
    if (s.handover.announced_curves < 0) return;
    Chunks chunks(out);
    std::string& text = chunks.text();
    fmt::put_i(text, s.handover.announced_curves, 5);
    text.push_back('\n');
    put_user_curves(text, s);
    chunks.line_done();
    for (const CurveRecord& r : s.handover.curves) {
        put_record(text, r);
        chunks.line_done();
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
