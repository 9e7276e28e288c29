// Start-up of the program's main window on an analysed example: constructing the window with
// its menus, toolbar icons and settings, showing it, and opening the data file with its plot
// file, up to the window being exposed. The target for the whole start-up, process and
// toolkit included, is under 500 ms; this measures the program's own part of it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_form.h"
#include "editor/console_questions.h"

namespace {

using namespace vornel;

void BM_MainWindowShownOnAnalysedExample(benchmark::State& state) {
    QTemporaryDir work;
    const QString deck = QDir(work.path()).filePath("cantilever_layered.vn5d");
    QFile::copy(QStringLiteral(VORNEL_SOURCE_DIR "/examples/cantilever_layered.vn5d"), deck);
    QFile::setPermissions(deck, QFile::ReadOwner | QFile::WriteOwner);
    QProcess::execute(QStringLiteral(VORNEL_BINARY_DIR "/bin/vornel-run"), {deck});
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.path());
    ConsoleQuestions questions;
    for (auto _ : state) {
        MainFormSetup setup;
        setup.questions = &questions;
        TMainForm form(std::move(setup));
        form.show();
        form.openCommandLine({deck});
        if (!QTest::qWaitForWindowExposed(&form) || !form.resultsLoaded())
            state.SkipWithError("window not shown or results not loaded");
    }
}
BENCHMARK(BM_MainWindowShownOnAnalysedExample)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
