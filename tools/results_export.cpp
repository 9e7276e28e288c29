#include "tools/results_export.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace vornel::tools {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::size_t kTitleBytes = 70;  // what the engine keeps of a title line

struct Units {
    std::string length, force;
    std::string moment() const { return force + "-" + length; }
    std::string ei() const { return force + "-" + length + "**2"; }
    std::string pressure() const { return force + "/" + length; }
};

Units units_of(int unit_system) {
    if (unit_system == 1) return {"IN", "LBS"};
    if (unit_system == 2) return {"M", "KN"};
    return {"L", "F"};
}

std::string csv_number(double v) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    // Seventeen significant digits read back as the same double; a point in every locale.
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17).ptr;
    return std::string(buf, end);
}

// JSON writes the shortest text that reads back as the same double; null when not finite.
Json json_number(double v) {
    return std::isfinite(v) ? Json(v) : Json(nullptr);
}

// Length of the valid UTF-8 sequence at `i`, 0 when there is none; `cut` is set when the bytes
// end inside an otherwise valid sequence.
std::size_t utf8_length(const std::string& s, std::size_t i, bool& cut) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        n = 3, low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
    else if (c >= 0xF0 && c <= 0xF4)
        n = 4, low = c == 0xF0 ? 0x90 : 0x80, high = c == 0xF4 ? 0x8F : 0xBF;
    else
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if (i + k >= s.size()) {
            cut = true;
            return 0;
        }
        const unsigned char lo = k == 1 ? low : 0x80, hi = k == 1 ? high : 0xBF;
        if (b(i + k) < lo || b(i + k) > hi) return 0;
    }
    return n;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Windows-1252: Latin-1 but for 0x80..0x9F; the five unassigned bytes keep their code points.
char32_t windows_1252(unsigned char c) {
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
}

std::string trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

Json json_units(const Units& u) {
    return Json{{"length", u.length},      {"force", u.force},    {"slope", "RAD"},
                {"moment", u.moment()},    {"reaction", u.force}, {"ei", u.ei()},
                {"pressure", u.pressure()}};
}

Json json_stations(const ProblemSummary& p) {
    Json t = Json::array();
    for (std::size_t k = 0; k < p.stations.size(); ++k) {
        const StationResult& r = p.stations[k];
        t.push_back(Json{{"station", k},
                         {"depth", json_number(r.x)},
                         {"deflection", json_number(r.deflection)},
                         {"slope", json_number(r.slope)},
                         {"moment", json_number(r.moment)},
                         {"shear", json_number(r.shear)},
                         {"reaction", json_number(r.reaction)},
                         {"ei", json_number(r.ei)}});
    }
    return t;
}

Json json_pressure(const ProblemSummary& p) {
    Json t = Json::array();
    for (const PressurePoint& q : p.pressure)
        t.push_back(Json{{"depth", json_number(q.depth)},
                         {"total", json_number(q.total)},
                         {"soil", json_number(q.soil)},
                         {"surcharge", json_number(q.surcharge)}});
    return t;
}

Json json_maximum(double value, double depth) {
    return Json{{"value", json_number(value)}, {"depth", json_number(depth)}};
}

Json json_problem(const std::vector<ProblemSummary>& problems, std::size_t i) {
    const ProblemSummary& p = problems[i];
    Json warnings = Json::array();
    for (const std::string& w : p.warnings) warnings.push_back(utf8_text(w));
    return Json{{"problem", p.problem},
                {"title", trimmed(utf8_text(p.title, p.title.size() >= kTitleBytes))},
                {"kind", problem_kind(problems, i)},
                {"unit_system", p.unit_system},
                {"units", json_units(units_of(p.unit_system))},
                {"iterations", p.outcome.iterations},
                {"converged", p.outcome.converged},
                {"warnings", warnings},
                {"maxima",
                 {{"deflection", json_maximum(p.max_deflection, p.max_deflection_depth)},
                  {"moment", json_maximum(p.max_moment, p.max_moment_depth)},
                  {"shear", json_maximum(p.max_shear, p.max_shear_depth)}}},
                {"stations", json_stations(p)},
                {"earth_pressure", json_pressure(p)}};
}

}  // namespace

std::string utf8_text(const std::string& bytes, bool may_be_cut) {
    bool valid = true, cut = false;
    std::size_t end = 0;  // end of the last whole character
    for (std::size_t i = 0; i < bytes.size() && valid && !cut;) {
        const std::size_t n = utf8_length(bytes, i, cut);
        if (n == 0) valid = cut && may_be_cut;
        i += n;
        if (n) end = i;
    }
    if (valid) return bytes.substr(0, end);
    std::string out;
    for (const char c : bytes) append_utf8(out, windows_1252(static_cast<unsigned char>(c)));
    return out;
}

std::string problem_kind(const std::vector<ProblemSummary>& problems, std::size_t index) {
    const ProblemSummary& p = problems[index];
    if (p.stage_count >= 2) return "stage " + std::to_string(p.problem);
    if (p.long_term) return "long-term";
    if (index + 1 < problems.size() && problems[index + 1].long_term) return "short-term";
    return "single";
}

std::string results_csv(const std::vector<ProblemSummary>& problems) {
    const Units u = units_of(problems.empty() ? 0 : problems.front().unit_system);
    std::string t = "problem,station,depth (" + u.length + "),deflection (" + u.length +
                    "),slope (RAD),moment (" + u.moment() + "),shear (" + u.force +
                    "),net reaction (" + u.force + "),EI (" + u.ei() + ")\n";
    for (const ProblemSummary& p : problems) {
        for (std::size_t k = 0; k < p.stations.size(); ++k) {
            const StationResult& r = p.stations[k];
            t += std::to_string(p.problem) + "," + std::to_string(k) + "," + csv_number(r.x) + "," +
                 csv_number(r.deflection) + "," + csv_number(r.slope) + "," + csv_number(r.moment) +
                 "," + csv_number(r.shear) + "," + csv_number(r.reaction) + "," + csv_number(r.ei) +
                 "\n";
        }
    }
    return t;
}

std::string results_json(const std::string& deck, const std::vector<ProblemSummary>& problems) {
    Json list = Json::array();
    for (std::size_t i = 0; i < problems.size(); ++i) list.push_back(json_problem(problems, i));
    const Json doc{{"deck", utf8_text(deck)}, {"problems", list}};
    return doc.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace vornel::tools
