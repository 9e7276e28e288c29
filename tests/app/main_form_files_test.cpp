// The main window's file commands, settings, text-editor and help commands, driven through
// the menus with scripted answers.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSettings>
#include <QTest>

#include "main_form_support.h"

using namespace vornel;
using namespace vornel::test;

namespace {
// The program's settings group, read afresh.
struct Stored {
    QSettings s{"Dovrik", "VORNEL"};
    Stored() { s.beginGroup("2015.5.7"); }
    QVariant value(const QString& key) { return s.value(key); }
    void setValue(const QString& key, const QVariant& v) { s.setValue(key, v); }
    void remove(const QString& key) { s.remove(key); }
};
void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x\n");
}
}  // namespace

class MainFormFilesTest : public QObject {
    Q_OBJECT
    QTemporaryDir settings_;

  private slots:
    void initTestCase() { isolate_settings(settings_.path()); }
    void init() { QSettings("Dovrik", "VORNEL").clear(); }

    void openThroughDialogSetsCaptionRecentFilesAndSettings() {
        QTemporaryDir work;
        const QString deck = copy_example("cantilever_layered.vn5d", work.path());
        Harness h;
        h.questions.files = {test::FileAnswer{deck, 1}};
        choose(*h.form, "&File", "&Open...");
        QCOMPARE(h.questions.log,
                 QStringList({"open",
                              "inform: Data file: Cantilever_layered.vn5d, has been read by "
                              "VORNEL 2015"}));
        QCOMPARE(h.form->windowTitle(), QString("VORNEL 2015.5.7 - Cantilever_layered.vn5d"));
        QCOMPARE(h.form->data().Increments, 72);
        // The recent file is in the menu, with its separator, and in the settings at once.
        QCOMPARE(
            shown_items(open_menu(*h.form, "&File")),
            QStringList({"*&New", "*&Open...", "*&Save", "*Save &As...", "Print Report...",
                         "Export Report...", "-", "*1 cantilever_layered.vn5d", "-", "*E&xit"}));
        close_menus();
        QCOMPARE(Stored().value("File1").toString(), deck);
        // Its input file exists now; no output yet.
        QMenu* computation = open_menu(*h.form, "&Computation");
        QVERIFY(item(computation, "Edit I&nput Text")->isEnabled());
        QVERIFY(!item(computation, "Edit &Output Text")->isEnabled());
    }

    void askToSaveOnNewAndCancel() {
        Harness h;
        h.form->data().Title = "Changed";
        h.form->project().setModified(true);
        h.questions.yesNoCancel = {Questions::Answer::Cancel};
        choose(*h.form, "&File", "&New");
        QCOMPARE(h.questions.log, QStringList({"ask: Do you want to save any changes?"}));
        QCOMPARE(h.form->data().Title, QString("Changed"));
        // Yes on a new project asks for a name; cancelling that keeps the project too.
        h.questions.yesNoCancel = {Questions::Answer::Yes};
        choose(*h.form, "&File", "&New");
        QCOMPARE(h.questions.log.last(), QString("save: Save NewWall.vn5d As"));
        QCOMPARE(h.form->data().Title, QString("Changed"));
        // No discards it, asked once.
        h.questions.log.clear();
        h.questions.yesNoCancel = {Questions::Answer::No};
        choose(*h.form, "&File", "&New");
        QCOMPARE(h.questions.log, QStringList({"ask: Do you want to save any changes?"}));
        QCOMPARE(h.form->data().Title, QString("New Wall"));
    }

    void openCancelledInDialogKeepsProject() {
        Harness h;
        h.form->data().Title = "Mine";
        choose(*h.form, "&File", "&Open...");
        QCOMPARE(h.questions.log, QStringList({"open"}));
        QCOMPARE(h.form->data().Title, QString("Mine"));
    }

    void saveAsNamesTheProjectAndClosesWindows() {
        QTemporaryDir work;
        Harness h;
        choose(*h.form, "Da&ta", "&Title");
        QCOMPARE(h.childCaptions().size(), 1);
        const QString target = work.filePath("wall.vn5d");
        h.questions.files = {target};
        choose(*h.form, "&File", "&Save");  // a new project is saved through Save As
        QCOMPARE(h.questions.log, QStringList({"save: Save NewWall.vn5d As"}));
        QVERIFY(QFile::exists(target));
        QCOMPARE(h.form->windowTitle(), QString("VORNEL 2015.5.7 - Wall.vn5d"));
        QTRY_VERIFY(h.childCaptions().isEmpty());
        QCOMPARE(Stored().value("File1").toString(), target);
        // Save again writes without asking.
        h.questions.log.clear();
        choose(*h.form, "&File", "&Save");
        QVERIFY(h.questions.log.isEmpty());
    }

    void recentFileOpensByExtension() {
        QTemporaryDir work;
        const QString a = copy_example("cantilever_layered.vn5d", work.path());
        const QString b = copy_example("anchored_tieback.vn5d", work.path());
        {
            Stored s;
            s.setValue("File1", b);
            s.setValue("File2", a);
        }
        Harness h;  // read when shown
        QMenu* file = open_menu(*h.form, "&File");
        QCOMPARE(shown_items(file).mid(7, 3), QStringList({"*1 " + b, "*2 " + a, "-"}));
        click_item(file, "2 " + a);
        QCOMPARE(h.form->data().Increments, 72);
        QCOMPARE(Stored().value("File1").toString(), a);
        QCOMPARE(Stored().value("File2").toString(), b);
    }

    void droppedFileIsOpened() {
        QTemporaryDir work;
        const QString deck = copy_example("cantilever_layered.vn5d", work.path());
        Harness h;
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(deck)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(h.form.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(h.form.get(), &drop);
        QCOMPARE(h.form->windowTitle(), QString("VORNEL 2015.5.7 - Cantilever_layered.vn5d"));
    }

    void commandLine() {
        QTemporaryDir work;
        const QString deck = copy_example("cantilever_layered.vn5d", work.path());
        Harness h;
        h.form->openCommandLine({deck});
        QCOMPARE(h.form->windowTitle(), QString("VORNEL 2015.5.7 - Cantilever_layered.vn5d"));
        QVERIFY(h.questions.log.isEmpty());  // no read confirmation at start
        // A name that does not exist gives a new project.
        h.form->openCommandLine({work.filePath("missing")});
        QCOMPARE(h.form->windowTitle(), QString("VORNEL 2015.5.7 - NewWall.vn5d"));
        QCOMPARE(h.questions.informed,
                 QStringList{"The file " + work.filePath("missing.vn4d") +
                             " could not be found; a new project has been started."});
    }

    void closingAsksAndWritesSettings() {
        Harness h;
        h.form->setTextEditor("/usr/bin/mousepad");
        h.form->project().setModified(true);
        h.questions.yesNoCancel = {Questions::Answer::Cancel};
        QVERIFY(!h.form->close());
        QVERIFY(h.form->isVisible());
        h.questions.yesNoCancel = {Questions::Answer::No};
        QVERIFY(h.form->close());
        QCOMPARE(Stored().value("Word Processor").toString(), QString("/usr/bin/mousepad"));
        QCOMPARE(Stored().value("File1").toString(), QString());
    }

    void missingWordProcessorUsesDesktopOpener() {
        QTemporaryDir work;
        const QString deck = copy_example("cantilever_layered.vn5d", work.path());
        Stored().setValue("Word Processor", "/opt/editor/bin/edit");
        {
            Harness h;
            QCOMPARE(h.form->textEditor(), QString("/opt/editor/bin/edit"));
        }
        Stored().remove("Word Processor");
        Harness h;
        QCOMPARE(h.form->textEditor(), QString("xdg-open"));
        h.form->openCommandLine({deck});
        choose(*h.form, "&Computation", "Edit I&nput Text");
        QCOMPARE(h.desktop.started, QList<QStringList>({{"xdg-open", deck}}));
        // Without xdg-open on the PATH the desktop's URL handler opens the file; when that
        // fails too, the message names what is missing.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", work.path().toLocal8Bit());
        choose(*h.form, "&Computation", "Edit I&nput Text");
        QCOMPARE(h.desktop.urls, QList<QUrl>({QUrl::fromLocalFile(deck)}));
        QCOMPARE(h.desktop.started.size(), 1);
        QVERIFY(h.questions.informed.isEmpty());
        h.desktop.openSucceeds = false;
        choose(*h.form, "&Computation", "Edit I&nput Text");
        qputenv("PATH", path);
        QCOMPARE(h.questions.informed,
                 QStringList({"An error occurred in running the Word Processor\n\"xdg-open\" is "
                              "not installed, and the desktop has no program to open "
                              "cantilever_layered.vn5d. Install xdg-open (package xdg-utils) or "
                              "choose another text editor under Options, Option of Text "
                              "Editor."}));
    }

    void textEditorCommandsOpenTheResultFiles() {
        QTemporaryDir work;
        const QString deck = copy_example("cantilever_layered.vn5d", work.path());
        touch(work.filePath("cantilever_layered.vn5o"));
        touch(work.filePath("cantilever_layered.vn5r"));
        Harness h;
        h.form->setTextEditor("gedit --new-window");
        h.form->openCommandLine({deck});
        QVERIFY(h.form->action(Cmd::EditOutput)->isEnabled());  // "View Output File" button
        QCOMPARE(h.form->action(Cmd::EditOutput)->toolTip(), QString("View Output File"));
        choose(*h.form, "&Computation", "Edit &Processor-Run Notes");
        choose(*h.form, "&Computation", "Edit &Output Text");
        QCOMPARE(h.desktop.started,
                 QList<QStringList>(
                     {{"gedit", "--new-window", work.filePath("cantilever_layered.vn5r")},
                      {"gedit", "--new-window", work.filePath("cantilever_layered.vn5o")}}));
        h.desktop.startSucceeds = false;
        choose(*h.form, "&Computation", "Edit &Output Text");
        QCOMPARE(h.questions.informed,
                 QStringList({"An error occurred in running the Word Processor"}));
        // The output removed outside the program: back in it, the button is off as the menu
        // item is.
        QVERIFY(QFile::remove(work.filePath("cantilever_layered.vn5o")));
        QEvent back(QEvent::ActivationChange);
        QApplication::sendEvent(h.form.get(), &back);
        QVERIFY(!h.form->action(Cmd::EditOutput)->isEnabled());
        QVERIFY(!item(open_menu(*h.form, "&Computation"), "Edit &Output Text")->isEnabled());
        close_menus();
    }

    // A plot file beside a deck is shown only when it belongs to it: same unit system, station
    // count and problem count; each example's own plot file does.
    void plotFileMustBelongToTheDeck() {
        const QString golden = QStringLiteral(VORNEL_SOURCE_DIR "/tests/engine/%1/golden/%2.vn5p");
        const QString prefix = "The plot file does not belong to this project (its ";
        const struct {
            const char* deck;
            const char* plot;
            const char* folder;
            bool si;
            const char* differs;  // null: it belongs
        } cases[] = {
            {"cantilever_layered", "cantilever_layered", "soil", false, nullptr},
            {"cantilever_layered_long_term", "cantilever_layered_long_term", "soil", false,
             nullptr},
            {"anchored_three_stage", "anchored_three_stage", "soil", false, nullptr},
            {"two_stage", "two_stage", "run", false, nullptr},
            {"anchored_tieback", "anchored_tieback", "run", false, nullptr},
            {"cantilever_layered", "cantilever_layered", "soil", true, "unit system"},
            {"anchored_three_stage", "cantilever_layered", "soil", false,
             "station count, problem count"},
        };
        for (const auto& c : cases) {
            QTemporaryDir work;
            const QString deck = copy_example(QString(c.deck) + ".vn5d", work.path());
            if (c.si) {  // the unit code leads the deck's second line
                QFile f(deck);
                QVERIFY(f.open(QIODevice::ReadOnly));
                QList<QByteArray> lines = f.readAll().split('\n');
                f.close();
                QVERIFY(lines[1].startsWith("1 "));
                lines[1][0] = '2';
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(lines.join('\n'));
                f.close();
            }
            QVERIFY(QFile::copy(golden.arg(c.folder, c.plot),
                                work.filePath(QString(c.deck) + ".vn5p")));
            Harness h;
            h.form->openCommandLine({deck});
            QCOMPARE(h.form->data().UnitSystem, c.si ? 2 : 1);
            const QStringList told = h.questions.informed.filter(prefix);
            if (!c.differs) {
                QVERIFY2(told.isEmpty(), qPrintable(told.join('|')));
                QVERIFY(h.form->resultsLoaded());
                continue;
            }
            QCOMPARE(told, QStringList({prefix + c.differs +
                                        " differs); its results are not shown. Run the "
                                        "analysis again."}));
            QVERIFY(!h.form->resultsLoaded());
            QVERIFY(!item(open_menu(*h.form, "&Graphics"), "&Deflection vs Depth")->isEnabled());
            close_menus();
        }
    }

    // The design report needs results; it is written beside the deck under the name the
    // engineer gives, with ".pdf" added, and printed into a PDF where no printer exists.
    void reportCommands() {
        QTemporaryDir work;
        const QString deck = copy_example("anchored_three_stage.vn5d", work.path());
        for (const char* ext : {".vn5o", ".vn5p"})
            QVERIFY(QFile::copy(
                QStringLiteral(VORNEL_SOURCE_DIR "/tests/engine/soil/golden/anchored_three_stage") +
                    ext,
                work.filePath(QStringLiteral("anchored_three_stage") + ext)));
        Harness h;
        QVERIFY(!item(open_menu(*h.form, "&File"), "Export Report...")->isEnabled());
        close_menus();
        h.form->openCommandLine({deck});
        QVERIFY(h.form->resultsLoaded());
        h.questions.files = {work.filePath("checked"), work.filePath("printed.pdf"), ""};
        choose(*h.form, "&File", "Export Report...");
        choose(*h.form, "&File", "Print Report...");
        choose(*h.form, "&File", "Export Report...");  // cancelled: nothing written
        QCOMPARE(
            h.questions.log.filter("save: "),
            QStringList({"save: Export Report", "save: Print To PDF File", "save: Export Report"}));
        QCOMPARE(h.questions.informed, QStringList());
        for (const char* name : {"checked.pdf", "printed.pdf"}) {
            QFile pdf(work.filePath(name));
            QVERIFY2(pdf.open(QIODevice::ReadOnly), name);
            QVERIFY(pdf.read(5) == "%PDF-");
            QVERIFY(pdf.size() > 20000);  // pages of tables and graphs, not an empty page
        }
        QVERIFY(!QFile::exists(work.filePath("checked")));
    }

    void helpCommands() {
        QTemporaryDir program;
        touch(program.filePath("VORNEL 2015 Users Manual.pdf"));
        Harness h(program.path());
        choose(*h.form, "&Help", "&User's Manual");
        QCOMPARE(
            h.desktop.urls,
            QList<QUrl>({QUrl::fromLocalFile(program.filePath("VORNEL 2015 Users Manual.pdf"))}));
        choose(*h.form, "&Help", "&Contents");
        QCOMPARE(h.questions.informed,
                 QStringList(
                     {"The file " + program.filePath("help/index.html") + " could not be found."}));
        choose(*h.form, "&Help", "&About...");
        QCOMPARE(h.questions.log.last(),
                 QString("about: About VORNEL 2015|VORNEL 2015\nVersion 2015.5.7\n\n"
                         "A program for the analysis of flexible retaining structures"));
        choose(*h.form, "&Help", "Check for &Updates");
        const QUrl update = h.desktop.urls.last();
        QCOMPARE(update.host(), QString("www.dovrik.com"));
        QVERIFY(update.query().contains("product=VORNEL"));
        QVERIFY(update.query().contains("version=2015.5.7"));
    }
};

QTEST_MAIN(MainFormFilesTest)
#include "main_form_files_test.moc"
