// The main window's graph commands: each opens its graph window maximised, once, brings it
// back later; closing the window keeps the graph; a run closes the windows.
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

#include "main_form_support.h"
#include "viewer/ui/graph_window.h"
#include "viewer/ui/legend_box.h"

using namespace vornel;
using namespace vornel::test;

class GraphWindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    void initTestCase() { isolate_settings(dir_.path()); }

    void graphCommandsOpenTheirWindows() {
        QTemporaryDir work;
        const QString deck = copy_example("anchored_three_stage.vn5d", work.path());
        QVERIFY(QFile::copy(
            QStringLiteral(VORNEL_SOURCE_DIR "/tests/engine/soil/golden/anchored_three_stage.vn5p"),
            work.filePath("anchored_three_stage.vn5p")));
        Harness h;
        h.form->show();
        h.form->openCommandLine({deck});
        QVERIFY(h.form->resultsLoaded());
        choose(*h.form, "&Graphics", "&Moment vs Depth");
        QCOMPARE(h.childCaptions(), QStringList{"Moment vs Depth"});
        QMdiSubWindow* sub = h.form->mdiArea()->subWindowList().constFirst();
        QVERIFY(sub->isMaximized());
        auto* w = qobject_cast<TGraphWindow*>(sub->widget());
        QVERIFY(w);
        QCOMPARE(&w->graph(), &h.form->results().graphs().pltMom);
        QVERIFY(h.form->results().graphs().pltMom.WindowExists);
        QCOMPARE(w->plotMenu()->title(), QString("&Plot"));
        // Shown again, not twice.
        choose(*h.form, "&Graphics", "&Shear vs Depth");
        choose(*h.form, "&Graphics", "&Moment vs Depth");
        QCOMPARE(h.form->mdiArea()->subWindowList().size(), 2);
        QCOMPARE(h.form->mdiArea()->activeSubWindow(), sub);
        // Closing keeps the graph and what the engineer set in it.
        h.form->results().graphs().pltMom.curve(0).Shown = false;
        sub->close();
        QTRY_VERIFY(!h.form->results().graphs().pltMom.WindowExists);
        QVERIFY(!h.form->results().graphs().pltMom.curve(0).Shown);
        QCOMPARE(h.childCaptions(), QStringList{"Shear vs Depth"});
        // Opening again makes a fresh window.
        choose(*h.form, "&Graphics", "&Moment vs Depth");
        QCOMPARE(h.childCaptions().size(), 2);
        h.form->closeAllChildren();
        QVERIFY(!h.form->results().graphs().pltShear.WindowExists);
    }

    // A dialog opened over a maximised graph opens maximised; restored, the graph keeps a
    // working size.
    void restoredGraphKeepsItsSize() {
        QTemporaryDir work;
        const QString deck = copy_example("anchored_three_stage.vn5d", work.path());
        QVERIFY(QFile::copy(
            QStringLiteral(VORNEL_SOURCE_DIR "/tests/engine/soil/golden/anchored_three_stage.vn5p"),
            work.filePath("anchored_three_stage.vn5p")));
        Harness h;
        h.form->resize(1000, 800);
        h.form->show();
        h.form->openCommandLine({deck});
        choose(*h.form, "&Graphics", "&Moment vs Depth");
        QMdiSubWindow* graph = h.form->mdiArea()->activeSubWindow();
        choose(*h.form, "Da&ta", "Wall &Properties");
        QMdiSubWindow* dialog = h.form->mdiArea()->activeSubWindow();
        QVERIFY(dialog != graph);
        QVERIFY(dialog->isMaximized());
        dialog->showNormal();
        const QSize area = h.form->mdiArea()->viewport()->size();
        QVERIFY(!graph->isMaximized());
        QVERIFY2(graph->width() >= area.width() / 2 && graph->height() >= area.height() / 2,
                 qPrintable(QStringLiteral("%1 x %2").arg(graph->width()).arg(graph->height())));
        h.form->closeAllChildren();
    }

    // Another graph maximised over it and the first brought back from the Window menu: its
    // legend is where it was, on the screen and for the page.
    void legendKeepsItsPlaceWhenReactivated() {
        QTemporaryDir work;
        const QString deck = copy_example("anchored_three_stage.vn5d", work.path());
        QVERIFY(QFile::copy(
            QStringLiteral(VORNEL_SOURCE_DIR "/tests/engine/soil/golden/anchored_three_stage.vn5p"),
            work.filePath("anchored_three_stage.vn5p")));
        Harness h;
        h.form->resize(1000, 800);
        h.form->show();
        h.form->openCommandLine({deck});
        choose(*h.form, "&Graphics", "&Moment vs Depth");
        auto* moment = qobject_cast<TGraphWindow*>(h.form->mdiArea()->activeSubWindow()->widget());
        QVERIFY(moment && moment->legend()->isVisible());
        QTest::qWait(20);
        const QPoint place = moment->legend()->pos();
        const auto fraction = moment->view().legendFraction;
        QVERIFY(fraction);
        choose(*h.form, "&Graphics", "&Shear vs Depth");
        QVERIFY(!h.form->mdiArea()->subWindowList().constFirst()->isMaximized());
        choose(*h.form, "&Window", "Moment vs Depth");
        QCOMPARE(h.form->mdiArea()->activeSubWindow()->widget(), moment);
        QTRY_VERIFY(h.form->mdiArea()->activeSubWindow()->isMaximized());
        QTest::qWait(20);
        QCOMPARE(moment->legend()->pos(), place);
        QCOMPARE(*moment->view().legendFraction, *fraction);
        h.form->closeAllChildren();
    }
};

QTEST_MAIN(GraphWindowsTest)
#include "graph_windows_test.moc"
