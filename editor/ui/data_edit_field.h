// DataEditField: the numeric entry field of the dialogs, a line edit over the TDataEdit model.
//
// The field validates its text when the user leaves it or presses Enter. A text that does not
// evaluate (or is not integral in an integer-only field) leaves the field invalid: the message
// goes to an information box and the focus comes back. A value outside the bounds is replaced
// by the bound with its message, and the field is valid again. Enter selects the whole text
// and is not passed on (so it never presses a dialog's default button); an operator typed
// over the whole selected text extends the value ("*2" doubles it) instead of replacing it.
//
// The label shows the caption and the unit label of the current unit system and is enabled
// and disabled with the field.
#pragma once

#include <QLineEdit>
#include <QPointer>

#include "editor/data_edit.h"

class QLabel;

namespace vornel {

class Questions;

class DataEditField : public QLineEdit {
    Q_OBJECT
  public:
    DataEditField(Questions& questions, QWidget* parent = nullptr);

    TDataEdit& model() { return model_; }
    const TDataEdit& model() const { return model_; }

    // The label that shows caption and unit; created by the field when asked for.
    QLabel* label();
    void setCaption(const QString& caption);
    void setUnitsString(const QString& code);
    void setUnits(int system);
    void setBounds(long double min, long double max);
    void setIntegerOnly(bool on);

    // Shows a value (clamped into the bounds) and counts it as valid.
    void setNumber(double value);
    // The value of the last valid entry.
    double number() const;

    // Validates now and reports the message at once; true when the field is valid.
    bool validateEntry();
    // The check of a dialog that is left or closed: a text typed since the last validation is
    // validated (its message reported); true when the field holds a valid entry.
    bool checkEntry();
    bool isValid() const { return valid_ && text() == validated_text_; }

  signals:
    // A valid entry differs from the one before (typed by the user).
    void numberEntered();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Validates; the message is shown now or, while the focus is moving, right after.
    bool validate(bool report_now);
    void report(const QString& message);
    void refreshLabel();

    Questions& questions_;
    TDataEdit model_;
    QPointer<QLabel> label_;
    QString validated_text_;
    bool valid_ = true;
    bool validating_ = false;
};

}  // namespace vornel
