#include "editor/data_edit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "editor/expression_evaluator.h"
#include "editor/number_text.h"
#include "editor/unit_codes.h"

namespace vornel {

namespace {
constexpr long double kIntMin = -2147483648.0L;
constexpr long double kIntMax = 2147483647.0L;

double to_double(long double v) {
    constexpr long double m = std::numeric_limits<double>::max();
    return static_cast<double>(v > m ? m : v < -m ? -m : v);
}
}  // namespace

TDataEdit::TDataEdit()
    : min_(-std::numeric_limits<long double>::max()),
      max_(std::numeric_limits<long double>::max()) {}

double TDataEdit::Number() const {
    // A value shows 8 significant digits; while its text is untouched it keeps every digit.
    if (text_ == displayText(value_)) return value_;
    const EvalResult r = evaluate_expression(text_);
    return r.ok && is_storable(r.value) ? r.value : value_;
}

void TDataEdit::show(double v) {
    value_ = v;
    text_ = displayText(v);
}

void TDataEdit::setNumber(double value) {
    if (!loading_) {
        if (value < min_) value = to_double(min_);
        if (value > max_) value = to_double(max_);
    }
    show(value);
}

void TDataEdit::clampBounds() {
    if (integer_only_) {
        min_ = std::clamp(min_, kIntMin, kIntMax);
        max_ = std::clamp(max_, kIntMin, kIntMax);
    }
}

void TDataEdit::setMinVal(long double v) {
    if (loading_) {
        min_ = v;
        return;
    }
    min_ = v > max_ ? max_ : v;
    clampBounds();
    if (value_ < min_) show(to_double(min_));
}

void TDataEdit::setMaxVal(long double v) {
    if (loading_) {
        max_ = v;
        return;
    }
    max_ = v < min_ ? min_ : v;
    clampBounds();
    if (value_ > max_) show(to_double(max_));
}

void TDataEdit::setIntegerOnly(bool on) {
    integer_only_ = on;
    if (on && !loading_) {
        setMinVal(min_);
        setMaxVal(max_);
    }
}

void TDataEdit::setHex(bool on) {
    hex_ = on;
    text_ = displayText(value_);
}

void TDataEdit::setUnits(int system) {
    units_ = std::clamp(system, 1, 3);
}

QString TDataEdit::labelText() const {
    if (units_string_.isEmpty()) return caption_;
    return caption_ + QStringLiteral(" (") + unit_label_field(units_string_, units_) +
           QStringLiteral(")");
}

QString TDataEdit::displayText(double value) const {
    if (!hex_) return format_field(value);
    const long double r = std::nearbyint(static_cast<long double>(value));
    const auto n = static_cast<long long>(std::clamp(r, -9.2e18L, 9.2e18L));
    QString digits = QString::number(n < 0 ? -n : n, 16).toUpper().rightJustified(4, '0');
    return (n < 0 ? QStringLiteral("-$") : QStringLiteral("$")) + digits;
}

ValidationResult TDataEdit::validate() {
    if (text_ == displayText(value_) && value_ >= min_ && value_ <= max_) return {true, {}};
    const EvalResult r = evaluate_expression(text_);
    if (!r.ok) {
        // A malformed text in an integer field gets the integer message; an arithmetic
        // fault keeps its own message so that the engineer sees what went wrong.
        if (integer_only_ && !r.arithmetic) return {false, data_edit_text::kValidInteger};
        return {false, r.message};
    }
    if (integer_only_ && r.value != std::trunc(r.value)) return {false, data_edit_text::kInteger};
    if (r.value < min_) {
        show(to_double(min_));
        return {false, data_edit_text::kAtLeast + displayText(to_double(min_))};
    }
    if (r.value > max_) {
        show(to_double(max_));
        return {false, data_edit_text::kAtMost + displayText(to_double(max_))};
    }
    // A value no unit conversion may turn into an infinity: one that could not be written to
    // the file or read back is refused here, where the engineer typed it.
    if (!is_storable(r.value)) return {false, number_text::kNotStorable};
    show(r.value);
    return {true, {}};
}

bool TDataEdit::operatorExtendsValue(bool whole_text_selected, QChar typed) {
    return whole_text_selected && QStringLiteral("+-/*^=%!").contains(typed);
}

}  // namespace vornel
