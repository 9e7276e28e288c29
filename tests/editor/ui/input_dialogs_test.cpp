// The input dialogs as the engineer uses them: values typed, the dialog left for another
// window, what the project then holds and what the dialog shows when it comes back.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "editor/ui/control_options_dialog.h"
#include "editor/ui/data_edit_field.h"
#include "editor/ui/table_dialogs.h"
#include "editor/ui/table_form.h"
#include "editor/ui/title_dialog.h"
#include "editor/ui/wall_configuration_dialog.h"
#include "editor/ui/wall_properties_dialog.h"
#include "tests/editor/ui/ui_test_support.h"

using namespace vornel;
using namespace vornel::test;

class InputDialogsTest : public QObject {
    Q_OBJECT

    static void enter(DataEditField* f, const QString& text) {
        type_over(f, text);
        press_tab(f);
    }

  private slots:
    void freeHeightIsEnteredInFeetAndStoredInInches() {
        Workbench w;
        TDlgProp* prop = w.host->openWallProperties();
        QCOMPARE(prop->DeFH->label()->text(), QString("Free Height of Wall (ft)"));
        enter(prop->DeFH, "20");
        TdlgCSD* csd = w.host->openWallConfiguration();  // Wall Properties loses activity
        settle();
        QCOMPARE(w.data().FreeHeight, 240.0);
        QVERIFY(w.project->isModified());
        QCOMPARE(csd->deHL->text(), QString("20"));
        QCOMPARE(csd->deHL->label()->text(), QString("&Free Height of Wall, H (ft)"));

        w.data().SetUnits(2);
        w.host->unitsChanged();
        QCOMPARE(prop->DeFH->label()->text(), QString("Free Height of Wall (m)"));
        QCOMPARE(prop->DeFH->text(), QString("6.096"));
        w.host->openWallProperties();
        settle();
        enter(prop->DeFH, "6");
        w.host->openWallConfiguration();
        settle();
        QCOMPARE(w.data().FreeHeight, 6.0);
        QCOMPARE(csd->deHL->text(), QString("6"));
    }

    void surfaceLoadIsShownPerSquareFoot() {
        Workbench w;
        TdlgCSD* csd = w.host->openWallConfiguration();
        QCOMPARE(csd->deSP->label()->text(),
                 QString("Uniform Distributed Load at the top of backfill side  (lbs/ft^2)"));
        QCOMPARE(csd->beta->label()->text(), QString("Slope of the backfill, Beta (deg.)"));
        enter(csd->deSP, "100");
        w.host->subWindowOf(csd)->close();
        settle();
        QCOMPARE(w.data().SurfaceLoad, 100.0 / 144.0);
        // The configuration fields do not count as a change of the project.
        QVERIFY(!w.project->isModified());
        csd = w.host->openWallConfiguration();
        QCOMPARE(csd->deSP->text(), QString("100"));
    }

    void boundsReplaceTheEntryWithTheirMessage() {
        Workbench w;
        TdlgCSD* csd = w.host->openWallConfiguration();
        enter(csd->beta, "46");
        QCOMPARE(w.questions.informed, QStringList{"Entry must be less than or equal to 45"});
        QCOMPARE(csd->beta->text(), QString("45"));
        w.host->openTitle();
        settle();
        QCOMPARE(w.data().BackfillSlope, 45.0);

        TDlgProp* prop = w.host->openWallProperties();
        QCOMPARE(prop->deNI->text(), QString("1"));  // a new project has 0 increments
        enter(prop->deNI, "0");
        QCOMPARE(w.questions.informed.last(), QString("Entry must be greater than or equal to 1"));
        QCOMPARE(prop->deNI->text(), QString("1"));
        enter(prop->deNI, "301");
        QCOMPARE(w.questions.informed.last(), QString("Entry must be less than or equal to 300"));
        enter(prop->deNI, "150");
        w.host->openTitle();
        settle();
        QCOMPARE(w.data().Increments, 150);
    }

    // Increments times the increment length, in ft for English units and m for SI, shown as
    // the user types; a text that is no number yet keeps the last valid length.
    void wallLengthFollowsTheFields() {
        Workbench w;
        TDlgProp* prop = w.host->openWallProperties();
        QLabel* length = prop->findChild<QLabel*>("lblLength");
        QVERIFY(length);
        enter(prop->deNI, "72");
        enter(prop->deXGS, "6");
        QCOMPARE(length->text(), QString("36 ft"));
        type_over(prop->deXGS, "6.5");
        QCOMPARE(length->text(), QString("39 ft"));
        type_over(prop->deXGS, "(2*");
        QCOMPARE(length->text(), QString("36 ft"));
        enter(prop->deXGS, "0.1");
        w.data().SetUnits(2);
        w.host->unitsChanged();
        QVERIFY(length->text().endsWith(" m"));
    }

    void invalidFieldKeepsTheDialogInFrontAndStoresNothing() {
        Workbench w;
        TDlgProp* prop = w.host->openWallProperties();
        QMdiSubWindow* sub = w.host->subWindowOf(prop);
        enter(prop->DeFH, "30");
        type_over(prop->deXGS, "(2*3");
        w.host->openTitle();  // the user clicks another window
        settle();
        QTRY_COMPARE(w.area.activeSubWindow(), sub);
        QCOMPARE(w.questions.informed,
                 QStringList{"Entry could not be evaluated:\ninvalid character(s) in expression"});
        QCOMPARE(w.data().FreeHeight, 0.0);
        QCOMPARE(w.data().IncrementLength, 0.0);
        QVERIFY(!w.project->isModified());
        QCOMPARE(prop->deXGS->text(), QString("(2*3"));  // left for the user to correct
        QVERIFY(!sub->close());
        QVERIFY(w.host->subWindowOf(prop));
        type_over(prop->deXGS, "6");
        QVERIFY(sub->close());
        settle();
        QCOMPARE(w.data().IncrementLength, 6.0);
        QCOMPARE(w.data().FreeHeight, 360.0);
    }

    void uncheckingSpringsDisablesTheButtonAndClosesTheTable() {
        Workbench w;
        w.data().UseSprings = true;
        TDlgSpring* dlg = w.host->openSprings();
        QVERIFY(dlg->ChkSpring()->isChecked());
        QCOMPARE(dlg->ChkSpring()->text(), QString("&Lateral and Rotational Springs"));
        QTest::mouseClick(dlg->btnSpring(), Qt::LeftButton);
        QVERIFY(w.host->tableWindow(w.tables().SoilStrength));
        w.tables().SoilStrength.addGroup();
        w.host->openSprings();
        QTest::mouseClick(dlg->ChkSpring(), Qt::LeftButton);
        settle();
        QVERIFY(!dlg->btnSpring()->isEnabled());
        QVERIFY(!w.host->tableWindow(w.tables().SoilStrength));
        QCOMPARE(w.tables().SoilStrength.rowCount(), 2);
        QVERIFY(w.project->isModified());
        w.host->subWindowOf(dlg)->close();
        settle();
        QVERIFY(!w.data().UseSprings);
    }

    void concentratedLoadsSwitchFollowsTheBox() {
        Workbench w;
        TDlgConLoads* dlg = w.host->openConcentratedLoads();
        QVERIFY(!dlg->ChkConLoads()->isChecked());
        QVERIFY(!dlg->btnConLoads()->isEnabled());
        QTest::mouseClick(dlg->ChkConLoads(), Qt::LeftButton);
        QVERIFY(dlg->btnConLoads()->isEnabled());
        QVERIFY(!w.data().UseConcentratedLoads);  // taken when the dialog is left
        w.host->openTieback();
        settle();
        QVERIFY(w.data().UseConcentratedLoads);
        QCOMPARE(w.area.activeSubWindow()->windowTitle(), QString("Tieback (Ground Anchor)"));
    }

    void titleIsOneLineOfEightyCharacters() {
        Workbench w;
        TdlgTitle* dlg = w.host->openTitle();
        QCOMPARE(w.area.activeSubWindow()->windowTitle(), QString("Project Title"));
        QCOMPARE(dlg->TitleMemo->text(), QString("New Wall"));
        w.host->openWallProperties();
        settle();
        QVERIFY(!w.project->isModified());  // unchanged title
        w.host->openTitle();
        type_over(dlg->TitleMemo, QString(90, QLatin1Char('x')));
        QCOMPARE(dlg->TitleMemo->text().size(), 80);
        type_over(dlg->TitleMemo, "Sheet pile at Pier 4");
        QTest::keyClick(dlg->TitleMemo, Qt::Key_Return);
        QCOMPARE(dlg->TitleMemo->text(), QString("Sheet pile at Pier 4"));
        w.host->openWallProperties();
        settle();
        QCOMPARE(w.data().Title, QString("Sheet pile at Pier 4"));
        QVERIFY(w.project->isModified());
    }

    void controlOptionsBrowseReplacesTheEditor() {
        Workbench w;
        w.host->setTextEditor("/usr/bin/vi");
        TDlgOptions* dlg = w.host->openControlOptions();
        QCOMPARE(dlg->EdtWord->text(), QString("/usr/bin/vi"));
        w.questions.files.push_back(QString("/usr/bin/nano"));
        QTest::mouseClick(dlg->btnBrowse, Qt::LeftButton);
        QCOMPARE(dlg->EdtWord->text(), QString("/usr/bin/nano"));
        QCOMPARE(w.questions.filters, QStringList{"Programs (*.exe *.com);;All Files (*)"});
        QCOMPARE(w.host->textEditor(), QString("/usr/bin/vi"));  // not before leaving
        w.host->openTitle();
        settle();
        QCOMPARE(w.host->textEditor(), QString("/usr/bin/nano"));
    }

    void eachDialogExistsOnceAndIsFreedWhenClosed() {
        Workbench w;
        QPointer<TDlgRebar> first = w.host->openSurcharge();
        QCOMPARE(w.host->openSurcharge(), first.data());
        QCOMPARE(w.area.subWindowList().size(), 1);
        QVERIFY(w.host->subWindowOf(first)->close());
        QTRY_VERIFY(!first);
        QVERIFY(w.host->openSurcharge());
        QCOMPARE(w.area.subWindowList().size(), 1);
    }
};

QTEST_MAIN(InputDialogsTest)
#include "input_dialogs_test.moc"
