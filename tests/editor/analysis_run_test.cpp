// The run sequence against a scripted engine: which outputs a run replaced, what the user is
// told when the engine could not write one of them, and that a plot file left from an
// earlier run is never taken for this run's results.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <optional>

#include "editor/analysis_run.h"
#include "editor_test_support.h"

using namespace vornel;

namespace {

enum Out { kReport, kPlot, kMonitor };

// The run files as the engine finds them in NAMES.dat in its current folder.
QStringList names_in_current_folder() {
    QFile f(QStringLiteral("NAMES.dat"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'));
}

// Writes `path` as the engine does: to a temporary file renamed into place.
void replace_file(const QString& path, const QByteArray& content) {
    const QString temp = path + QStringLiteral(".part");
    test::write_file(temp, content);
    QFile::remove(path);
    QFile::rename(temp, path);
}

struct Script {
    const char* what;
    std::array<bool, 3> writes;  // report, plot, monitor replaced by the engine
    std::int32_t status;
    std::array<bool, 3> existedBefore;
    AnalysisRun::Outcome outcome;
    bool plotReplaced;
    const char* message;  // %R, %P, %M: the report, plot and monitor paths
};

const Script kScripts[] = {
    {"all written",
     {true, true, true},
     0,
     {true, true, true},
     AnalysisRun::Outcome::Completed,
     true,
     "Computations are completed. Please, check output file for results or error messages."},
    {"plot file left from an older run",
     {true, false, true},
     0,
     {false, true, false},
     AnalysisRun::Outcome::Completed,
     false,
     "Computations are completed. Please, check output file for results or error messages."},
    {"plot file not written",
     {true, false, true},
     2,
     {true, true, true},
     AnalysisRun::Outcome::OutputNotWritten,
     false,
     "Computations were performed, but this file could not be written completely:\n%P\n"
     "The previous file is kept. The disk may be full."},
    {"report and monitor not written",
     {false, true, false},
     2,
     {true, false, false},
     AnalysisRun::Outcome::OutputNotWritten,
     true,
     "Computations were performed, but these files could not be written completely:\n%R\n%M\n"
     "The previous files are kept. The disk may be full."},
    {"status 2 with every file replaced",
     {true, true, true},
     2,
     {true, true, true},
     AnalysisRun::Outcome::OutputNotWritten,
     true,
     "Computations were performed, but an output file could not be written completely.\n"
     "The disk may be full."},
    {"code refused",
     {false, false, false},
     1,
     {true, true, true},
     AnalysisRun::Outcome::Refused,
     false,
     "Computations can not be performed. Executable files are not consistent.\n"
     "You may need to reinstall the program.\n"
     "Please contact Dovrik technical support at support@dovrik.com."},
};

}  // namespace

TEST(AnalysisRun, TellsWhichOutputTheEngineCouldNotWrite) {
    for (const Script& s : kScripts) {
        SCOPED_TRACE(s.what);
        QTemporaryDir work;
        const QString deck = work.filePath("wall.vn5d");
        QFile::copy(test::source_path("examples/cantilever_layered.vn5d"), deck);
        QFile(deck).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        const std::array<QString, 3> out = {work.filePath("wall.vn5o"), work.filePath("wall.vn5p"),
                                            work.filePath("wall.vn5r")};
        for (int i : {kReport, kPlot, kMonitor})
            if (s.existedBefore[i]) test::write_file(out[i], "older run\n");

        test::RecordingQuestions q;
        Project project(q, work.path());
        ASSERT_TRUE(project.openFromCommandLine({deck}));
        q.informed.clear();
        AnalysisRun run(project, q, work.path());
        std::optional<std::int32_t> code;
        QStringList names;
        run.setEngine([&](std::int32_t c) {
            code = c;
            names = names_in_current_folder();
            // As long as the older contents: only the file's identity tells them apart.
            for (int i : {kReport, kPlot, kMonitor})
                if (s.writes[i]) replace_file(names.value(2 + i), "newer run\n");
            return s.status;
        });
        EXPECT_EQ(run.run(), s.outcome);
        EXPECT_EQ(code, 7);
        EXPECT_EQ(names.mid(2, 3), QStringList(out.begin(), out.end()));
        EXPECT_EQ(run.plotFileReplaced(), s.plotReplaced);
        const QString expected = QString::fromLatin1(s.message)
                                     .replace("%R", out[kReport])
                                     .replace("%P", out[kPlot])
                                     .replace("%M", out[kMonitor]);
        EXPECT_EQ(q.informed, QStringList{expected});
        // A file the engine did not replace keeps what it held.
        for (int i : {kReport, kPlot, kMonitor})
            if (!s.writes[i] && s.existedBefore[i]) {
                EXPECT_EQ(test::read_file(out[i]), QByteArray("older run\n"));
            }
        EXPECT_FALSE(run.bindingExists());
    }
}
