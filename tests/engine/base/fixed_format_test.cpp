#include "engine/base/fixed_format.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "engine/base/free_format_reader.h"

namespace vornel::fmt {
namespace {

// A repeatable stream of pseudo-random numbers for the spreads of values below.
struct Xorshift {
    std::uint64_t state;
    std::uint64_t operator()() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
};

TEST(FixedFormatInteger, RightAlignsAndOverflowsToAsterisks) {
    EXPECT_EQ(i(7, 3), "  7");
    EXPECT_EQ(i(-7, 3), " -7");
    EXPECT_EQ(i(0, 2), " 0");
    EXPECT_EQ(i(300, 3), "300");
    EXPECT_EQ(i(1000, 3), "***");
    EXPECT_EQ(i(-100, 3), "***");
    EXPECT_EQ(i(10, 1), "*");  // a count of ten layers in an I1 field
    EXPECT_EQ(i(12345, 10), "     12345");
}

TEST(FixedFormatFixed, RoundsToTheGivenDecimals) {
    EXPECT_EQ(f(6.0, 9, 3), "    6.000");
    EXPECT_EQ(f(0.5, 9, 3), "    0.500");
    EXPECT_EQ(f(-0.5, 9, 3), "   -0.500");
    EXPECT_EQ(f(2.0 / 3.0, 9, 3), "    0.667");
    EXPECT_EQ(f(1.0005, 9, 2), "     1.00");
    EXPECT_EQ(f(99.995, 6, 2), "100.00");  // 99.995 is stored just below; binary value rounds
    EXPECT_EQ(f(251.9, 10, 2), "    251.90");
    EXPECT_EQ(f(1.0, 5, 1), "  1.0");
}

TEST(FixedFormatFixed, ZeroAndNegativeZero) {
    EXPECT_EQ(f(0.0, 6, 2), "  0.00");
    EXPECT_EQ(f(-0.0, 6, 2), "  0.00");
    EXPECT_EQ(f(-0.0001, 6, 2), "  0.00");  // rounds to zero: no minus sign
}

TEST(FixedFormatFixed, DropsLeadingZeroOnlyWhenNeeded) {
    EXPECT_EQ(f(0.5, 4, 3), ".500");
    EXPECT_EQ(f(-0.5, 5, 3), "-.500");
    EXPECT_EQ(f(-0.5, 4, 3), "****");
}

TEST(FixedFormatFixed, TooWideIsAsterisks) {
    EXPECT_EQ(f(123456.0, 9, 3), "*********");
    EXPECT_EQ(f(-12345.0, 9, 3), "*********");
    EXPECT_EQ(f(12345.0, 9, 3), "12345.000");
    EXPECT_EQ(f(1.0e300, 10, 2), "**********");
}

TEST(FixedFormatExponent, MatchesTheClassicLayout) {
    EXPECT_EQ(e(1234.0, 10, 3), " 0.123E+04");
    EXPECT_EQ(e(-0.5, 10, 3), "-0.500E+00");
    EXPECT_EQ(e(0.5, 10, 3), " 0.500E+00");
    EXPECT_EQ(e(1.0, 10, 3), " 0.100E+01");
    EXPECT_EQ(e(0.0, 10, 3), " 0.000E+00");
    EXPECT_EQ(e(-0.0, 10, 3), " 0.000E+00");
    EXPECT_EQ(e(1.0e-5, 10, 3), " 0.100E-04");
    EXPECT_EQ(e(12.0, 13, 4), "   0.1200E+02");
    EXPECT_EQ(e(-12.0, 13, 4), "  -0.1200E+02");
    EXPECT_EQ(e(3.0e-20, 12, 3), "   0.300E-19");
}

TEST(FixedFormatExponent, RoundingCarriesIntoTheExponent) {
    EXPECT_EQ(e(0.99996, 10, 3), " 0.100E+01");
    EXPECT_EQ(e(9999.6, 10, 3), " 0.100E+05");
    EXPECT_EQ(e(0.12345, 10, 3), " 0.123E+00");
    EXPECT_EQ(e(0.12355, 10, 3), " 0.124E+00");
    EXPECT_EQ(e(-999.95, 10, 3), "-0.100E+04");
}

TEST(FixedFormatExponent, ThreeDigitExponentsReplaceTheLetter) {
    EXPECT_EQ(e(1.0e99, 10, 3), " 0.100+100");
    EXPECT_EQ(e(1.0e-100, 10, 3), " 0.100E-99");
    EXPECT_EQ(e(1.0e-101, 10, 3), " 0.100-100");
    EXPECT_EQ(e(-1.0e150, 10, 3), "-0.100+151");
}

TEST(FixedFormatExponent, NarrowFieldsDropTheZeroThenOverflow) {
    EXPECT_EQ(e(-0.5, 9, 3), "-.500E+00");
    EXPECT_EQ(e(0.5, 9, 3), "0.500E+00");
    EXPECT_EQ(e(-0.5, 8, 3), "********");
    EXPECT_EQ(e(1.0e-150, 9, 3), "0.100-149");
    EXPECT_EQ(e(1.0e-150, 8, 3), ".100-149");
}

TEST(FixedFormatExponent, DoubleLetterForm) {
    EXPECT_EQ(d(1234.0, 12, 4), "  0.1234D+04");
    EXPECT_EQ(d(-2.5e-7, 10, 3), "-0.250D-06");
    EXPECT_EQ(d(0.0, 9, 1), "  0.0D+00");
}

TEST(FixedFormatScaled, OneDigitBeforeThePoint) {
    EXPECT_EQ(es(1234.0, 9, 3), "1.234E+03");
    EXPECT_EQ(es(0.00001, 9, 3), "1.000E-05");
    EXPECT_EQ(es(-0.00001, 10, 3), "-1.000E-05");
    EXPECT_EQ(es(0.0, 9, 3), "0.000E+00");
    EXPECT_EQ(es(9.9996, 9, 3), "1.000E+01");
    EXPECT_EQ(es(-0.00001, 9, 3), "*********");
    EXPECT_EQ(es(1.0e100, 10, 3), " 1.000+100");
}

TEST(FixedFormatNonFinite, PrintsItsNameRatherThanANumber) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(e(nan, 10, 3), "       NaN");
    EXPECT_EQ(f(inf, 9, 3), "      Inf");
    EXPECT_EQ(es(-inf, 9, 3), "     -Inf");
    EXPECT_EQ(e(nan, 2, 1), "**");
}

TEST(FixedFormatText, RightAlignsAndCuts) {
    EXPECT_EQ(a("IN", 3), " IN");
    EXPECT_EQ(a("2015.5.7", 12), "    2015.5.7");
    EXPECT_EQ(a("ABCDEFG", 3), "ABC");
    EXPECT_EQ(a("", 2), "  ");
    EXPECT_EQ(x(5), "     ");
    EXPECT_EQ(x(0), "");
    EXPECT_EQ(x(-2), "");
}

TEST(FixedFormatLine, BuildsFieldsLeftToRight) {
    Line line;
    line.x(6).text("NUMBER OF INCREMENTS = ").i(60, 3);
    EXPECT_EQ(line.str(), "      NUMBER OF INCREMENTS =  60");

    Line row;
    row.x(2).i(12, 4).x(2).e(72.0, 10, 3).e(-0.0123, 12, 3).l(true, 6).d(5.0, 10, 2);
    EXPECT_EQ(row.str(), "    12   0.720E+02  -0.123E-01     T  0.50D+01");

    Line rule;
    rule.x(5).repeat('=', 3).repeat('-', 0);
    EXPECT_EQ(rule.str(), "     ===");
}

// Every value of a wide sweep must fill its field exactly and read back within half a unit
// of its last printed digit.
TEST(FixedFormatProperties, WidthAndRoundTripOverAWideRange) {
    for (int k = -60; k <= 60; ++k) {
        for (double mant : {1.0, 1.2345678, 4.9999999, 9.9999, -3.3333333, -9.99951}) {
            const double v = mant * std::pow(10.0, k / 2.0);
            const std::string s = e(v, 12, 4);
            ASSERT_EQ(s.size(), 12u) << v;
            ASSERT_EQ(s.find('*'), std::string::npos) << v;
            const double back = std::stod(s);
            ASSERT_LE(std::fabs(back - v), 0.5e-4 * std::fabs(back) * 10.0 + 1e-300) << s;

            const std::string p = es(v, 11, 3);
            ASSERT_EQ(p.size(), 11u) << v;
            ASSERT_LE(std::fabs(std::stod(p) - v), 0.5e-3 * std::fabs(v) + 1e-300) << p;
        }
    }
}

}  // namespace
}  // namespace vornel::fmt

namespace vornel::fmt {
namespace {

// E(w.d) from the C library's exact conversion, rearranged to the 0.ddd form.
std::string oracle_e(double v, int w, int d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", d - 1, v);
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const size_t e = s.find('e');
    const int exp10 = std::stoi(s.substr(e + 1)) + 1;
    std::string digits;
    for (size_t k = 0; k < e; ++k) {
        if (s[k] != '.') digits.push_back(s[k]);
    }
    const int mag = std::abs(exp10);
    char ex[16];
    if (mag <= 99) {
        std::snprintf(ex, sizeof ex, "E%c%02d", exp10 < 0 ? '-' : '+', mag);
    } else {
        std::snprintf(ex, sizeof ex, "%c%d", exp10 < 0 ? '-' : '+', mag);
    }
    std::string body = (negative ? "-0." : "0.") + digits + ex;
    if (static_cast<int>(body.size()) > w) body.erase(negative ? 1 : 0, 1);
    if (static_cast<int>(body.size()) > w) return std::string(static_cast<size_t>(w), '*');
    return std::string(static_cast<size_t>(w) - body.size(), ' ') + body;
}

// Every exponent field agrees with the exact conversion, midpoints and ties included.
TEST(FixedFormatExponent, AgreesWithTheExactConversion) {
    Xorshift next{12345};
    for (int i = 0; i < 200000; ++i) {
        const int d = 1 + static_cast<int>(next() % 9);
        const double mant = static_cast<double>(next() % 2000000001) / 1e9 - 1.0;
        const double v = mant * std::pow(10.0, static_cast<double>(next() % 61) - 30.0);
        const int w = d + 7 + static_cast<int>(next() % 3) - 1;
        ASSERT_EQ(e(v, w, d), oracle_e(v, w, d)) << v << " d=" << d << " w=" << w;
    }
    // Values on and next to midpoints of the printed digits.
    for (double v : {0.125,  0.375,  2.5,    0.12345,  0.12355,   1.0005,  99.995,
                     0.0625, 1234.5, 4.35,   8.25e-12, 9.9995e20, 0.15,    0.25,
                     0.35,   1e22,   9.5e22, 2.5e-7,   1.25e-15,  3.5e-20, 1.0005e-9}) {
        for (int d = 1; d <= 9; ++d) {
            for (double x : {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300), -v}) {
                ASSERT_EQ(e(x, 20, d), oracle_e(x, 20, d)) << x << " d=" << d;
            }
        }
    }
    // Powers of ten and their neighbours, where the digits carry into the exponent.
    for (int k = -30; k <= 30; ++k) {
        const double p = std::pow(10.0, k);
        for (double x : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e300), 0.9999999999 * p,
                         0.99995 * p, 1.00000001 * p}) {
            for (int d = 1; d <= 9; ++d) {
                ASSERT_EQ(e(x, 20, d), oracle_e(x, 20, d)) << x << " d=" << d;
                ASSERT_EQ(e(-x, 20, d), oracle_e(-x, 20, d)) << -x << " d=" << d;
            }
        }
    }
}

// Blanks before an E field wide enough never to fill itself are that field's own padding:
// nX, E(w.d) written as one wider field is the same text, whatever the value.
TEST(FixedFormatExponent, LeadingBlanksJoinAWideEnoughField) {
    Xorshift next{777};
    std::vector<double> values = {0.0,          -0.0,     1.0,      -1.0,   9.9995e99,
                                  -9.9995e99,   1e-100,   -1e-300,  5e-324, 1.7e308,
                                  std::nan(""), INFINITY, -INFINITY};
    for (int i = 0; i < 20000; ++i) {
        const double mant = static_cast<double>(next() % 2000000001) / 1e9 - 1.0;
        values.push_back(mant * std::pow(10.0, static_cast<double>(next() % 241) - 120.0));
    }
    for (const auto& [n, w, d] : std::vector<std::array<int, 3>>{
             {5, 10, 3}, {4, 10, 3}, {1, 15, 7}, {2, 10, 3}, {1, 13, 4}, {3, 9, 3}, {2, 6, 3}}) {
        for (double v : values) {
            std::string joined, apart;
            put_xe(joined, n, v, w, d);
            put_x(apart, n);
            put_e(apart, v, w, d);
            ASSERT_EQ(joined, apart) << v << " " << n << "X,E" << w << "." << d;
        }
    }
}

// The value an E field holds is exactly what reading the field back gives, over a spread of
// magnitudes, the values next to rounding midpoints and zero: E10.3 (the scratch files'
// pressure and curve points) and E15.7 (curve depths).
TEST(FixedFormatWrittenValue, EqualsTheFieldReadBack) {
    auto read_back = [](double v, int w, int d) {
        const std::string field = e(v, w, d);
        double back = 0.0;
        EXPECT_TRUE(parse_real(field.substr(field.find_first_not_of(' ')), back)) << field;
        return back;
    };
    std::uint64_t x = 88172645463325252ull;
    int checked = 0;
    for (int k = 0; k < 20000; ++k) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        const double mantissa = static_cast<double>(x % 1000000007ull) / 1000000007.0;
        const int exponent = static_cast<int>((x >> 32) % 60) - 30;
        double v = (k % 2 ? -1.0 : 1.0) * mantissa * std::pow(10.0, exponent);
        if (k % 5 == 0) v = (std::round(v * 1e3) + 0.5) / 1e3;  // near a midpoint
        for (int d : {3, 7}) {
            const int w = d == 3 ? 10 : 15;
            ASSERT_EQ(as_written_e(v, d), read_back(v, w, d)) << v << " " << d;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 40000);
    EXPECT_EQ(as_written_e(0.0, 3), 0.0);
    EXPECT_EQ(as_written_e(-0.0, 3), 0.0);
    EXPECT_FALSE(std::signbit(as_written_e(-0.0, 3)));
    EXPECT_EQ(as_written_e(2.7759, 3), 2.78);
    EXPECT_EQ(as_written_e(-0.0012345, 3), -0.00123);
    EXPECT_EQ(as_written_e(120.0999999, 7), 120.1);
    EXPECT_EQ(as_written_e(0.1235, 3), read_back(0.1235, 10, 3));  // binary 0.1235 lies below
}

// The fast fixed-point field agrees with the exactly rounded digits of the C library over a
// spread of magnitudes and decimals, next to rounding midpoints included.
TEST(FixedFormatFixed, AgreesWithExactRoundingOverASpread) {
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    for (int k = 0; k < 20000; ++k) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        const int d = static_cast<int>(x % 6);
        const double mantissa = static_cast<double>((x >> 8) % 1000000007ull) / 1000000007.0;
        double v =
            (k % 2 ? -1.0 : 1.0) * mantissa * std::pow(10.0, static_cast<int>((x >> 40) % 12) - 4);
        if (k % 3 == 0) v = (std::round(v * std::pow(10.0, d)) + 0.5) / std::pow(10.0, d);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*f", d, v);
        std::string expected = buf;
        if (expected[0] == '-' && expected.find_first_of("123456789") == std::string::npos) {
            expected.erase(0, 1);
        }
        if (d == 0) expected += '.';
        ASSERT_EQ(f(v, 24, d), std::string(24 - expected.size(), ' ') + expected) << v << " " << d;
    }
}

}  // namespace
}  // namespace vornel::fmt
