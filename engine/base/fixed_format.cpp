#include "engine/base/fixed_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace vornel::fmt {
namespace {

void stars(std::string& out, int w) {
    out.append(static_cast<size_t>(w > 0 ? w : 0), '*');
}

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

// "00", "01", ... "99": two digits per division by 100, which halves the divisions of a
// digit loop.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the `count` lowest decimal digits of n to p[0 .. count), with leading zeros.
void put_digits(char* p, std::uint32_t n, int count) {
    while (count >= 2) {
        const std::uint32_t q = n / 100;
        const std::uint32_t r = n - q * 100;
        count -= 2;
        std::memcpy(p + count, kDigitPairs + 2 * r, 2);
        n = q;
    }
    if (count == 1) *p = static_cast<char>('0' + n % 10);
}

// The number of decimal digits of n (1 for 0).
int digit_count(std::uint32_t n) {
    int k = 1;
    while (n >= 10) {
        n /= 10;
        ++k;
    }
    return k;
}

constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The nearest doubles to 10^-k: multiplying by them is several times faster than dividing by
// 10^k, at the price of one more rounding.
constexpr double kInversePow10[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                    1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15,
                                    1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};

// The d significant digits of a > 0 (d <= 9) as an integer n and the exponent with
// a ~ 0.n x 10^exp10, by scaling with powers of ten: a product with 10^s, exact for s >= 0,
// or with the nearest double to 10^s for s < 0, and at most one product with 0.1. The
// relative error is below 4.5e-16, less than 4.5e-7 at these sizes, so the rounding decision
// is the exact one unless the scaled value lies within 1e-6 of a midpoint; then (and for
// extreme exponents) false is returned and the exact digits must be used.
[[gnu::always_inline]] inline bool scaled_digits(double a, int d, long long& n, int& exp10) {
    // a = f x 2^e2 with f in [0.5, 1); (x * 78913) >> 18 is floor(x log10 2) for |x| < 2700.
    const auto bits = std::bit_cast<std::uint64_t>(a);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    if (biased == 0 || biased == 0x7ff) return false;  // subnormal or not finite: exact digits
    const int e2 = biased - 1022;
    int e = ((e2 - 1) * 78913) >> 18;  // floor(log10 a), or one less
    const int s = d - 1 - e;
    if (s > 22 || s < -22) return false;
    // m lies in [10^(d-1), 10^(d+1)) up to the rounding error; one step down brings it into
    // [10^(d-1), 10^d). A value just below 10^(d-1) by rounding gives whole = 10^(d-1) - 1
    // with a fraction next to one, which rounds up to the right digits.
    const auto high = static_cast<long long>(kPow10[d]);
    double m = a * (s >= 0 ? kPow10[s] : kInversePow10[-s]);
    if (m >= kPow10[d]) {
        m *= 0.1;
        ++e;
    }
    const auto whole = static_cast<long long>(m);  // m > 0: truncation is the floor
    const double frac = m - static_cast<double>(whole);
    if (std::fabs(frac - 0.5) < 1e-6) return false;
    n = whole + (frac > 0.5 ? 1 : 0);
    if (n >= high) {
        n /= 10;
        ++e;
    }
    exp10 = e + 1;
    return true;
}

// The E(w.d) field of a finite value with up to 9 digits, built in place at the end of `out`;
// false when the exact digits are needed. The layout is the one put_e gives through
// append_exponent and fit_number.
bool put_e_scaled(std::string& out, double value, int w, int d, char letter) {
    long long n = 0;
    int exp10 = 0;
    if (d > 9) return false;
    if (value != 0.0 && !scaled_digits(std::fabs(value), d, n, exp10)) return false;
    const int mag = exp10 < 0 ? -exp10 : exp10;
    if (mag > 999) return false;
    const bool negative = value < 0;
    int len = (negative ? 1 : 0) + 2 + d + 4;  // sign, "0.", digits, exponent
    const bool zero = len > w;                 // drop the optional zero before the point
    if (zero) --len;
    if (w <= 0) return true;
    if (len > w) {
        stars(out, w);
        return true;
    }
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(w), ' ');
    char* p = out.data() + at + (w - len);
    if (negative) *p++ = '-';
    if (!zero) *p++ = '0';
    *p++ = '.';
    put_digits(p, static_cast<std::uint32_t>(n), d);  // n < 10^d <= 10^9
    p += d;
    if (mag <= 99) {
        *p++ = letter;
        *p++ = exp10 < 0 ? '-' : '+';
    } else {
        *p++ = exp10 < 0 ? '-' : '+';
        *p++ = static_cast<char>('0' + mag / 100);
    }
    std::memcpy(p, kDigitPairs + 2 * (mag % 100), 2);
    return true;
}

// The F(w.d) field of a finite value below 1e9 / 10^d, d <= 9, built in place; false when
// the exact digits are needed. |value| x 10^d is formed with one rounding (an error below
// 1.2e-7 at these sizes), so its rounding to an integer is the exact one unless it lies
// within 1e-6 of a midpoint.
bool put_f_scaled(std::string& out, double value, int w, int d) {
    if (d > 9) return false;
    const double m = std::fabs(value) * kPow10[d];
    if (!(m < 1e9)) return false;
    const auto whole = static_cast<long long>(m);
    const double frac = m - static_cast<double>(whole);
    if (std::fabs(frac - 0.5) < 1e-6) return false;
    long long n = whole + (frac > 0.5 ? 1 : 0);
    const bool negative = value < 0 && n != 0;  // a value that rounds to zero shows no sign
    // n < 10^9: the integer part and the fraction both fit 32 bits.
    const auto scale = static_cast<std::uint32_t>(kPow10[d]);
    const auto integer = static_cast<std::uint32_t>(n) / scale;
    const auto fraction = static_cast<std::uint32_t>(n) - integer * scale;
    const int k = digit_count(integer);
    int len = (negative ? 1 : 0) + k + 1 + d;
    bool drop_zero = false;
    if (len > w && integer == 0) {  // drop the optional zero before the point
        drop_zero = true;
        --len;
    }
    if (w <= 0) return true;
    if (len > w) {
        stars(out, w);
        return true;
    }
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(w), ' ');
    char* p = out.data() + at + (w - len);
    if (negative) *p++ = '-';
    if (!drop_zero) {
        put_digits(p, integer, k);
        p += k;
    }
    *p++ = '.';
    put_digits(p, fraction, d);
    return true;
}

}  // namespace

void put_x(std::string& out, int n) {
    out.append(static_cast<size_t>(n > 0 ? n : 0), ' ');
}

void put_i(std::string& out, long long value, int w) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    pad_right_aligned(out, std::string_view(buf, static_cast<size_t>(end - buf)), w);
}

void put_f(std::string& out, double value, int w, int d) {
    if (put_non_finite(out, value, w)) return;
    if (d < 0) d = 0;
    if (put_f_scaled(out, value, w, d)) return;
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
    if (put_e_scaled(out, value, w, d, letter)) return;
    std::string body;
    if (value == 0.0) {
        body = "0.";
        body.append(static_cast<size_t>(d), '0');
        append_exponent(body, 0, letter);
        fit_number(out, body, w);
        return;
    }
    // Round to d significant digits first: d.ddd...e+xx, then move the point left by one.
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
    const int exp10 = std::atoi(std::string(s.substr(epos + 1)).c_str()) + 1;
    if (negative) body.push_back('-');
    body.append("0.");
    for (size_t k = 0; k < epos; ++k) {
        if (s[k] != '.') body.push_back(s[k]);
    }
    append_exponent(body, exp10, letter);
    fit_number(out, body, w);
}

void put_xe(std::string& out, int n, double value, int w, int d) {
    if (n > 0 && w >= d + 7 && d >= 1) {
        put_e(out, value, w + n, d);
        return;
    }
    put_x(out, n);
    put_e(out, value, w, d);
}

double as_written_e(double value, int d) {
    if (!std::isfinite(value) || value == 0.0) return std::isfinite(value) ? 0.0 : value;
    if (d < 1) d = 1;
    long long n = 0;
    int exp10 = 0;
    // value ~ 0.n x 10^exp10 = n x 10^k. With n and 10^|k| exact doubles, one multiplication
    // or division rounds once, to the double nearest the decimal: what a reader returns.
    if (d <= 9 && scaled_digits(std::fabs(value), d, n, exp10)) {
        const int k = exp10 - d;
        if (k >= -22 && k <= 22) {
            const double m = static_cast<double>(n);
            const double r = k >= 0 ? m * kPow10[k] : m / kPow10[-k];
            return value < 0 ? -r : r;
        }
    }
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, d - 1);
    double r = value;
    if (ec == std::errc()) std::from_chars(buf, end, r);
    return r;
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
    int exp10 = std::atoi(std::string(s.substr(epos + 1)).c_str());
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

void put_l(std::string& out, bool value, int w) {
    pad_right_aligned(out, value ? "T" : "F", w);
}

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
