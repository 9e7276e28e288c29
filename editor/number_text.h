// Number-to-text rules of the editor.
//
// Three renderings are used: the evaluator's intermediate results (18 significant digits, so
// that a chain of operations loses nothing a typed number carries), the values shown in fields
// and cells, and the reals of the data file. The last two use the 8 significant digits the
// file keeps: a value converted from file units shows "115", not the binary noise of the
// conversion ("115.00000000000001"). Exponents are written the way the data files have always
// held them: a capital "E", no "+", no leading zeros ("1E-5", "2.5E10").
//
// The point is the decimal separator in every locale: numbers are written with std::to_chars
// and read with std::from_chars, which never consult the process locale (a desktop in German
// sets LC_NUMERIC to a decimal comma, and printf and strtod follow it).
#pragma once

#include <QString>
#include <string>

namespace vornel {

// Significant digits of a real in the data file, in a field and in a table cell.
inline constexpr int kShownDigits = 8;

// The largest magnitude a field or cell stores. Every unit conversion of the editor and the
// file (at most a factor of about 1e6) keeps such a value finite, so it can always be written
// and read back.
inline constexpr double kLargestStored = 1e300;

// General format of an extended value with `digits` significant digits (1..18).
std::string format_general_ld(long double value, int digits);

// General format of a double with at most `digits` significant digits; with 17 or more the
// shortest text (from 15 digits) that reads back to the same double is used.
QString format_general(double value, int digits);

// A value as shown in a numeric field or a table cell: at most 8 significant digits.
QString format_field(double value);

// A real of the data file: at most 8 significant digits, fixed or exponent form.
QString format_file_real(double value);

// Strict decimal number: optional sign, digits with an optional point, optional exponent
// ("E" or "e"). No blanks, no "inf"/"nan", no hexadecimal, no comma. Returns false when
// `text` is not such a number or does not fit a finite extended value (a number below the
// smallest extended value reads as 0).
bool parse_decimal(const std::string& text, long double& value);
bool parse_decimal(const QString& text, double& value);
// True when `text` is a decimal number too large for an extended value ("1E5000").
bool decimal_too_large(const std::string& text);

// `value` rounded to `digits` significant digits.
long double round_to_digits(long double value, int digits);

// A finite value within +-kLargestStored.
bool is_storable(double value);

namespace number_text {
inline constexpr char kNotStorable[] =
    "Entry is too large to be stored: a value must lie between -1E300 and 1E300.";
}  // namespace number_text

}  // namespace vornel
