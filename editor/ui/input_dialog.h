// InputDialog: the common behaviour of the small input dialogs that float in the main window.
//
// A dialog has three moments. When it becomes active it sets the unit system of its unit
// fields and loads every control from the project. When it loses activity it stores every
// control back, unless its focused numeric field holds an invalid entry: then nothing is
// stored and the dialog comes back to the front. When it is closed it stores as well, and
// stays open while its focused field is invalid. The first two follow the activation of the
// child window that holds the dialog, whoever created it; the third is the close event.
#pragma once

#include <QWidget>

#include "editor/ui/storing_window.h"

class QGridLayout;
class QMdiSubWindow;

namespace vornel {

class DataEditField;
class Project;
class TProgramData;
class WindowHost;
class Questions;

class InputDialog : public QWidget, public StoringWindow {
    Q_OBJECT
  public:
    InputDialog(WindowHost& host, const QString& caption, QWidget* parent = nullptr);

    void becomeActive();
    // False when the focused field is invalid: nothing was stored.
    bool leave();
    // Before a menu opens or a command runs: stores unless the focused field is invalid.
    bool storeValues() override { return leave(); }
    // Loads again (the unit system or the stage changed).
    void reload() { becomeActive(); }
    // The window is being closed with its project (New, Open): nothing is checked or stored.
    void setDiscarding() { discarding_ = true; }

  protected:
    virtual void setFieldUnits(int system) { (void)system; }
    virtual void load() = 0;
    virtual void store() = 0;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

    // A numeric field in `row` of `grid`: its label in column `column`, the field after it.
    DataEditField* addField(QGridLayout* grid, int row, const QString& caption,
                            const QString& units = {}, int column = 0);
    bool focusedFieldValid();

    WindowHost& host() const { return host_; }
    Project& project() const;
    TProgramData& data() const;
    Questions& questions() const;

  private:
    void attachToSubWindow();
    void activationChanged(Qt::WindowStates before, Qt::WindowStates now);

    WindowHost& host_;
    QMdiSubWindow* sub_ = nullptr;
    bool returning_ = false;
    bool discarding_ = false;
};

// The display rules of the dialogs: in English units some lengths are shown in ft and the
// surface load in lbs/ft^2 while the project holds in and lbs/in^2.
double feet_shown(double stored, int unit_system);
double feet_stored(double shown, int unit_system);
double per_square_foot_shown(double stored, int unit_system);
double per_square_foot_stored(double shown, int unit_system);

}  // namespace vornel
