// Start-up of the program: the main window on an analysed example opens with its caption and
// its results loaded, and the program itself starts on it and keeps running.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_form.h"
#include "tests/support/recording_questions.h"

using namespace vornel;

namespace {
const QString kBin = QStringLiteral(VORNEL_BINARY_DIR "/bin");

// An example deck copied into `folder` and analysed there by the headless runner.
QString analysed_example(const QString& folder) {
    const QString deck = QDir(folder).filePath("cantilever_layered.vn5d");
    QFile::copy(QStringLiteral(VORNEL_SOURCE_DIR "/examples/cantilever_layered.vn5d"), deck);
    QFile::setPermissions(deck, QFile::ReadOwner | QFile::WriteOwner);
    QProcess run;
    run.start(kBin + "/vornel-run", {deck});
    run.waitForFinished(60000);
    return deck;
}
}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
    QTemporaryDir settings_;

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }

    void mainWindowOnAnAnalysedExample() {
        QTemporaryDir work;
        const QString deck = analysed_example(work.path());
        QVERIFY(QFile::exists(work.filePath("cantilever_layered.vn5p")));
        test::RecordingQuestions questions;
        MainFormSetup setup;
        setup.questions = &questions;
        setup.programFolder = kBin;
        TMainForm form(std::move(setup));
        form.show();
        form.openCommandLine({deck});
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.windowTitle().startsWith("VORNEL 2015"));
        QCOMPARE(form.windowTitle(), QString("VORNEL 2015.5.7 - Cantilever_layered.vn5d"));
        QVERIFY(questions.log.isEmpty());
        // The plot file beside the deck was read: the results are there to be looked at.
        QVERIFY(form.resultsLoaded());
        for (Cmd c : {Cmd::GraphDeflection, Cmd::GraphMoment, Cmd::GraphShear, Cmd::GraphDMS,
                      Cmd::ViewWallGeometry, Cmd::EditOutput})
            QVERIFY(form.action(c)->isEnabled());
    }

    void programStartsOnTheExample() {
        QTemporaryDir work;
        const QString deck = analysed_example(work.path());
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", settings_.path());
        program.setProcessEnvironment(env);
        program.start(kBin + "/Vornel2015", {deck});
        QVERIFY(program.waitForStarted(10000));
        // Still running after its start: the window is up and waiting for the user.
        QVERIFY(!program.waitForFinished(1500));
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished(5000);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
