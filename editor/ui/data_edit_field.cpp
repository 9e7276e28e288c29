#include "editor/ui/data_edit_field.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "editor/questions.h"

namespace vornel {

DataEditField::DataEditField(Questions& questions, QWidget* parent)
    : QLineEdit(parent), questions_(questions) {
    setText(model_.text());
    validated_text_ = text();
}

QLabel* DataEditField::label() {
    if (!label_) {
        label_ = new QLabel(parentWidget());
        label_->setBuddy(this);
        label_->setEnabled(isEnabled());
        refreshLabel();
    }
    return label_;
}

void DataEditField::refreshLabel() {
    if (label_) label_->setText(model_.labelText());
}

void DataEditField::setCaption(const QString& caption) {
    model_.setCaption(caption);
    refreshLabel();
}

void DataEditField::setUnitsString(const QString& code) {
    model_.setUnitsString(code);
    refreshLabel();
}

void DataEditField::setUnits(int system) {
    model_.setUnits(system);
    refreshLabel();
}

void DataEditField::setBounds(long double min, long double max) {
    model_.setMaxVal(max);
    model_.setMinVal(min);
    model_.setMaxVal(max);
    setNumber(model_.Number());
}

void DataEditField::setIntegerOnly(bool on) {
    model_.setIntegerOnly(on);
    setNumber(model_.Number());
}

void DataEditField::setNumber(double value) {
    model_.setNumber(value);
    setText(model_.text());
    validated_text_ = text();
    valid_ = true;
}

double DataEditField::number() const {
    return model_.Number();
}

bool DataEditField::validateEntry() {
    return validate(true);
}

bool DataEditField::checkEntry() {
    if (text() == validated_text_) return valid_;
    return validate(true);
}

bool DataEditField::validate(bool report_now) {
    if (validating_) return valid_;
    validating_ = true;
    const double before = model_.Number();
    model_.setText(text());
    const ValidationResult r = model_.validate();
    // An entry out of bounds is replaced by the bound: the field holds a valid value again.
    const bool clamped = !r.valid && model_.text() != text();
    valid_ = r.valid || clamped;
    if (valid_) setText(model_.text());
    validated_text_ = text();
    if (!r.message.isEmpty()) {
        if (report_now) {
            questions_.inform(r.message);
            setFocus();
            selectAll();
        } else {
            report(r.message);
        }
    }
    validating_ = false;
    if (valid_ && model_.Number() != before) emit numberEntered();
    return valid_;
}

// While the focus is on its way to another widget the message and the return of the focus
// wait until the move is over; otherwise the move would carry the focus away again.
void DataEditField::report(const QString& message) {
    QTimer::singleShot(0, this, [this, message] {
        questions_.inform(message);
        setFocus();
        selectAll();
    });
}

void DataEditField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        validate(true);
        selectAll();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && !text().isEmpty() &&
        TDataEdit::operatorExtendsValue(selectedText() == text(), typed.front()))
        end(false);
    QLineEdit::keyPressEvent(event);
}

void DataEditField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup (context menu) or the program losing the screen is not leaving the field; the
    // dialog checks its field itself when it is left.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (text() != validated_text_ || !valid_) validate(false);
}

void DataEditField::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && label_) label_->setEnabled(isEnabled());
}

}  // namespace vornel
