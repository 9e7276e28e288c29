#include "editor/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vornel {

namespace {

// Rewrites the exponent of a general-format text: "1e-05" -> "1E-5", "2.5e+10" -> "2.5E10".
std::string tidy_exponent(std::string s) {
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

// General format with `digits` significant digits, trailing zeros removed, as printf's "%.*g"
// writes it in the C locale; the characters never depend on the process locale.
template <typename T>
std::string general(T value, int digits) {
    char buf[128];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    if (ec != std::errc()) return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
    return std::string(buf, end);
}

// Checks the strict grammar: sign, digits with an optional point, optional exponent. Sets
// `negative_exponent` when the exponent has a minus sign.
bool is_decimal(const std::string& text, bool& negative_exponent) {
    const size_t n = text.size();
    size_t i = 0;
    negative_exponent = false;
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
        if (i < n && (text[i] == '+' || text[i] == '-')) negative_exponent = text[i++] == '-';
        size_t exp_digits = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++exp_digits;
        if (exp_digits == 0) return false;
    }
    return i == n;
}

enum class Decimal { Ok, NotANumber, TooLarge };

Decimal read_decimal(const std::string& text, long double& value) {
    bool negative_exponent = false;
    if (!is_decimal(text, negative_exponent)) return Decimal::NotANumber;
    const char* first = text.data();
    if (*first == '+') ++first;  // from_chars takes no plus sign
    long double v = 0;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Below the smallest extended value the number is zero; above the largest it is not
        // a number this program can hold.
        if (!negative_exponent) return Decimal::TooLarge;
        v = text.front() == '-' ? -0.0L : 0.0L;
    } else if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) {
        return Decimal::NotANumber;
    }
    value = v;
    return Decimal::Ok;
}

}  // namespace

std::string format_general_ld(long double value, int digits) {
    if (value == 0.0L) return "0";
    return tidy_exponent(general(value, digits));
}

QString format_general(double value, int digits) {
    if (value == 0.0) return QStringLiteral("0");
    std::string text;
    if (digits >= 17) {
        // The fewest digits (from 15) that read back to the same double.
        for (int p = 15; p <= 17; ++p) {
            text = general(value, p);
            double back = 0;
            std::from_chars(text.data(), text.data() + text.size(), back);
            if (back == value) break;
        }
    } else {
        text = general(value, digits);
    }
    return QString::fromStdString(tidy_exponent(std::move(text)));
}

QString format_field(double value) {
    return format_general(value, kShownDigits);
}

QString format_file_real(double value) {
    return format_general(value, kShownDigits);
}

bool parse_decimal(const std::string& text, long double& value) {
    return read_decimal(text, value) == Decimal::Ok;
}

bool decimal_too_large(const std::string& text) {
    long double v = 0;
    return read_decimal(text, v) == Decimal::TooLarge;
}

bool parse_decimal(const QString& text, double& value) {
    long double v = 0;
    if (!parse_decimal(text.toStdString(), v)) return false;
    if (std::fabs(v) > static_cast<long double>(std::numeric_limits<double>::max())) return false;
    value = static_cast<double>(v);
    return true;
}

long double round_to_digits(long double value, int digits) {
    if (value == 0.0L || !std::isfinite(value)) return value;
    char buf[128];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    long double back = value;
    if (ec == std::errc()) std::from_chars(buf, end, back);
    return back;
}

bool is_storable(double value) {
    return std::isfinite(value) && std::fabs(value) <= kLargestStored;
}

}  // namespace vornel
