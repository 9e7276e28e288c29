// TDataEdit: the validated numeric field, without its widget.
//
// Holds the typed text, the last valid value, inclusive bounds, an integer-only mode, a
// hexadecimal display mode, and the unit code and caption that make up its label. The widget
// forwards its text and asks `validate()` when the user leaves the field or presses Enter;
// the messages returned are shown in an information box and the focus stays in the field
// when the result is not valid.
//
// Bounds are extended values (default: the whole extended range, that is unbounded). Setting
// a bound or a value clamps as the rules below say, except while the field is being loaded
// from its definition (`beginLoad()` .. `endLoad()`).
#pragma once

#include <QString>

namespace vornel {

struct ValidationResult {
    bool valid = false;
    QString message;  // empty when valid and unchanged
};

class TDataEdit {
  public:
    TDataEdit();

    // The value: reading it evaluates the current text (the last valid value when the text
    // does not evaluate); while the text is the one shown for the value, the value is returned
    // with all its digits. Setting it clamps into [MinVal, MaxVal] and shows it.
    double Number() const;
    void setNumber(double value);

    long double MinVal() const { return min_; }
    long double MaxVal() const { return max_; }
    void setMinVal(long double v);
    void setMaxVal(long double v);

    bool IntegerOnly() const { return integer_only_; }
    void setIntegerOnly(bool on);
    bool Hex() const { return hex_; }
    void setHex(bool on);

    int Units() const { return units_; }
    void setUnits(int system);  // clamped into 1..3
    QString UnitsString() const { return units_string_; }
    void setUnitsString(const QString& code) { units_string_ = code; }
    QString Caption() const { return caption_; }
    void setCaption(const QString& c) { caption_ = c; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }

    // The label: caption, " (", unit label, ")" when a unit code is set, else the caption.
    QString labelText() const;

    QString text() const { return text_; }
    void setText(const QString& t) { text_ = t; }

    // Validation on leaving the field: evaluates, checks integrality and bounds. A value out
    // of bounds is replaced by the bound (and the message says so); an invalid text, and a
    // value beyond +-1E300 (which a unit conversion could turn into an infinity), keep the old
    // value. An untouched text keeps the value exactly.
    ValidationResult validate();

    // The value as shown: general format with at most 8 significant digits (the digits the
    // file keeps), or "$" and at least four hexadecimal digits.
    QString displayText(double value) const;

    // While loading a definition no clamp applies.
    void beginLoad() { loading_ = true; }
    void endLoad() { loading_ = false; }

    // Typing an operator while the whole text is selected first moves the caret to the end,
    // so that "*2" after a value doubles it instead of replacing it.
    static bool operatorExtendsValue(bool whole_text_selected, QChar typed);

  private:
    void clampBounds();
    void show(double v);

    QString text_ = QStringLiteral("0");
    double value_ = 0.0;
    long double min_;
    long double max_;
    bool integer_only_ = false;
    bool hex_ = false;
    int units_ = 1;
    QString units_string_;
    QString caption_;
    bool enabled_ = true;
    bool loading_ = false;
};

namespace data_edit_text {
inline constexpr char kValidInteger[] = "Entry must be a valid integer.";
inline constexpr char kInteger[] = "Entry must be an integer.";
inline constexpr char kAtLeast[] = "Entry must be greater than or equal to ";
inline constexpr char kAtMost[] = "Entry must be less than or equal to ";
}  // namespace data_edit_text

}  // namespace vornel
