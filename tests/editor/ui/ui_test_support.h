// Shared by the editor window tests: the recording questions answer every box and file
// dialog; a bare MDI area with a project and a window host, shown and active on the offscreen
// screen.
#pragma once

#include <QMdiArea>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "editor/project.h"
#include "editor/ui/window_host.h"
#include "tests/support/recording_questions.h"

class QLineEdit;
class QWidget;

namespace vornel {
class TTableForm;
}

namespace vornel::test {

// A project in a temporary folder, its windows hosted in a bare MDI area.
struct Workbench {
    Workbench();
    ~Workbench();
    QTemporaryDir dir;
    RecordingQuestions questions;
    std::unique_ptr<Project> project;
    QMdiArea area;
    std::unique_ptr<WindowHost> host;
    TProgramData& data() { return project->data(); }
    ProjectTables& tables() { return project->tables(); }
    QString path(const QString& name) const { return dir.filePath(name); }
};

// Types `text` over the whole content of a line edit, as a user who clicked into it.
void type_over(QLineEdit* edit, const QString& text);
// Moves the focus on with Tab, as a user leaving the field.
void press_tab(QWidget* w);
void press_enter(QWidget* w);
// Types into a table cell as a user does: the first key opens the cell's editor, the rest goes
// to the editor, Enter leaves it.
void type_in_cell(TTableForm* form, int row, int column, const QString& text);
// Picks item `index` (from 0) of a pick-list cell's drop-down.
void choose_item(TTableForm* form, int row, int column, int index);
// Lets queued messages and focus returns happen.
void settle();

}  // namespace vornel::test
