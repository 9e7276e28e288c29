// Fixed-column number and text fields for the engine's text output.
//
// Every line of the report, the plot data file, the monitor file and the scratch files is
// built from fields whose widths never vary, so that the columns of a table line up and
// the files can be read back by position. The field kinds follow the classic edit
// descriptors:
//
//   I(w)      integer, right-aligned in w columns
//   F(w.d)    fixed point with d decimals
//   E(w.d)    0.ddddE+xx: sign only when negative, a zero before the point, d digits
//   1P-E(w.d) d.dddE+xx: one non-zero digit before the point, d digits after it
//   D(w.d)    as E(w.d) with the exponent letter D
//   A(w)      text, right-aligned in w columns, cut to its first w characters
//   nX        n blanks
//   L(w)      a logical, T or F right-aligned
//
// A number that does not fit its field prints as w asterisks. The leading zero of an E or
// F field is dropped when that is the only way to fit (-.500E+00 in nine columns).
// Exponents take two digits; a three-digit exponent replaces the exponent letter
// (0.100+100), as a Fortran processor writes it. A value that rounds to zero never shows
// a minus sign. NaN and infinities print as "NaN", "Inf" and "-Inf" right-aligned, so
// that they are visible rather than disguised as numbers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vornel::fmt {

// Appending forms: write the field at the end of `out`.
void put_i(std::string& out, long long value, int w);
void put_f(std::string& out, double value, int w, int d);
void put_e(std::string& out, double value, int w, int d, char letter = 'E');
// nX followed by E(w.d). An E field at least d + 7 wide never fills its width (sign, "0.", d
// digits and a four-character exponent), so the blanks are that field's own padding and
// both are written as one wider field.
void put_xe(std::string& out, int n, double value, int w, int d);
void put_es(std::string& out, double value, int w, int d);  // 1P-E(w.d)
void put_a(std::string& out, std::string_view text, int w);
void put_x(std::string& out, int n);
void put_l(std::string& out, bool value, int w);

// The value that an E(w.d) field written for `value` holds: `value` rounded to d significant
// decimal digits, as a reader of the field gets it back (0 for zero, the value itself when
// it is not finite). Values handed on in memory that a text file used to carry are rounded
// with it, so that nothing downstream changes.
double as_written_e(double value, int d);

// Returning forms, convenient in tests and one-off fields.
std::string i(long long value, int w);
std::string f(double value, int w, int d);
std::string e(double value, int w, int d);
std::string es(double value, int w, int d);
std::string d(double value, int w, int d);
std::string a(std::string_view text, int w);
std::string x(int n);

// One output line under construction: fields are appended left to right.
//   Line().x(6).text("NUMBER OF INCREMENTS = ").i(ninc, 3)
class Line {
  public:
    // Room for a whole report line at once, so that building it allocates once.
    Line() { s_.reserve(kTypicalLength); }

    Line& x(int n) {
        put_x(s_, n);
        return *this;
    }
    Line& i(long long v, int w) {
        put_i(s_, v, w);
        return *this;
    }
    Line& f(double v, int w, int d) {
        put_f(s_, v, w, d);
        return *this;
    }
    Line& e(double v, int w, int d) {
        put_e(s_, v, w, d, 'E');
        return *this;
    }
    Line& es(double v, int w, int d) {
        put_es(s_, v, w, d);
        return *this;
    }
    Line& d(double v, int w, int dd) {
        put_e(s_, v, w, dd, 'D');
        return *this;
    }
    Line& a(std::string_view t, int w) {
        put_a(s_, t, w);
        return *this;
    }
    Line& l(bool v, int w) {
        put_l(s_, v, w);
        return *this;
    }
    Line& text(std::string_view t) {
        s_.append(t);
        return *this;
    }
    Line& repeat(char c, int n) {
        s_.append(static_cast<size_t>(n > 0 ? n : 0), c);
        return *this;
    }

    const std::string& str() const { return s_; }
    operator const std::string&() const { return s_; }

  private:
    static constexpr std::size_t kTypicalLength = 136;
    std::string s_;
};

}  // namespace vornel::fmt
