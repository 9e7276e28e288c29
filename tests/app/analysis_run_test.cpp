// Running an analysis from the main window: the checks before a run with their messages, the
// engine library bound for one call (missing, refusing, real), the private working folder,
// and the state of the window afterwards.
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "app/results_summary_window.h"
#include "editor/dynamic_library.h"
#include "editor/pre_run_checks.h"
#include "main_form_support.h"

using namespace vornel;
using namespace vornel::test;

namespace {
const QString kEngineFolder = QStringLiteral(VORNEL_BINARY_DIR "/bin");
const QString kRefusingFolder = QStringLiteral(VORNEL_BINARY_DIR "/test-engines/refusing");
const QString kFullDiskFolder = QStringLiteral(VORNEL_BINARY_DIR "/test-engines/full-disk");

QStringList run_folders() {
    return QDir(QDir::tempPath()).entryList({"vornel-run-*"}, QDir::Dirs);
}

// Every NAMES.dat below `folder`.
QStringList names_files(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, {"NAMES.dat"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) found << it.next();
    return found;
}

void set_sand_layer(TProgramData& d, double angle) {
    TGridTable& soil = d.tables().NewSoil;
    soil.setRowCount(1);
    soil.setItem(col::kSlType, 0, kSand);
    TGridTable* p = soil.subTable(col::kSlParameters, 0);
    p->setReal(1, 0, angle);
}
}  // namespace

class AnalysisRunTest : public QObject {
    Q_OBJECT
    QTemporaryDir settings_;

  private slots:
    void initTestCase() { isolate_settings(settings_.path()); }

    void stiffnessNodesWithinTheWall() {
        ProjectTables tables;
        TProgramData d(tables);
        d.Increments = 72;
        tables.PileSect.setRowCount(2);
        tables.PileSect.setInteger(col::kPsFrom, 0, 0);
        tables.PileSect.setInteger(col::kPsTo, 0, 40);
        tables.PileSect.setInteger(col::kPsFrom, 1, 40);
        tables.PileSect.setInteger(col::kPsTo, 1, 72);  // equal to Increments: allowed
        QCOMPARE(pre_run_check(d), QString());
        tables.PileSect.setInteger(col::kPsTo, 1, 73);
        QCOMPARE(pre_run_check(d),
                 QString("End Node, 73 in row 2 of Wall Stiffness definition\n"
                         "is greater than number of nodes defined, 72.\n"
                         "Please check on Wall Properties Windows and Wall Stiffness Table"));
        tables.PileSect.setInteger(col::kPsFrom, 0, 80);  // the start node is checked first
        QCOMPARE(pre_run_check(d),
                 QString("Initial Node, 80 in row 1 of Wall Stiffness definition\n"
                         "is greater than number of nodes defined, 72.\n"
                         "Please check on Wall Properties Windows and Wall Stiffness Table"));
    }

    void backfillSlopeAgainstFrictionAngle() {
        ProjectTables tables;
        TProgramData d(tables);
        d.Increments = 10;
        set_sand_layer(d, 0.0);
        d.BackfillSlope = 0.0;  // a level backfill checks nothing
        QCOMPARE(pre_run_check(d), QString());
        set_sand_layer(d, 30.0);
        d.BackfillSlope = 30.0;  // the angle may equal the slope
        QCOMPARE(pre_run_check(d), QString());
        d.BackfillSlope = 32.5;
        QCOMPARE(pre_run_check(d), QString("Slope of the Backfill: 32.5 deg.\n"
                                           "is greater than friction angle, 30 deg.,\n"
                                           "in layer 1\n"
                                           "Please check on Wall Configuration and Soil Layers "
                                           "Windows"));
        tables.NewSoil.setItem(col::kSlType, 0, kSilt);
        tables.NewSoil.subTable(col::kSlParameters, 0)->setReal(1, 0, 20.0);
        QCOMPARE(pre_run_check(d), QString("Slope of the Backfill: 32.5\n"
                                           "is greater than friction angle, 20,\n"
                                           "in layer 1\n"
                                           "Please check Soil Layers"));
        tables.NewSoil.setItem(col::kSlType, 0, kSoftClay);  // clays have no friction angle
        QCOMPARE(pre_run_check(d), QString());
    }

    void brokenRuleStopsTheRun() {
        QTemporaryDir work;
        const QString deck = copy_example("cantilever_layered.vn5d", work.path());
        Harness h(kEngineFolder);
        h.form->openCommandLine({deck});
        h.form->data().Increments = 70;  // the stiffness row ends at node 72
        choose(*h.form, "&Computation", "&Run Analysis");
        QCOMPARE(h.questions.warned,
                 QStringList({"End Node, 72 in row 1 of Wall Stiffness definition\n"
                              "is greater than number of nodes defined, 70.\n"
                              "Please check on Wall Properties Windows and Wall Stiffness Table"}));
        QVERIFY(h.questions.informed.isEmpty());
        QVERIFY(!QFile::exists(work.filePath("cantilever_layered.vn5o")));
    }

    void newProjectRunAsksForANameFirst() {
        Harness h(kEngineFolder);
        choose(*h.form, "&Computation", "&Run Analysis");
        QCOMPARE(h.questions.log, QStringList({"save: Save NewWall.vn5d As"}));
    }

    void missingLibrary() {
        QTemporaryDir work, program;
        const QString deck = copy_example("cantilever_layered.vn5d", work.path());
        const QString cwd = QDir::currentPath();
        const QStringList folders_before = run_folders();
        Harness h(program.path());
        h.form->openCommandLine({deck});
        choose(*h.form, "Da&ta", "&Title");
        choose(*h.form, "&Computation", "&Run Analysis");
        QCOMPARE(h.questions.informed, QStringList({"Attempt to initialize DLL failed"}));
        QCOMPARE(QDir::currentPath(), cwd);
        QCOMPARE(run_folders(), folders_before);
        QVERIFY(names_files(program.path()).isEmpty());
        QVERIFY(names_files(work.path()).isEmpty());
        QVERIFY(!QFile::exists(QDir(cwd).filePath("NAMES.dat")));
        QTRY_VERIFY(h.childCaptions().isEmpty());
        QVERIFY(!h.form->resultsLoaded());
    }

    void engineRefusingTheCode() {
        QTemporaryDir work;
        const QString deck = copy_example("cantilever_layered.vn5d", work.path());
        Harness h(kRefusingFolder);
        h.form->openCommandLine({deck});
        choose(*h.form, "&Computation", "&Run Analysis");
        QCOMPARE(h.questions.informed,
                 QStringList({"Computations can not be performed. Executable files are not "
                              "consistent.\nYou may need to reinstall the program.\n"
                              "Please contact Dovrik technical support at support@dovrik.com."}));
        QVERIFY(!h.form->resultsLoaded());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // The engine could not write the plot file: the user is told which file and that the old
    // one is kept, and the old plot file is not taken for this run's results.
    void plotFileNotWritten() {
        QTemporaryDir work;
        const QString deck = copy_example("cantilever_layered.vn5d", work.path());
        const QString plot = work.filePath("cantilever_layered.vn5p");
        QFile old(plot);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("left from an older run\n");
        old.close();
        Harness h(kFullDiskFolder);
        h.form->openCommandLine({deck});
        h.questions.log.clear();
        choose(*h.form, "&Computation", "&Run Analysis");
        QCOMPARE(h.questions.informed,
                 QStringList({"Computations were performed, but this file could not be written "
                              "completely:\n" +
                              plot + "\nThe previous file is kept. The disk may be full."}));
        QVERIFY(!h.form->resultsLoaded());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("left from an older run\n"));
        QVERIFY(item(open_menu(*h.form, "&Computation"), "Edit &Output Text")->isEnabled());
        QVERIFY(!item(open_menu(*h.form, "&Graphics"), "p-&y Curves")->isEnabled());
        close_menus();
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void realAnalysis() {
        QTemporaryDir work;
        const QString deck = copy_example("cantilever_layered.vn5d", work.path());
        const QString cwd = QDir::currentPath();
        const QStringList folders_before = run_folders();
        Harness h(kEngineFolder);
        h.form->openCommandLine({deck});
        QVERIFY(!item(open_menu(*h.form, "&Computation"), "Edit &Output Text")->isEnabled());
        close_menus();
        choose(*h.form, "Da&ta", "&Title");
        choose(*h.form, "Da&ta", "Wall &Properties");
        choose(*h.form, "&Computation", "&Run Analysis");
        QCOMPARE(h.questions.informed,
                 QStringList({"Computations are completed. Please, check output file for "
                              "results or error messages."}));
        // The engine wrote the three result files beside the data file.
        for (const char* ext : {".vn5o", ".vn5p", ".vn5r"})
            QVERIFY(QFile::exists(work.filePath(QString("cantilever_layered") + ext)));
        QFile report(work.filePath("cantilever_layered.vn5o"));
        QVERIFY(report.open(QIODevice::ReadOnly));
        QVERIFY(report.readAll().contains("END OF ANALYSIS"));
        // Nothing of the run is left behind, and the window is back to its folder.
        QCOMPARE(QDir::currentPath(), cwd);
        QCOMPARE(run_folders(), folders_before);
        QVERIFY(names_files(work.path()).isEmpty());
        QVERIFY(names_files(kEngineFolder).isEmpty());
        QVERIFY(!QFile::exists(QDir(cwd).filePath("NAMES.dat")));
        QVERIFY(!QGuiApplication::overrideCursor());
        // The other windows closed; the results summary opened.
        QTRY_COMPARE(h.childCaptions(), QStringList({"Results Summary"}));
        QMenu* computation = open_menu(*h.form, "&Computation");
        QVERIFY(item(computation, "Edit &Output Text")->isEnabled());
        QVERIFY(item(computation, "Edit &Processor-Run Notes")->isEnabled());
        QVERIFY(item(computation, "&View Wall Geometry")->isEnabled());
        close_menus();
        // The plot file is read: results loaded, the graphs filled, their commands enabled.
        QVERIFY(h.form->resultsLoaded());
        QCOMPARE(h.form->data().Results.SetCount, 1);
        QCOMPARE(h.form->data().Results.NodeCount, 74);  // stations 0..72 and one beyond the toe
        QCOMPARE(h.form->results().graphs().pltDef.curveCount(), 1);
        QCOMPARE(
            shown_items(open_menu(*h.form, "&Graphics")),
            QStringList({"*p-&y Curves", "*&Deflection vs Depth", "*&Moment vs Depth",
                         "*&Shear vs Depth", "*&Reaction vs Depth",
                         "*&Deflection, Moment and Shear", "-", "*Earth &Pressure Distribution",
                         "*Earth Pressure Combined", "-", "*Export Plots To Excel"}));
        close_menus();
        for (Cmd c : {Cmd::GraphPY, Cmd::GraphDeflection, Cmd::GraphDMS, Cmd::GraphPressure})
            QVERIFY(h.form->action(c)->isEnabled());  // the toolbar buttons too
        // A second run loads the library afresh.
        choose(*h.form, "&Computation", "&Run Analysis");
        QCOMPARE(h.questions.informed.size(), 2);
        QCOMPARE(h.questions.informed.last(), h.questions.informed.first());
    }

    // The run opens the summary; closed, it comes back from the Computation menu with a column
    // per stage, the report's iterations and the tiebacks' forces, the whole table in sight;
    // Ctrl+C in its table copies the whole table as shown.
    void resultsSummaryAfterARun() {
        QTemporaryDir work;
        const QString deck = copy_example("anchored_three_stage.vn5d", work.path());
        Harness h(kEngineFolder);
        h.form->resize(1280, 1000);
        h.form->openCommandLine({deck});
        choose(*h.form, "&Computation", "&Run Analysis");
        QTRY_COMPARE(h.childCaptions(), QStringList({"Results Summary"}));
        h.form->mdiArea()->closeAllSubWindows();
        QTRY_VERIFY(h.childCaptions().isEmpty());
        choose(*h.form, "&Computation", "Results &Summary");
        TResultsSummaryWindow* w = nullptr;
        QTRY_VERIFY((w = h.form->findChild<TResultsSummaryWindow*>()) != nullptr);
        QTableWidget* t = w->table();
        QCOMPARE(t->columnCount(), 4);
        QCOMPARE(t->rowCount(), 13);
        const QStringList stages{"Problem", "Stage: 1", "Stage: 2", "Stage: 3"};
        for (int c = 0; c < 4; ++c) QCOMPARE(t->horizontalHeaderItem(c)->text(), stages[c]);
        // Tiebacks at stations 12 and 28: S' 0.219E+05 and 0.292E+05 LBS/IN in the report, times
        // the deflections there (stage 2: 0.118E+00 IN; stage 3: 0.755E-01 and 0.413E-01 IN).
        const char* rows[][4] = {
            {"Iterations", "5", "4", "4"},
            {"Max. Moment (in-kips)", "71.55", "47.13", "25.84"},  // 0.7155E+05 LBS-IN ...
            {"Depth of Max. Moment (ft)", "12", "18.5", "24.5"},   // X = 144, 222, 294 in
            {"Tieback/Spring Force at Node 12, 6 ft (kips)", "", "2.58", "1.65"},
            {"Tieback/Spring Force at Node 28, 14 ft (kips)", "", "", "1.21"}};
        const int at[] = {0, 5, 6, 11, 12};
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c) QCOMPARE(t->item(at[r], c)->text(), QString(rows[r][c]));
        // The whole table is in sight at opening: no scrolling, inside the document area.
        QCOMPARE(t->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(t->verticalScrollBar()->maximum(), 0);
        const QRect area = h.form->mdiArea()->viewport()->rect();
        QVERIFY(area.contains(h.form->mdiArea()->activeSubWindow()->geometry()));
        QGuiApplication::clipboard()->clear();
        t->setFocus();
        t->setCurrentCell(1, 2);
        QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 15);  // header, thirteen quantities, the closing newline
        QCOMPARE(lines[0], QString("Problem\tStage: 1\tStage: 2\tStage: 3"));
        QCOMPARE(lines[1], QString("Iterations\t5\t4\t4"));
        QCOMPARE(lines[13], QString("Tieback/Spring Force at Node 28, 14 ft (kips)\t\t\t1.21"));
    }

    void libraryBinding() {
        TDynamicLibrary missing(QDir::tempPath() + "/no-such-engine.so");
        try {
            missing.open();
            QFAIL("no error for a missing library");
        } catch (const EFileNotFoundError& e) {
            QCOMPARE(QString(e.what()), QString("Library could not be located"));
        }
        try {
            missing.entry("_IVORNEL");
            QFAIL("no error for a closed library");
        } catch (const EDLLNotOpenError& e) {
            QCOMPARE(QString(e.what()), QString("Library is not open"));
        }
        TDynamicLibrary engine(kEngineFolder + "/libVornel2015_DLL.so");
        engine.open();
        QVERIFY(engine.isOpen());
        auto entry = reinterpret_cast<int (*)(int)>(engine.entry("_IVORNEL"));
        QVERIFY(entry);
        QCOMPARE(entry(3), 1);  // any code but 7 is refused
        QVERIFY(!engine.entry("NoSuchExport"));
        engine.setLibraryName(QDir::tempPath() + "/other.so");
        QVERIFY(!engine.isOpen());
    }
};

QTEST_MAIN(AnalysisRunTest)
#include "analysis_run_test.moc"
