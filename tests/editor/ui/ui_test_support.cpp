#include "tests/editor/ui/ui_test_support.h"

#include "editor/grid_table_model.h"
#include "editor/ui/table_form.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace vornel::test {

Workbench::Workbench() {
    project = std::make_unique<Project>(questions, dir.path());
    host = std::make_unique<WindowHost>(area, *project, questions);
    area.resize(1300, 950);
    area.show();
    area.activateWindow();
    (void)QTest::qWaitForWindowActive(&area);
}

Workbench::~Workbench() {
    host->closeAll();
    QApplication::processEvents();
}

void type_over(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void press_tab(QWidget* w) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
    QTest::keyClick(target, Qt::Key_Tab);
    settle();
}

void press_enter(QWidget* w) {
    QTest::keyClick(w, Qt::Key_Return);
    settle();
}

void type_in_cell(TTableForm* form, int row, int column, const QString& text) {
    GridView* grid = form->grid();
    grid->setFocus();
    grid->setCurrentIndex(form->model()->index(row, column));
    QTest::keyClicks(grid, text.left(1));
    QWidget* editor = QApplication::focusWidget();
    if (!qobject_cast<QLineEdit*>(editor)) return;
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
}

void choose_item(TTableForm* form, int row, int column, int index) {
    auto* box = qobject_cast<QComboBox*>(form->cellWidget(row, column));
    if (!box) return;
    // The arrow keys step through the list as the user would, one item at a time.
    box->setFocus();
    while (box->currentIndex() < index) QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index) QTest::keyClick(box, Qt::Key_Up);
    settle();
}

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace vornel::test
