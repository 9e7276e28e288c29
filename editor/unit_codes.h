// Unit codes: the physical dimension of a value, independent of the unit system.
//
// A code such as "F/L2^3" is an optional numerator and denominator separated by "/", each a
// force part ("F", a kind digit, "^" and a one-digit exponent) and a length part ("L", ...),
// with one separator character between the two parts. Kinds and their labels:
//   F (F0) lbs/kN, F1 kips/kN, F2 tons/kN, F4 lb-sec2/in / Mg, F5 sec, F6 slug/Mg,
//   L (L0) in/m, L1 in/mm, L2 ft/m, L3 rad.
// Each kind carries the number of English units in one SI unit. A code without a force or
// length part ("DEG.", "RAD.", "SEE NOTES") names no convertible unit: its factor is 1.
//
// Unit systems: 1 English, 2 SI, 3 other (no named unit, never converted). The chart tables
// know a restricted set of kinds (F, F1, F2, L, L1, L2); any other kind digit is then not
// taken as a kind.
#pragma once

#include <QString>

namespace vornel {

enum UnitSystem : int { kEnglish = 1, kSI = 2, kOtherUnits = 3 };

enum class UnitKinds { Full, Chart };

// Factor by which a value in `from` is multiplied to express it in `to`: value(numerator) /
// value(denominator) from SI to English, its reciprocal from English to SI, 1 otherwise.
double unit_factor(int from, int to, const QString& code, UnitKinds kinds = UnitKinds::Full);

// Label for a table column: every kind replaced by its label in `system`, in the order F2, F1,
// F4, F5, F6, F, L3, L2, L1, L ("F/L2^2" reads "lbs/ft^2" in English).
QString unit_label_column(const QString& code, int system, UnitKinds kinds = UnitKinds::Full);

// Label for a numeric field: only the first force kind found (order F6, F5, F4, F2, F1, F)
// and the first length kind found (L2, L1, L3, L) are replaced; the other system shows the
// code itself.
QString unit_label_field(const QString& code, int system);

}  // namespace vornel
