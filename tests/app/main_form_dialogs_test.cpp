// The main window with its real child windows: every Data-menu, Options and toolbar command
// opens its dialog or table window, menus let the active dialog store first, and a change of
// units reloads the open dialogs.
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "app/main_form.h"
#include "editor/ui/data_edit_field.h"
#include "editor/ui/staged_dialog.h"
#include "editor/ui/table_form.h"
#include "editor/ui/wall_properties_dialog.h"
#include "tests/app/main_form_support.h"
#include "tests/editor/ui/ui_test_support.h"

using namespace vornel;
using namespace vornel::test;

class MainFormDialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;

    struct Program {
        Program() {
            MainFormSetup setup;
            setup.questions = &questions;
            setup.desktop = &desktop;
            setup.programFolder = QDir::tempPath();
            form = std::make_unique<TMainForm>(std::move(setup));
            form->show();
            form->activateWindow();
            (void)QTest::qWaitForWindowActive(form.get());
        }
        ~Program() {
            close_menus();
            form->project().setModified(false);
            form->project().tables().resetChanged();
        }
        QString active() const {
            QMdiSubWindow* sub = form->mdiArea()->activeSubWindow();
            return sub ? sub->windowTitle() : QString();
        }
        RecordingQuestions questions;
        RecordingDesktop desktop;
        std::unique_ptr<TMainForm> form;
    };

  private slots:
    void initTestCase() { isolate_settings(settings_.path()); }

    void dataMenuOpensEveryWindow() {
        Program p;
        TProgramData& d = p.form->data();
        d.UseSurcharge = d.UseConcentratedLoads = d.UseTiebacks = d.UseRestraints = true;
        d.UsePYModifiers = d.UseExternalPY = d.UseSprings = d.UseEICurves = true;
        d.EarthPressureOption = 1;
        const std::pair<const char*, const char*> commands[] = {
            {"&Title", "Project Title"},
            {"Wall &Properties", "Wall Properties"},
            {"&Wall Configuration", "Wall Configuration"},
            {"&Soil Layer Data", "Soil Layers"},
            {"&Distributed Active Earth Pressure", "Distributed Loads"},
            {"&Additional Surcharge Loads", "Additional Surcharge"},
            {"&Concentrated Loads on the Wall", "Concentrated Loads"},
            {"Tieback (Ground Anchor) Data", "Tieback (Ground Anchor)"},
            {"&Boundary Condition on Deflection or Slope", "Specify Deflection and Slope on Wall"},
            {"Modification &Factors for p-y Curves", "p-y Modification Factors"},
            {"Sets of &External p-y Curves", "Sets of Ext. p-y Curves"},
            {"&Lateral Springs and Rotational Restraints", "Lateral & Rotational Springs"},
            {"Sets of Nonlinear Moment vs EI Curves", "Nonlinear Moment vs EI Curves"},
        };
        for (const auto& [item, caption] : commands) {
            choose(*p.form, "Da&ta", item);
            settle();
            QCOMPARE(p.active(), QString(caption));
        }
        const int open = p.form->mdiArea()->subWindowList().size();
        choose(*p.form, "Da&ta", "Wall &Properties");  // shown again, not created again
        QCOMPARE(p.form->mdiArea()->subWindowList().size(), open);
        choose(*p.form, "&Options", "&Option of Text Editor...");
        settle();
        QCOMPARE(p.active(), QString("Control Options"));
    }

    void toolbarOpensTheStagedOptionsWithoutModality() {
        Program p;
        QAction* staged = nullptr;
        for (QAction* a : p.form->findChild<QToolBar*>()->actions())
            if (a->toolTip() == "Stage Construction Option") staged = a;
        QVERIFY(staged);
        staged->trigger();
        settle();
        QCOMPARE(p.active(), QString("Staged Construction Options"));
        auto* dlg = qobject_cast<TDlgStaged*>(p.form->mdiArea()->activeSubWindow()->widget());
        QVERIFY(dlg && !dlg->isModal());
        QTest::mouseClick(dlg->cancelButton, Qt::LeftButton);
        settle();
        QTRY_VERIFY(p.form->mdiArea()->subWindowList().isEmpty());
    }

    // Add Row makes the window taller; a change of units redraws the headers at once.
    void soilLayersWindowFollowsRowsAndUnits() {
        Program h;
        h.form->resize(1000, 900);
        choose(*h.form, "Da&ta", "&Soil Layer Data");
        QMdiSubWindow* sub = h.form->mdiArea()->activeSubWindow();
        auto* form = qobject_cast<TTableForm*>(sub->widget());
        QVERIFY(form);
        const int rows = form->table().rowCount(), height = sub->height();
        QTest::mouseClick(form->addButton(), Qt::LeftButton);
        QCOMPARE(form->table().rowCount(), rows + form->table().RowGroup());
        QVERIFY2(sub->height() > height, qPrintable(QString::number(sub->height())));
        QVERIFY(sub->geometry().contains(
            sub->mapFromGlobal(form->grid()->mapToGlobal(form->grid()->rect().bottomRight()))));

        struct Paints : QObject {
            int count = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint) ++count;
                return false;
            }
        } paints;
        QHeaderView* header = form->grid()->horizontalHeader();
        QTRY_VERIFY(header->isVisible());
        QTest::qWait(50);
        header->viewport()->installEventFilter(&paints);
        h.form->action(Cmd::UnitsSI)->trigger();
        QTRY_VERIFY(paints.count > 0);
        h.form->closeAllChildren();
    }

    void openingAMenuStoresTheActiveDialog() {
        Program p;
        choose(*p.form, "Da&ta", "Wall &Properties");
        auto* prop = qobject_cast<TDlgProp*>(p.form->mdiArea()->activeSubWindow()->widget());
        QVERIFY(prop);
        type_over(prop->DeFH, "20");
        QCOMPARE(p.form->data().FreeHeight, 0.0);
        open_menu(*p.form, "Da&ta");
        close_menus();
        QCOMPARE(p.form->data().FreeHeight, 240.0);

        choose(*p.form, "&Options", "&Units", "&SI Units (kN, m)");
        settle();
        QCOMPARE(prop->DeFH->label()->text(), QString("Free Height of Wall (m)"));
        QCOMPARE(prop->DeFH->text(), QString("6.096"));
    }
};

QTEST_MAIN(MainFormDialogsTest)
#include "main_form_dialogs_test.moc"
