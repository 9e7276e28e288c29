#include "tools/results_export.h"

#include <cmath>
#include <cstdio>

namespace vornel::tools {
namespace {

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

// Round-trip text of a double; `non_finite` for NaN and infinities.
std::string number(double v, const char* nan_text, const char* inf_text, const char* ninf_text) {
    if (std::isnan(v)) return nan_text;
    if (std::isinf(v)) return v > 0 ? inf_text : ninf_text;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::string csv_number(double v) {
    return number(v, "nan", "inf", "-inf");
}

std::string json_number(double v) {
    return number(v, "null", "null", "null");
}

std::string json_text(const std::string& s) {
    std::string t = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            t += '\\';
            t += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            t += buf;
        } else {
            t += c;
        }
    }
    return t + "\"";
}

std::string trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string json_units(const Units& u) {
    return "{\"length\": " + json_text(u.length) + ", \"force\": " + json_text(u.force) +
           ", \"slope\": \"RAD\", \"moment\": " + json_text(u.moment()) +
           ", \"reaction\": " + json_text(u.force) + ", \"ei\": " + json_text(u.ei()) +
           ", \"pressure\": " + json_text(u.pressure()) + "}";
}

std::string json_stations(const ProblemSummary& p) {
    std::string t = "[";
    for (std::size_t k = 0; k < p.stations.size(); ++k) {
        const StationResult& r = p.stations[k];
        t += std::string(k ? ",\n" : "\n") + "        {\"station\": " + std::to_string(k) +
             ", \"depth\": " + json_number(r.x) + ", \"deflection\": " + json_number(r.deflection) +
             ", \"slope\": " + json_number(r.slope) + ", \"moment\": " + json_number(r.moment) +
             ", \"shear\": " + json_number(r.shear) + ", \"reaction\": " + json_number(r.reaction) +
             ", \"ei\": " + json_number(r.ei) + "}";
    }
    return t + (p.stations.empty() ? "]" : "\n      ]");
}

std::string json_pressure(const ProblemSummary& p) {
    std::string t = "[";
    for (std::size_t k = 0; k < p.pressure.size(); ++k) {
        const PressurePoint& q = p.pressure[k];
        t += std::string(k ? ",\n" : "\n") + "        {\"depth\": " + json_number(q.depth) +
             ", \"total\": " + json_number(q.total) + ", \"soil\": " + json_number(q.soil) +
             ", \"surcharge\": " + json_number(q.surcharge) + "}";
    }
    return t + (p.pressure.empty() ? "]" : "\n      ]");
}

std::string json_maximum(double value, double depth) {
    return "{\"value\": " + json_number(value) + ", \"depth\": " + json_number(depth) + "}";
}

std::string json_problem(const std::vector<ProblemSummary>& problems, std::size_t i) {
    const ProblemSummary& p = problems[i];
    std::string warnings = "[";
    for (std::size_t k = 0; k < p.warnings.size(); ++k)
        warnings += (k ? ", " : "") + json_text(p.warnings[k]);
    warnings += "]";
    return "    {\n      \"problem\": " + std::to_string(p.problem) +
           ",\n      \"title\": " + json_text(trimmed(p.title)) +
           ",\n      \"kind\": " + json_text(problem_kind(problems, i)) +
           ",\n      \"unit_system\": " + std::to_string(p.unit_system) +
           ",\n      \"units\": " + json_units(units_of(p.unit_system)) +
           ",\n      \"iterations\": " + std::to_string(p.outcome.iterations) +
           ",\n      \"converged\": " + (p.outcome.converged ? "true" : "false") +
           ",\n      \"warnings\": " + warnings + ",\n      \"maxima\": {\"deflection\": " +
           json_maximum(p.max_deflection, p.max_deflection_depth) +
           ", \"moment\": " + json_maximum(p.max_moment, p.max_moment_depth) +
           ", \"shear\": " + json_maximum(p.max_shear, p.max_shear_depth) + "}" +
           ",\n      \"stations\": " + json_stations(p) +
           ",\n      \"earth_pressure\": " + json_pressure(p) + "\n    }";
}

}  // namespace

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
    std::string t = "{\n  \"deck\": " + json_text(deck) + ",\n  \"problems\": [";
    for (std::size_t i = 0; i < problems.size(); ++i)
        t += std::string(i ? ",\n" : "\n") + json_problem(problems, i);
    return t + (problems.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace vornel::tools
