// The table window as the engineer works it: typing into cells, the row buttons, pick lists
// that replace a layer's parameter table, sub-table windows, units and the Enter key.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "editor/grid_table_model.h"
#include "editor/ui/table_form.h"
#include "tests/editor/ui/ui_test_support.h"

using namespace vornel;
using namespace vornel::test;

class TableFormTest : public QObject {
    Q_OBJECT

    // Types into a cell as a user does: the first key opens the cell's editor, Enter leaves it.
    static void typeInCell(TTableForm* form, int row, int column, const QString& text) {
        GridView* grid = form->grid();
        grid->setFocus();
        grid->setCurrentIndex(form->model()->index(row, column));
        QTest::keyClicks(grid, text.left(1));
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(editor));
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        settle();
    }

  private slots:
    void typedCellsAreEvaluatedAndChecked() {
        Workbench w;
        TGridTable& t = w.tables().PileSect;
        TTableForm* form = w.host->openTable(t);
        QCOMPARE(w.area.activeSubWindow()->windowTitle(), QString("Wall Stiffness"));
        QCOMPARE(form->topLeftText(), QString("Section"));
        typeInCell(form, 0, col::kPsEI, "2*12");
        QCOMPARE(t.real(col::kPsEI, 0), 24.0);
        QCOMPARE(form->model()->data(form->model()->index(0, col::kPsEI)).toString(),
                 QString("24"));
        QVERIFY(t.changed());

        typeInCell(form, 0, col::kPsFrom, "3.5");
        QCOMPARE(w.questions.informed, QStringList{"Entry must be an integer."});
        auto* editor = qobject_cast<QLineEdit*>(form->grid()->openEditor());
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("3.5"));
        QCOMPARE(form->grid()->currentIndex().column(), int(col::kPsFrom));
        QVERIFY(editor->hasFocus());
        QCOMPARE(t.item(col::kPsFrom, 0), 0);
        // The window cannot be closed while the cell holds the refused entry.
        QVERIFY(!w.host->subWindowOf(form)->close());
        editor->selectAll();
        QTest::keyClicks(editor, "-3.5");
        QTest::keyClick(editor, Qt::Key_Return);
        settle();
        QCOMPARE(w.questions.informed.last(), QString("Entry must be an integer."));
        editor = qobject_cast<QLineEdit*>(form->grid()->openEditor());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "3.00000000001");
        QTest::keyClick(editor, Qt::Key_Return);
        settle();
        QCOMPARE(t.item(col::kPsFrom, 0), 3);
        QCOMPARE(w.questions.informed.size(), 2);
        typeInCell(form, 0, col::kPsTo, "x");
        QCOMPARE(w.questions.informed.last(),
                 QString("Entry could not be evaluated:\ninvalid character(s) in expression"));
    }

    void rowButtonsFollowTheRowLimits() {
        Workbench w;
        TGridTable& t = w.tables().PileSect;  // 1..10 rows
        TTableForm* form = w.host->openTable(t);
        QVERIFY(!form->addButton()->isHidden());
        QCOMPARE(form->addButton()->text(), QString("&Add Row"));
        QVERIFY(!form->deleteButton()->isEnabled());
        for (int i = 1; i < 10; ++i) QTest::mouseClick(form->addButton(), Qt::LeftButton);
        QCOMPARE(t.rowCount(), 10);
        QVERIFY(!form->addButton()->isEnabled());
        QVERIFY(!form->insertButton()->isEnabled());
        QVERIFY(form->deleteButton()->isEnabled());
        QCOMPARE(form->grid()->currentIndex().row(), 9);
        for (int i = 1; i < 10; ++i) QTest::mouseClick(form->deleteButton(), Qt::LeftButton);
        QCOMPARE(t.rowCount(), 1);
        QVERIFY(w.questions.informed.isEmpty());
        QVERIFY(!form->deleteButton()->isEnabled());
        QVERIFY(form->addButton()->isEnabled());
        form->grid()->setCurrentIndex(QModelIndex());
        QTest::mouseClick(form->insertButton(), Qt::LeftButton);
        QCOMPARE(w.questions.informed, QStringList{"Grid.Row not in valid range"});
        QCOMPARE(t.rowCount(), 1);
    }

    void soilParameterTablesHaveNoRowButtonsAndNumberedCaptions() {
        Workbench w;
        TGridTable& soil = w.tables().NewSoil;
        TTableForm* form = w.host->openTable(soil);
        QTest::mouseClick(form->addButton(), Qt::LeftButton);
        QTest::mouseClick(form->addButton(), Qt::LeftButton);
        auto* button = qobject_cast<QPushButton*>(form->cellWidget(2, col::kSlParameters));
        QVERIFY(button);
        QCOMPARE(button->text(), QString("3: Clay"));
        QTest::mouseClick(button, Qt::LeftButton);
        TTableForm* clay = w.host->tableWindow(*soil.subTable(col::kSlParameters, 2));
        QVERIFY(clay);
        QCOMPARE(w.area.activeSubWindow()->windowTitle(), QString("Clay 3"));
        QVERIFY(clay->addButton()->isHidden());
        QVERIFY(clay->deleteButton()->isHidden());
        QVERIFY(clay->helpNote()->isVisible());
        QVERIFY(clay->helpNote()->text().startsWith("The user may optionally enter"));
        QCOMPARE(clay->grid()->model()->rowCount(), 2);
    }

    void newSoilTypeGivesAFreshParameterTable() {
        Workbench w;
        TGridTable& soil = w.tables().NewSoil;
        TTableForm* form = w.host->openTable(soil);
        auto* box = qobject_cast<QComboBox*>(form->cellWidget(0, col::kSlType));
        QVERIFY(box);
        QCOMPARE(box->maxVisibleItems(), 11);
        QCOMPARE(box->count(), 7);
        box->setCurrentIndex(3);
        emit box->activated(3);  // the user picks "Sand"
        settle();
        QCOMPARE(soil.item(col::kSlType, 0), int(kSand));
        auto* button = qobject_cast<QPushButton*>(form->cellWidget(0, col::kSlParameters));
        QCOMPARE(button->text(), QString("1: Sand"));
        QTest::mouseClick(button, Qt::LeftButton);
        TTableForm* sand = w.host->tableWindow(*soil.subTable(col::kSlParameters, 0));
        QVERIFY(sand);
        typeInCell(sand, 0, 1, "32");
        QCOMPARE(soil.subTable(col::kSlParameters, 0)->real(1, 0), 32.0);

        w.host->openTable(soil);
        box->setCurrentIndex(0);
        emit box->activated(0);  // "Soft Clay"
        settle();
        TGridTable* clay = soil.subTable(col::kSlParameters, 0);
        QCOMPARE(clay->Caption, QString("Clay"));
        QCOMPARE(clay->rowCount(), 2);
        for (int c = 0; c < clay->columnCount(); ++c) QCOMPARE(clay->real(c, 0), 0.0);
        QCOMPARE(button->text(), QString("1: Clay"));
        QCOMPARE(w.area.subWindowList().size(), 1);  // the sand window went with its table
    }

    void unitsRoundTripAndHeaders() {
        Workbench w;
        TGridTable& t = w.tables().DistLoad;
        TTableForm* form = w.host->openTable(t);
        QCOMPARE(form->model()->headerData(col::kDlDepth, Qt::Horizontal).toString(),
                 QString("Depth measured from the top of the wall, (ft)  "));
        typeInCell(form, 0, col::kDlDepth, "12.5");
        typeInCell(form, 0, col::kDlLoad, "340");
        w.host->closeTableWindows(t);
        w.data().SetUnits(2);
        form = w.host->openTable(t);
        QCOMPARE(form->model()->headerData(col::kDlDepth, Qt::Horizontal).toString(),
                 QString("Depth measured from the top of the wall, (m)  "));
        QCOMPARE(form->model()->data(form->model()->index(0, 0)).toString(), QString("3.81"));
        w.data().SetUnits(1);
        QVERIFY(qAbs(t.real(col::kDlDepth, 0) - 12.5) < 1e-9);
        QVERIFY(qAbs(t.real(col::kDlLoad, 0) - 340.0) < 1e-7);
        w.data().SetUnits(3);
        QCOMPARE(t.real(col::kDlDepth, 0), t.real(col::kDlDepth, 0));
        const double other = t.real(col::kDlDepth, 0);
        w.data().SetUnits(1);
        QCOMPARE(t.real(col::kDlDepth, 0), other);
    }

    void enterMovesDownThenToTheNextColumn() {
        Workbench w;
        TGridTable& t = w.tables().DistLoad;  // two rows, two real columns
        TTableForm* form = w.host->openTable(t);
        typeInCell(form, 0, 0, "1");
        QCOMPARE(form->grid()->currentIndex(), form->model()->index(1, 0));
        typeInCell(form, 1, 0, "2");
        QCOMPARE(form->grid()->currentIndex(), form->model()->index(0, 1));
        typeInCell(form, 1, 1, "5");
        QCOMPARE(form->grid()->currentIndex(), form->model()->index(0, 0));
        // Pick-list columns are skipped: from the last row of the last column of the wall
        // stiffness table back to the first typed column.
        TTableForm* pile = w.host->openTable(w.tables().PileSect);
        QCOMPARE(pile->nextCell(pile->model()->index(0, col::kPsTo)),
                 pile->model()->index(0, col::kPsEI));
    }

    void atMostTenRowsAreVisible() {
        Workbench w;
        TGridTable& t = w.tables().DistLoad;
        t.setRowCount(14);
        TTableForm* form = w.host->openTable(t);
        GridView* g = form->grid();
        const int rowsShown =
            (g->height() - g->horizontalHeader()->height() - 2 * g->frameWidth()) / g->rowHeight(0);
        QCOMPARE(rowsShown, TTableForm::kVisibleRows);
        QVERIFY(g->verticalScrollBar()->maximum() > 0);
        QCOMPARE(g->model()->headerData(13, Qt::Vertical).toInt(), 14);
    }
};

QTEST_MAIN(TableFormTest)
#include "table_form_test.moc"
