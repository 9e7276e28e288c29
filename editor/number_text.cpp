#include "editor/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace vornel {

namespace {

// Rewrites the exponent of a printf %g text: "1e-05" -> "1E-5", "2.5e+10" -> "2.5E10".
std::string tidy_exponent(const char* text) {
    std::string s(text);
    const auto e = s.find_first_of("eE");
    if (e == std::string::npos) return s;
    std::string mantissa = s.substr(0, e);
    std::string exponent = s.substr(e + 1);
    bool negative = false;
    size_t i = 0;
    if (i < exponent.size() && (exponent[i] == '+' || exponent[i] == '-')) {
        negative = exponent[i] == '-';
        ++i;
    }
    while (i + 1 < exponent.size() && exponent[i] == '0') ++i;
    return mantissa + (negative ? "E-" : "E") + exponent.substr(i);
}

}  // namespace

std::string format_general_ld(long double value, int digits) {
    if (value == 0.0L) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Lg", digits, value);
    return tidy_exponent(buf);
}

QString format_general(double value, int digits) {
    if (value == 0.0) return QStringLiteral("0");
    char buf[64];
    if (digits >= 17) {
        // The fewest digits that read back to the same double.
        for (int p = 15; p <= 17; ++p) {
            std::snprintf(buf, sizeof buf, "%.*g", p, value);
            if (std::strtod(buf, nullptr) == value) break;
        }
    } else {
        std::snprintf(buf, sizeof buf, "%.*g", digits, value);
    }
    return QString::fromStdString(tidy_exponent(buf));
}

QString format_field(double value) {
    return format_general(value, 18);
}

QString format_file_real(double value) {
    return format_general(value, 8);
}

bool parse_decimal(const std::string& text, long double& value) {
    const size_t n = text.size();
    size_t i = 0;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        size_t exp_digits = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++exp_digits;
        if (exp_digits == 0) return false;
    }
    if (i != n) return false;
    errno = 0;
    const long double v = std::strtold(text.c_str(), nullptr);
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

bool parse_decimal(const QString& text, double& value) {
    long double v = 0;
    if (!parse_decimal(text.toStdString(), v)) return false;
    if (std::fabs(v) > static_cast<long double>(std::numeric_limits<double>::max())) return false;
    value = static_cast<double>(v);
    return true;
}

}  // namespace vornel
