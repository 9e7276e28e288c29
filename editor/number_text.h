// Number-to-text rules of the editor.
//
// Three renderings are used: the evaluator's intermediate results (18 significant digits, so
// that a chain of operations loses nothing a typed number carries), the values shown in fields
// and cells (a double shown with the fewest digits that read back to the same double), and the
// reals of the data file (at most 8 significant digits). Exponents are written the way the
// data files have always held them: a capital "E", no "+", no leading zeros ("1E-5", "2.5E10").
#pragma once

#include <QString>
#include <string>

namespace vornel {

// General format of an extended value with `digits` significant digits (1..18).
std::string format_general_ld(long double value, int digits);

// General format of a double with at most `digits` significant digits; with 17 or more the
// shortest text that reads back to the same double is used.
QString format_general(double value, int digits);

// A value as shown in a numeric field (general format, up to 18 significant digits).
QString format_field(double value);

// A real of the data file: at most 8 significant digits, fixed or exponent form.
QString format_file_real(double value);

// Strict decimal number: optional sign, digits with an optional point, optional exponent
// ("E" or "e"). No blanks, no "inf"/"nan", no hexadecimal. Returns false when `text` is not
// such a number or does not fit a finite extended value.
bool parse_decimal(const std::string& text, long double& value);
bool parse_decimal(const QString& text, double& value);

}  // namespace vornel
