#include "engine/core/fixed_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vornel::fmt {
namespace {

void stars(std::string& out, int w) { out.append(static_cast<size_t>(w > 0 ? w : 0), '*'); }

void pad_right_aligned(std::string& out, std::string_view body, int w) {
    if (w <= 0) return;
    if (static_cast<int>(body.size()) > w) {
        stars(out, w);
        return;
    }
    out.append(static_cast<size_t>(w) - body.size(), ' ');
    out.append(body);
}

// Non-finite values are shown by name so that they cannot pass for numbers.
bool put_non_finite(std::string& out, double v, int w) {
    if (std::isfinite(v)) return false;
    const char* name = std::isnan(v) ? "NaN" : (v > 0 ? "Inf" : "-Inf");
    pad_right_aligned(out, name, w);
    return true;
}

// True when every digit of a formatted number is zero: such a value prints unsigned.
bool all_zero_digits(std::string_view s) {
    for (char c : s) {
        if (c >= '1' && c <= '9') return false;
        if (c == 'e' || c == 'E') break;
    }
    return true;
}

// The exponent written by to_chars after its 'e': a sign and at least two digits.
int exponent_of(std::string_view text) {
    const bool minus = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return minus ? -value : value;
}

// Writes the exponent part: letter, sign and two digits, or sign and three digits.
void append_exponent(std::string& body, int exp10, char letter) {
    const int mag = std::abs(exp10);
    char buf[8];
    if (mag <= 99) {
        body.push_back(letter);
        body.push_back(exp10 < 0 ? '-' : '+');
        buf[0] = static_cast<char>('0' + mag / 10);
        buf[1] = static_cast<char>('0' + mag % 10);
        body.append(buf, 2);
    } else {
        body.push_back(exp10 < 0 ? '-' : '+');
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, mag);
        body.append(buf, end);
    }
}

// Fits `body` (which may start with "0." or "-0.") into w columns, dropping the optional
// zero before the point when that is needed.
void fit_number(std::string& out, std::string& body, int w) {
    if (static_cast<int>(body.size()) > w) {
        const size_t zero = body[0] == '-' ? 1 : 0;
        if (body.size() > zero + 1 && body[zero] == '0' && body[zero + 1] == '.') {
            body.erase(zero, 1);
        }
    }
    pad_right_aligned(out, body, w);
}

}  // namespace

void put_x(std::string& out, int n) { out.append(static_cast<size_t>(n > 0 ? n : 0), ' '); }

void put_i(std::string& out, long long value, int w) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    pad_right_aligned(out, std::string_view(buf, static_cast<size_t>(end - buf)), w);
}

void put_f(std::string& out, double value, int w, int d) {
    if (put_non_finite(out, value, w)) return;
    if (d < 0) d = 0;
    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, d);
    if (ec != std::errc()) {
        stars(out, w);
        return;
    }
    std::string body(buf, end);
    if (body[0] == '-' && all_zero_digits(body)) body.erase(0, 1);
    if (d == 0) body.push_back('.');  // F(w.0) keeps its decimal point
    fit_number(out, body, w);
}

void put_e(std::string& out, double value, int w, int d, char letter) {
    if (put_non_finite(out, value, w)) return;
    if (d < 1) d = 1;
    if (value == 0.0) {
        std::string body = "0.";
        body.append(static_cast<size_t>(d), '0');
        append_exponent(body, 0, letter);
        fit_number(out, body, w);
        return;
    }
    // Round to d significant digits first: d.ddd...e+xx, then move the point left by one.
    // The body is built on the stack: this field fills whole tables of the output files.
    char buf[64];
    auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, d - 1);
    if (ec != std::errc()) {
        stars(out, w);
        return;
    }
    std::string_view s(buf, static_cast<size_t>(end - buf));
    const bool negative = s[0] == '-';
    if (negative) s.remove_prefix(1);
    const size_t epos = s.find('e');
    const int exp10 = exponent_of(s.substr(epos + 1)) + 1;
    char text[96];
    size_t n = 0;
    if (negative) text[n++] = '-';
    text[n++] = '0';
    text[n++] = '.';
    for (size_t k = 0; k < epos; ++k) {
        if (s[k] != '.') text[n++] = s[k];
    }
    const int mag = exp10 < 0 ? -exp10 : exp10;
    if (mag <= 99) {
        text[n++] = letter;
        text[n++] = exp10 < 0 ? '-' : '+';
        text[n++] = static_cast<char>('0' + mag / 10);
        text[n++] = static_cast<char>('0' + mag % 10);
    } else {
        text[n++] = exp10 < 0 ? '-' : '+';
        n = static_cast<size_t>(std::to_chars(text + n, text + sizeof text, mag).ptr - text);
    }
    if (static_cast<int>(n) > w) {  // drop the optional zero before the point
        const size_t zero = negative ? 1 : 0;
        std::copy(text + zero + 1, text + n, text + zero);
        --n;
    }
    pad_right_aligned(out, std::string_view(text, n), w);
}

void put_es(std::string& out, double value, int w, int d) {
    if (put_non_finite(out, value, w)) return;
    if (d < 0) d = 0;
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, d);
    if (ec != std::errc()) {
        stars(out, w);
        return;
    }
    std::string_view s(buf, static_cast<size_t>(end - buf));
    const size_t epos = s.find('e');
    int exp10 = exponent_of(s.substr(epos + 1));
    std::string body(s.substr(0, epos));
    if (value == 0.0) exp10 = 0;
    if (body[0] == '-' && all_zero_digits(body)) body.erase(0, 1);
    append_exponent(body, exp10, 'E');
    pad_right_aligned(out, body, w);
}

void put_a(std::string& out, std::string_view text, int w) {
    if (w <= 0) return;
    if (static_cast<int>(text.size()) >= w) {
        out.append(text.substr(0, static_cast<size_t>(w)));
    } else {
        out.append(static_cast<size_t>(w) - text.size(), ' ');
        out.append(text);
    }
}

void put_l(std::string& out, bool value, int w) { pad_right_aligned(out, value ? "T" : "F", w); }

std::string i(long long value, int w) {
    std::string s;
    put_i(s, value, w);
    return s;
}
std::string f(double value, int w, int d) {
    std::string s;
    put_f(s, value, w, d);
    return s;
}
std::string e(double value, int w, int d) {
    std::string s;
    put_e(s, value, w, d, 'E');
    return s;
}
std::string es(double value, int w, int d) {
    std::string s;
    put_es(s, value, w, d);
    return s;
}
std::string d(double value, int w, int dd) {
    std::string s;
    put_e(s, value, w, dd, 'D');
    return s;
}
std::string a(std::string_view text, int w) {
    std::string s;
    put_a(s, text, w);
    return s;
}
std::string x(int n) {
    std::string s;
    put_x(s, n);
    return s;
}

}  // namespace vornel::fmt
