#include "editor/ui/input_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "editor/project.h"
#include "editor/ui/data_edit_field.h"
#include "editor/ui/window_host.h"

namespace vornel {

InputDialog::InputDialog(WindowHost& host, const QString& caption, QWidget* parent)
    : QWidget(parent), host_(host) {
    setWindowTitle(caption);
}

Project& InputDialog::project() const {
    return host_.project();
}
TProgramData& InputDialog::data() const {
    return host_.project().data();
}
Questions& InputDialog::questions() const {
    return host_.questions();
}

void InputDialog::becomeActive() {
    setFieldUnits(data().UnitSystem);
    load();
}

// Only the field that had the focus can hold an unchecked or invalid entry (leaving a field
// validates it); the child window may already have dropped its focus when it is left, so every
// field is asked.
bool InputDialog::focusedFieldValid() {
    for (DataEditField* field : findChildren<DataEditField*>())
        if (!field->checkEntry()) return false;
    return true;
}

bool InputDialog::leave() {
    if (discarding_) return true;
    if (!focusedFieldValid()) return false;
    store();
    return true;
}

void InputDialog::closeEvent(QCloseEvent* event) {
    if (!leave()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool InputDialog::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show) attachToSubWindow();
    return QWidget::event(event);
}

// The dialog is of fixed size and follows the activation of its child window.
void InputDialog::attachToSubWindow() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub || sub == sub_) return;
    sub_ = sub;
    if (layout()) layout()->setSizeConstraint(QLayout::SetFixedSize);
    // A fixed border with the system and minimize buttons (changing the flags of a shown
    // window would hide it).
    if (!sub->isVisible())
        sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    connect(sub, &QMdiSubWindow::windowStateChanged, this, &InputDialog::activationChanged);
}

// A dialog that cannot be left (invalid field) comes back to the front without reloading, so
// that the user can correct the entry.
void InputDialog::activationChanged(Qt::WindowStates before, Qt::WindowStates now) {
    const bool was = before.testFlag(Qt::WindowActive);
    const bool is = now.testFlag(Qt::WindowActive);
    if (!was && is) {
        if (!returning_) becomeActive();
        returning_ = false;
    } else if (was && !is && !leave()) {
        returning_ = true;
        QMdiSubWindow* sub = sub_;
        QTimer::singleShot(0, sub, [sub] {
            if (sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
        });
    }
}

DataEditField* InputDialog::addField(QGridLayout* grid, int row, const QString& caption,
                                     const QString& units, int column) {
    auto* field = new DataEditField(questions(), this);
    field->setCaption(caption);
    field->setUnitsString(units);
    field->setFixedWidth(field->fontMetrics().averageCharWidth() * 18);
    grid->addWidget(field->label(), row, column);
    grid->addWidget(field, row, column + 1);
    return field;
}

double feet_shown(double stored, int unit_system) {
    return unit_system == 1 ? stored / 12.0 : stored;
}
double feet_stored(double shown, int unit_system) {
    return unit_system == 1 ? shown * 12.0 : shown;
}
double per_square_foot_shown(double stored, int unit_system) {
    return unit_system == 1 ? stored * 144.0 : stored;
}
double per_square_foot_stored(double shown, int unit_system) {
    return unit_system == 1 ? shown / 144.0 : shown;
}

}  // namespace vornel
