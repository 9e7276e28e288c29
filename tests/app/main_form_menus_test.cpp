// The main window's menus as the user sees them when they open: which items are there,
// enabled and checked after New, after the option commands, with long-term analysis and with
// stages; table windows closed by their switch; the recent files and the window list.
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "main_form_support.h"

using namespace vornel;
using namespace vornel::test;

class MainFormMenusTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    void initTestCase() { isolate_settings(dir_.path()); }

    void newProjectMenus() {
        Harness h;
        QCOMPARE(shown_items(open_menu(*h.form, "&File")),
                 QStringList({"*&New", "*&Open...", "*&Save", "*Save &As...", "Print Report...",
                              "Export Report...", "-", "*E&xit"}));
        // p-y generation is on and the pressure is triangular.
        QCOMPARE(shown_items(open_menu(*h.form, "Da&ta")),
                 QStringList(
                     {"*&Title", "*Wall &Properties", "*&Wall Configuration", "*&Soil Layer Data",
                      "&Distributed Active Earth Pressure", "-", "&Additional Surcharge Loads",
                      "&Concentrated Loads on the Wall", "Tieback (Ground Anchor) Data",
                      "&Boundary Condition on Deflection or Slope",
                      "Modification &Factors for p-y Curves", "Sets of &External p-y Curves",
                      "&Lateral Springs and Rotational Restraints",
                      "Sets of Nonlinear Moment vs EI Curves"}));
        QCOMPARE(
            shown_items(open_menu(*h.form, "&Options")),
            QStringList(
                {"*&Units", "*Earth-Pressure Options", "-", "*Generate &p-y Curves[x]",
                 "*Apply &Concentrated Loads", "*Apply Tieback (Ground  Anchor)",
                 "*Apply &Restraints on Deflection or Slope",
                 "*Apply User Specified p-y Curves (&External)",
                 "*Apply &Lateral Springs and Rotation Restraints",
                 "*Apply External p-y &Modification Factors ", "*Apply Additional Surcharge Loads",
                 "*Apply Nonlinear Moment vs EI Curves", "-",
                 "*Conduct Short-Term and Long-Term &Analyses",
                 "*Conduct &Staged-Construction Analysis...", "-", "*&Option of Text Editor..."}));
        QCOMPARE(shown_items(open_submenu(open_menu(*h.form, "&Options"), "&Units")),
                 QStringList({"*&English Units (lbs, in)[x]", "*&SI Units (kN, m)",
                              "*&Other Units (F, L)"}));
        // Nothing analysed, nothing on disk: the file and result commands are off.
        QCOMPARE(shown_items(open_menu(*h.form, "&Computation")),
                 QStringList({"*&Run Analysis", "-", "Edit I&nput Text",
                              "Edit &Processor-Run Notes", "Edit &Output Text", "-",
                              "&View Wall Geometry", "*3D View", "Results &Summary"}));
        QCOMPARE(shown_items(open_menu(*h.form, "&Graphics")),
                 QStringList({"p-&y Curves", "&Deflection vs Depth", "&Moment vs Depth",
                              "&Shear vs Depth", "&Reaction vs Depth",
                              "&Deflection, Moment and Shear", "-", "Earth &Pressure Distribution",
                              "Earth Pressure Combined", "-", "Export Plots To Excel"}));
        QCOMPARE(shown_items(open_menu(*h.form, "&Help")),
                 QStringList({"*&Contents", "*&User's Manual", "*&Technical Manual", "-",
                              "*&About...", "*Check for &Updates"}));
        // One stage and no 3D view: neither the stage menu nor the 3D menu is on the bar.
        QVERIFY(!open_menu(*h.form, "&Stage Construction"));
        QVERIFY(!open_menu(*h.form, "Show 3DView"));
        QCOMPARE(h.form->statusBar()->findChild<QLabel*>()->text(), QString());
        QCOMPARE(h.form->windowTitle(), QString("VORNEL 2015.5.7 - NewWall.vn5d"));
    }

    void shortcuts() {
        Harness h;
        QCOMPARE(h.form->action(Cmd::New)->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(h.form->action(Cmd::Open)->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(h.form->action(Cmd::Save)->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(h.form->action(Cmd::Exit)->shortcut(), QKeySequence("Ctrl+Q"));
    }

    // The toolbar of a new project, left to right as the user sees it: each button's hint,
    // "-" for a group's separator, "(off)" after a disabled button.
    void toolbarButtonsAndTheirHints() {
        Harness h;
        QStringList shown;
        for (QAction* a : h.form->findChild<QToolBar*>()->actions()) {
            if (!a->isVisible()) continue;
            shown << (a->isSeparator() ? QString("-")
                                       : a->toolTip() + (a->isEnabled() ? "" : "(off)"));
        }
        QCOMPARE(shown, QStringList({"New Data File",
                                     "Open Data File",
                                     "Save Data File",
                                     "-",
                                     "Title",
                                     "Wall Properties",
                                     "Wall Configuration",
                                     "Soil Layers",
                                     "-",
                                     "Run Analysis",
                                     "Stage Construction Option",
                                     "View Output File(off)",
                                     "-",
                                     "View Soil Profile",
                                     "3D View",
                                     "Results Summary(off)",
                                     "-",
                                     "View p-y Curves(off)",
                                     "Deflection Diagram(off)",
                                     "Moment Diagram(off)",
                                     "LShear Diagram(off)",
                                     "Soil-Reaction Diagram(off)",
                                     "Deflection, Moment and Shear(off)",
                                     "Pressure Diagram(off)"}));
    }

    void userPressureEnablesDistributedLoads() {
        Harness h;
        choose(*h.form, "&Options", "Earth-Pressure Options", "Earth-Pressure Specified by User");
        QCOMPARE(h.form->data().EarthPressureOption, 1);
        QVERIFY(
            item(open_menu(*h.form, "Da&ta"), "&Distributed Active Earth Pressure")->isEnabled());
        QCOMPARE(
            shown_items(open_submenu(open_menu(*h.form, "&Options"), "Earth-Pressure Options")),
            QStringList({"*Earth-Pressure Specified by User[x]",
                         "*Generate Triangular-Distribution Earth-Pressure",
                         "*Generate Trapezoidal-Distribution Pressure (Anchored Walls)"}));
        // The chosen command opens the distributed-load table.
        choose(*h.form, "Da&ta", "&Distributed Active Earth Pressure");
        QCOMPARE(h.childCaptions(), QStringList({"Distributed Loads"}));
    }

    void pressureOptionZeroBecomesUserWhenShown() {
        Harness h;
        h.form->data().EarthPressureOption = 0;
        QMenu* sub = open_submenu(open_menu(*h.form, "&Options"), "Earth-Pressure Options");
        QCOMPARE(h.form->data().EarthPressureOption, 1);
        QVERIFY(item(sub, "Earth-Pressure Specified by User")->isChecked());
    }

    void switchesToggleAndEnableTheirData() {
        Harness h;
        choose(*h.form, "&Options", "Apply Tieback (Ground  Anchor)");
        choose(*h.form, "&Options", "Apply Additional Surcharge Loads");
        QVERIFY(h.form->data().UseTiebacks);
        QVERIFY(h.form->data().UseSurcharge);
        QMenu* data = open_menu(*h.form, "Da&ta");
        QVERIFY(item(data, "Tieback (Ground Anchor) Data")->isEnabled());
        QVERIFY(item(data, "&Additional Surcharge Loads")->isEnabled());
        QVERIFY(!item(data, "&Concentrated Loads on the Wall")->isEnabled());
        QVERIFY(
            item(open_menu(*h.form, "&Options"), "Apply Tieback (Ground  Anchor)")->isChecked());
        // p-y generation off and no generated pressure: no wall configuration, no soil.
        choose(*h.form, "&Options", "Generate &p-y Curves");
        QCOMPARE(h.form->data().GeneratePY, 0);
        data = open_menu(*h.form, "Da&ta");
        QVERIFY(!item(data, "&Wall Configuration")->isEnabled());
        QVERIFY(!item(data, "&Soil Layer Data")->isEnabled());
        // An out-of-range value is first brought into 0..1, then toggled.
        h.form->data().GeneratePY = 5;
        choose(*h.form, "&Options", "Generate &p-y Curves");
        QCOMPARE(h.form->data().GeneratePY, 0);
    }

    void longTermReplacesSoilCommandsBySubmenus() {
        Harness h;
        choose(*h.form, "&Options", "Conduct Short-Term and Long-Term &Analyses");
        QVERIFY(h.form->data().LongTerm);
        QVERIFY(h.form->data().LongTermMarker() == 9);
        QMenu* data = open_menu(*h.form, "Da&ta");
        const QStringList shown = shown_items(data);
        QCOMPARE(shown.mid(0, 5),
                 QStringList({"*&Title", "*Wall &Properties", "*&Wall Configuration",
                              "*&Soil Layer Data", "&Distributed Active Earth Pressure"}));
        // The soil item is now the submenu; the plain command is hidden.
        QVERIFY(!h.form->action(Cmd::SoilLayers)->isVisible());
        QVERIFY(h.form->action(Cmd::SoilLayersMenu)->isVisible());
        QCOMPARE(shown_items(open_submenu(data, "&Soil Layer Data")),
                 QStringList({"*Short-Term", "*Long-Term"}));
        click_item(open_submenu(open_menu(*h.form, "Da&ta"), "&Soil Layer Data"), "Long-Term");
        QCOMPARE(h.childCaptions(), QStringList({"Soil Layers (Long-Term)"}));
        QMenu* options = open_menu(*h.form, "&Options");
        QVERIFY(item(options, "Conduct Short-Term and Long-Term &Analyses")->isChecked());
        QVERIFY(!item(options, "Conduct &Staged-Construction Analysis...")->isEnabled());
        close_menus();
        QVERIFY(!h.form->action(Cmd::TbSoilLayers)->isEnabled());
        QVERIFY(!h.form->action(Cmd::TbStagedDialog)->isEnabled());
        // The toolbar's soil button opens nothing while long-term is on.
        h.form->action(Cmd::TbSoilLayers)->trigger();
        QCOMPARE(h.childCaptions(), QStringList({"Soil Layers (Long-Term)"}));
        // New switches it all back.
        h.questions.yesNoCancel = {Questions::Answer::No};
        choose(*h.form, "&File", "&New");
        QVERIFY(h.form->action(Cmd::SoilLayers)->isVisible());
        QVERIFY(!h.form->action(Cmd::SoilLayersMenu)->isVisible());
        QVERIFY(h.form->action(Cmd::TbSoilLayers)->isEnabled());
        QVERIFY(h.childCaptions().isEmpty());
    }

    void switchOffClosesItsTableWindowOnly() {
        Harness h;
        choose(*h.form, "&Options", "Apply External p-y &Modification Factors ");
        choose(*h.form, "&Options", "Apply &Restraints on Deflection or Slope");
        choose(*h.form, "Da&ta", "Modification &Factors for p-y Curves");
        choose(*h.form, "Da&ta", "&Boundary Condition on Deflection or Slope");
        choose(*h.form, "Da&ta", "&Soil Layer Data");
        QCOMPARE(h.childCaptions(),
                 QStringList({"p-y Modification Factors", "Specify Deflection and Slope on Wall",
                              "Soil Layers"}));
        choose(*h.form, "&Options", "Apply External p-y &Modification Factors ");
        QVERIFY(!h.form->data().UsePYModifiers);
        QTRY_COMPARE(h.childCaptions(),
                     QStringList({"Specify Deflection and Slope on Wall", "Soil Layers"}));
        // Tiebacks have no table of their own: the switch closes nothing.
        choose(*h.form, "&Options", "Apply Tieback (Ground  Anchor)");
        choose(*h.form, "&Options", "Apply Tieback (Ground  Anchor)");
        QTRY_COMPARE(h.childCaptions().size(), 2);
    }

    void childWindowsOnceEachAndListedInWindowMenu() {
        Harness h;
        choose(*h.form, "Da&ta", "&Title");
        choose(*h.form, "Da&ta", "Wall &Properties");
        choose(*h.form, "Da&ta", "&Title");  // shown again, not created twice
        QCOMPARE(h.childCaptions(), QStringList({"dialog 0", "dialog 1"}));
        QMenu* window = open_menu(*h.form, "&Window");
        QCOMPARE(shown_items(window),
                 QStringList({"*&Cascade", "*&Arrange Icons", "-", "*dialog 0[x]", "*dialog 1"}));
        click_item(window, "dialog 1");
        QCOMPARE(h.form->mdiArea()->activeSubWindow()->windowTitle(), QString("dialog 1"));
        h.form->closeAllChildren();
        QCOMPARE(shown_items(open_menu(*h.form, "&Window")),
                 QStringList({"*&Cascade", "*&Arrange Icons"}));
    }

    void stagesShowMenuButtonsAndStatus() {
        QTemporaryDir work;
        Harness h;
        h.form->project().saveAsPath(work.filePath("staged.vn5d"));
        h.form->project().applyStageCount(3);
        h.form->refreshCommands();
        QCOMPARE(h.form->statusBar()->findChild<QLabel*>()->text(),
                 QString("Construction Stage Number: 1"));
        QCOMPARE(shown_items(open_menu(*h.form, "&Stage Construction")),
                 QStringList({"*Stage &1[x]", "*Stage &2", "*Stage &3", "Stage &4", "Stage &5", "-",
                              "Copy &Previous Stage"}));
        QMenu* options = open_menu(*h.form, "&Options");
        QVERIFY(!item(options, "Conduct Short-Term and Long-Term &Analyses")->isEnabled());
        QVERIFY(item(options, "Conduct &Staged-Construction Analysis...")->isChecked());
        close_menus();
        // The stage buttons are on the toolbar, the current one down.
        QAction* button2 = h.form->action(Cmd::Stage2);
        QVERIFY(button2->isVisible());
        QCOMPARE(button2->toolTip(), QString("Stage Const. 2"));
        choose(*h.form, "&Stage Construction", "Stage &2");
        QCOMPARE(h.form->data().CurrentStage, 2);
        QCOMPARE(h.form->statusBar()->findChild<QLabel*>()->text(),
                 QString("Construction Stage Number: 2"));
        QVERIFY(button2->isChecked());
        QVERIFY(!h.form->action(Cmd::Stage1)->isChecked());
        // A toolbar button's hint shows beside the stage, not in its place.
        h.form->show();
        QWidget* run = h.form->findChild<QToolBar*>()->widgetForAction(h.form->action(Cmd::Run));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), run->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(run, &enter);
        QCOMPARE(h.form->statusBar()->currentMessage(), QString("Run Analysis"));
        QVERIFY(h.form->statusBar()->findChild<QLabel*>()->isVisible());
        QVERIFY(
            item(open_menu(*h.form, "&Stage Construction"), "Copy &Previous Stage")->isEnabled());
        close_menus();
        // Copy Previous Stage asks; No changes nothing.
        h.questions.yesNo = {false};
        choose(*h.form, "&Stage Construction", "Copy &Previous Stage");
        QCOMPARE(h.questions.log.last(),
                 QString("ask: Do you want to copy all information from Stage 1 to Stage 2"));
        QCOMPARE(h.form->data().CurrentStage, 2);
    }
};

QTEST_MAIN(MainFormMenusTest)
#include "main_form_menus_test.moc"
