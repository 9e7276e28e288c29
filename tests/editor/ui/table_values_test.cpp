// Values in a table window as the engineer sees them: the file's 8 digits, every stored digit
// kept when a cell is opened and left unchanged, and a value no file could hold refused.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "editor/grid_table_model.h"
#include "editor/ui/table_form.h"
#include "tests/editor/ui/ui_test_support.h"

using namespace vornel;
using namespace vornel::test;

class TableValuesTest : public QObject {
    Q_OBJECT

  private slots:
    void cellShowsEightDigitsAndKeepsTheValue() {
        Workbench w;
        TGridTable& t = w.tables().PileSect;
        const double noisy = 0.17779999999999999;
        t.setReal(col::kPsEI, 0, noisy);
        TTableForm* form = w.host->openTable(t);
        const QModelIndex cell = form->model()->index(0, col::kPsEI);
        QCOMPARE(form->model()->data(cell).toString(), QString("0.1778"));
        // Open the cell's editor (F2) and leave it with Enter without typing.
        GridView* grid = form->grid();
        grid->setFocus();
        grid->setCurrentIndex(cell);
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("0.1778"));
        QTest::keyClick(editor, Qt::Key_Return);
        settle();
        QCOMPARE(t.real(col::kPsEI, 0), noisy);
        QVERIFY(!t.changed());
        QVERIFY(w.questions.informed.isEmpty());
    }

    void valueNoFileCouldHoldIsRefused() {
        Workbench w;
        TGridTable& t = w.tables().PileSect;
        t.setReal(col::kPsEI, 0, 5.34e9);
        TTableForm* form = w.host->openTable(t);
        type_in_cell(form, 0, col::kPsEI, "1E306");
        QCOMPARE(w.questions.informed,
                 QStringList{"Entry is too large to be stored: a value must lie between -1E300 "
                             "and 1E300."});
        QCOMPARE(t.real(col::kPsEI, 0), 5.34e9);
        auto* editor = qobject_cast<QLineEdit*>(form->grid()->openEditor());
        QVERIFY(editor);
        QVERIFY(editor->hasFocus());
        editor->selectAll();
        QTest::keyClicks(editor, "5.5E9");
        QTest::keyClick(editor, Qt::Key_Return);
        settle();
        QCOMPARE(t.real(col::kPsEI, 0), 5.5e9);
        QCOMPARE(w.questions.informed.size(), 1);
    }
};

QTEST_MAIN(TableValuesTest)
#include "table_values_test.moc"
