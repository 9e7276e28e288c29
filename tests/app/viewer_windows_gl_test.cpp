// The main window with the real 3D view and profile view: the 3D tools and the "Show 3DView"
// menu appear only while the view is open, the mouse-mode buttons show the mode in force, the
// show items carry the view's flags, and "&View Wall Geometry" opens the Side View.
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

#include "main_form_support.h"
#include "viewer/ui/dlg_block.h"
#include "viewer/ui/dlg_side_view.h"

using namespace vornel;
using namespace vornel::test;

namespace {

// A main window with the program's own child windows and scripted questions, on an example
// whose results lie beside it.
struct RealWindows {
    RecordingQuestions questions;
    RecordingDesktop desktop;
    QTemporaryDir work;
    std::unique_ptr<TMainForm> form;

    RealWindows() {
        MainFormSetup setup;
        setup.questions = &questions;
        setup.desktop = &desktop;
        setup.programFolder = QDir::tempPath();
        form = std::make_unique<TMainForm>(std::move(setup));
        form->show();
        const QString deck = copy_example("anchored_three_stage.vn5d", work.path());
        QFile::copy(
            QStringLiteral(VORNEL_SOURCE_DIR "/tests/engine/soil/golden/anchored_three_stage.vn5p"),
            work.filePath("anchored_three_stage.vn5p"));
        form->openCommandLine({deck});
    }
    ~RealWindows() {
        close_menus();
        form->closeAllChildren();
        form->project().setModified(false);
        form->project().tables().resetChanged();
    }
    bool visible(Cmd c) const { return form->action(c)->isVisible(); }
    bool checked(Cmd c) const { return form->action(c)->isChecked(); }
    TDlgBlock* view() const {
        for (QMdiSubWindow* sub : form->mdiArea()->subWindowList())
            if (auto* v = qobject_cast<TDlgBlock*>(sub->widget())) return v;
        return nullptr;
    }
};

}  // namespace

class ViewerWindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir settings_;

  private slots:
    void initTestCase() { isolate_settings(settings_.path()); }

    void toolsFollowTheOpenView() {
        RealWindows w;
        QVERIFY(w.form->resultsLoaded());
        QVERIFY(!w.visible(Cmd::ToolRotating));
        QVERIFY(!w.visible(Cmd::Show3DMenu));
        choose(*w.form, "&Computation", "3D View");
        TDlgBlock* view = w.view();
        QVERIFY(view);
        QVERIFY(w.visible(Cmd::ToolRotating));
        QVERIFY(w.visible(Cmd::Show3DMenu));
        QStringList hints, items;
        for (Cmd c :
             {Cmd::ToolPanning, Cmd::ToolZoomWindow, Cmd::ToolZooming, Cmd::ToolRotating,
              Cmd::ToolZoomIn, Cmd::ToolZoomOut, Cmd::ToolRestartView, Cmd::ToolDeformedShape})
            hints << w.form->action(c)->toolTip();
        QCOMPARE(hints, (QStringList{"Panning", "Zoom Window", "Zooming", "Rotating", "Zoom In",
                                     "Zoom Out", "Restart View", "Deformed Shape"}));
        for (QAction* a : open_menu(*w.form, "Show 3DView")->actions()) items << a->text();
        close_menus();
        QCOMPARE(items, (QStringList{"Wall", "Soil Layers", "Water Level", "Additional Surcharge",
                                     "Concentrated Loads", "Tie Backs", "Boundary Conditions",
                                     "Lateral Springs", "Deformed Shape", "", "Save Picture...",
                                     "Print..."}));
        // Results with a deflection curve: the deformed shape can be asked for.
        QVERIFY(w.form->action(Cmd::ToolDeformedShape)->isEnabled());

        w.form->action(Cmd::ToolRotating)->trigger();
        QCOMPARE(view->navigation().mode, MouseMode::Rotate);
        QVERIFY(w.checked(Cmd::ToolRotating));
        QVERIFY(!w.checked(Cmd::ToolPanning));
        w.form->action(Cmd::ToolPanning)->trigger();
        QCOMPARE(view->navigation().mode, MouseMode::Pan);
        QVERIFY(w.checked(Cmd::ToolPanning));
        QVERIFY(!w.checked(Cmd::ToolRotating));

        // Show items in the menu's order: the fifth is "Concentrated Loads".
        QVERIFY(w.checked(Cmd::ShowWall));
        w.form->action(Cmd::ShowWall)->trigger();
        QVERIFY(!view->isShown(ShowOption::Wall));
        QVERIFY(!w.checked(Cmd::ShowWall));
        const bool loads = view->isShown(ShowOption::ConcentratedLoads);
        w.form->action(Cmd::ShowConcentratedLoads)->trigger();
        QCOMPARE(view->isShown(ShowOption::ConcentratedLoads), !loads);
        QCOMPARE(w.checked(Cmd::ShowConcentratedLoads), !loads);
        QCOMPARE(view->isShown(ShowOption::LateralSprings), w.checked(Cmd::ShowLateralSprings));

        w.form->mdiArea()->subWindowList().constFirst()->close();
        QTRY_COMPARE(w.form->mdiArea()->subWindowList().size(), 0);
        QTRY_VERIFY(!w.visible(Cmd::ToolRotating));
        QVERIFY(!w.visible(Cmd::Show3DMenu));
    }

    void wallGeometryOpensTheSideView() {
        RealWindows w;
        choose(*w.form, "&Computation", "&View Wall Geometry");
        const QList<QMdiSubWindow*> subs = w.form->mdiArea()->subWindowList();
        QCOMPARE(subs.size(), 1);
        auto* side = qobject_cast<TDlgSideView*>(subs.constFirst()->widget());
        QVERIFY(side);
        QCOMPARE(side->windowTitle(), QString("Side View"));
    }

    // Both views open at their creation sizes, whatever their size hints.
    void viewsOpenAtTheirSizes_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::newRow("3D") << "3D View"
                            << "3-D View" << QSize(870, 640);
        QTest::newRow("side") << "&View Wall Geometry"
                              << "Side View" << QSize(580, 431);
    }
    void viewsOpenAtTheirSizes() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        RealWindows w;
        w.form->resize(1200, 1000);
        choose(*w.form, "&Computation", item);
        QMdiSubWindow* sub = w.form->mdiArea()->activeSubWindow();
        QVERIFY(sub);
        QCOMPARE(sub->widget()->windowTitle(), caption);
        QVERIFY(!sub->isMaximized());
        QCOMPARE(sub->widget()->size(), size);
    }
};

QTEST_MAIN(ViewerWindowsTest)
#include "viewer_windows_gl_test.moc"
