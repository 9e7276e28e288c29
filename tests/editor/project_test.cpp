// The file commands of the project facade, run headless with scripted answers.
#include "editor/project.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "editor/file_naming.h"
#include "editor_test_support.h"

namespace vornel {
namespace {

using Answer = Questions::Answer;

struct Env {
    QTemporaryDir dir;
    test::RecordingQuestions q;
    Project p{q, dir.path()};
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST(Project, SavingANewProjectAsksForAName) {
    Env e;
    e.p.data().Title = "Changed";
    e.p.setModified(true);
    EXPECT_FALSE(e.p.save());  // the dialog is cancelled
    EXPECT_EQ(e.q.log.back(), "save: Save NewWall.vn5d As");
    EXPECT_EQ(e.q.suggested.back(), "NewWall.vn5d");
    EXPECT_TRUE(e.p.isModified());
    // New with unsaved changes: Yes -> Save -> Save As cancelled: the old project stays.
    e.q.yesNoCancel = {Answer::Yes};
    EXPECT_FALSE(e.p.newProject());
    EXPECT_EQ(e.p.data().Title, "Changed");
    e.q.yesNoCancel = {Answer::Cancel};
    EXPECT_FALSE(e.p.newProject());
    e.q.yesNoCancel = {Answer::Yes};
    e.q.files = {e.path("wall.vn5d")};
    EXPECT_TRUE(e.p.newProject());
    EXPECT_EQ(e.p.data().Title, "New Wall");
    EXPECT_TRUE(test::read_file(e.path("wall.vn5d")).startsWith("Changed\r\n"));
    e.p.setModified(true);
    e.q.yesNoCancel = {Answer::No};
    EXPECT_TRUE(e.p.newProject());
    EXPECT_EQ(e.q.asked.back(), "Do you want to save any changes?");
    EXPECT_FALSE(e.p.isModified());
}

TEST(Project, OpenReadsSetsCaptionAndRecentList) {
    Env e;
    test::fill_project(e.p.data());
    ASSERT_TRUE(e.p.saveAsPath(e.path("anchored.vn5d")));
    const QByteArray saved = test::read_file(e.path("anchored.vn5d"));
    EXPECT_TRUE(e.p.newProject());
    ASSERT_TRUE(e.p.open(e.path("anchored.vn5d")));
    EXPECT_EQ(e.q.informed.back(), "Data file: Anchored.vn5d, has been read by VORNEL 2015");
    EXPECT_EQ(e.p.caption(), "VORNEL 2015.5.7 - Anchored.vn5d");
    EXPECT_EQ(e.p.data().Title, "Anchored sheet pile, all tables");
    EXPECT_FALSE(e.p.isModified());
    EXPECT_EQ(e.p.recentFiles().entries(), QStringList{e.path("anchored.vn5d")});
    EXPECT_TRUE(e.p.save());
    EXPECT_EQ(test::read_file(e.path("anchored.vn5d")), saved);
    // A table cell entry makes the project modified.
    e.p.tables().PileSect.setText(col::kPsEI, 0, "2*3");
    EXPECT_TRUE(e.p.isModified());
}

TEST(Project, OpenOfAMissingFileKeepsTheProject) {
    Env e;
    e.p.data().Title = "Mine";
    const OpenResult r = e.p.openFile(e.path("missing.vn5d"));
    EXPECT_FALSE(r.opened);
    EXPECT_TRUE(r.error.startsWith("Cannot open file "));
    EXPECT_EQ(e.p.data().Title, "Mine");
}

TEST(Project, ReaderErrorKeepsWhatWasRead) {
    Env e;
    test::write_file(e.path("short.vn5d"), "Short\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n40 6\t100\r\n");
    const OpenResult r = e.p.openFile(e.path("short.vn5d"));
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.error, "This file either invalid or incomplete.");
    EXPECT_EQ(e.q.informed.front(), "This file either invalid or incomplete.");
    EXPECT_EQ(e.p.data().Title, "Short");
    EXPECT_EQ(e.p.data().Increments, 40);
    EXPECT_EQ(e.p.data().MaxDeflection, 100.0);
}

TEST(Project, OlderProjectIsSavedAsVn5d) {
    Env e;
    QFile::copy(test::source_path("tests/data/editor/cantilever_2013.vn4d"), e.path("old.vn4d"));
    ASSERT_TRUE(e.p.openFile(e.path("old.vn4d")).error.isEmpty());
    EXPECT_FALSE(e.p.data().HasTiebacks);
    EXPECT_TRUE(e.p.data().HasEICount);
    e.q.files = {e.path("old.vn5d")};
    EXPECT_TRUE(e.p.save());
    EXPECT_EQ(e.q.log.back(), "save: Save Old.vn4d As");
    EXPECT_EQ(e.q.suggested.back(), e.path("old.vn5d"));
    EXPECT_EQ(e.p.data().FileName, e.path("old.vn5d"));
    EXPECT_TRUE(QFile::exists(e.path("old.vn5d")));
    EXPECT_EQ(e.p.recentFiles().entries().front(), e.path("old.vn5d"));
}

TEST(Project, FailedSaveLeavesTheOldFileIntact) {
    Env e;
    test::fill_project(e.p.data());
    ASSERT_TRUE(e.p.saveAsPath(e.path("wall.vn5d")));
    const QByteArray before = test::read_file(e.path("wall.vn5d"));
    e.p.data().Title = "Edited";
    e.p.setModified(true);
    e.p.setWriteFault(WriteFault{100});
    EXPECT_FALSE(e.p.save());
    EXPECT_TRUE(e.q.informed.back().startsWith("Error writing file "));
    EXPECT_EQ(test::read_file(e.path("wall.vn5d")), before);
    EXPECT_EQ(QDir(e.dir.path()).entryList(QDir::Files), QStringList{"wall.vn5d"});
    EXPECT_TRUE(e.p.isModified());
    // Asked to save before New, the failure stops the New: the edits are not discarded.
    e.q.yesNoCancel = {Answer::Yes};
    EXPECT_FALSE(e.p.newProject());
    EXPECT_EQ(e.p.data().Title, "Edited");
    e.p.setWriteFault(std::nullopt);
    EXPECT_TRUE(e.p.save());
    EXPECT_TRUE(test::read_file(e.path("wall.vn5d")).startsWith("Edited\r\n"));
}

// On a real full disk Save fails with the system's reason and the old file stays.
TEST(Project, SaveOnAFullDisk) {
    test::SmallDisk disk(64);
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs (needs root)";
    test::RecordingQuestions q;
    Project p(q, disk.path({}));
    test::fill_project(p.data());
    ASSERT_TRUE(p.saveAsPath(disk.path("wall.vn5d")));
    const QByteArray before = test::read_file(disk.path("wall.vn5d"));
    disk.fill();
    p.data().Title = "Edited";
    p.setModified(true);
    EXPECT_FALSE(p.save());
    EXPECT_EQ(q.informed.back(),
              "Error writing file " + disk.path("wall.vn5d") + ": No space left on device");
    EXPECT_EQ(test::read_file(disk.path("wall.vn5d")), before);
    EXPECT_TRUE(p.isModified());
}

// Open takes only regular files: a pipe would block the program for ever.
TEST(Project, OpenRefusesWhatIsNotAFile) {
    Env e;
    ASSERT_EQ(::mkfifo(QFile::encodeName(e.path("pipe.vn5d")).constData(), 0600), 0);
    const OpenResult r = e.p.openFile(e.path("pipe.vn5d"));
    EXPECT_FALSE(r.opened);
    EXPECT_EQ(r.error, "Cannot open file " + e.path("pipe.vn5d") + ": it is not a regular file");
}

TEST(Project, CommandLine) {
    Env e;
    test::write_file(e.path("job.vn4d"),
                     test::read_file(test::source_path("tests/data/editor/cantilever_2013.vn4d")));
    EXPECT_TRUE(e.p.openFromCommandLine({e.path("job")}));  // ".vn4d" appended
    EXPECT_EQ(e.p.data().Title, "Cantilever wall 2013");
    EXPECT_FALSE(e.p.openFromCommandLine({e.path("nothing.vn5d")}));
    EXPECT_EQ(e.p.data().Title, "New Wall");
    EXPECT_EQ(command_line_file({}), std::nullopt);
    EXPECT_EQ(command_line_file({"a.b", "c"}), "a.b");
}

TEST(FileNaming, DisplayNamesAndCaption) {
    EXPECT_EQ(display_name("C:\\work\\wall.vnd"), "Wall");
    EXPECT_EQ(display_name("/w/my.wall.VND"), "My");
    EXPECT_EQ(display_name("/w/a.vn5d"), "A.vn5d");
    EXPECT_EQ(display_name("/w/x"), "x");
    EXPECT_EQ(main_caption("NewWall.vn5d"), "VORNEL 2015.5.7 - NewWall.vn5d");
    EXPECT_EQ(save_as_suggestion("/w/old.vn4d"), "/w/old.vn5d");
    EXPECT_EQ(save_as_suggestion("/w/old.vn5d"), "/w/old.vn5d");
    EXPECT_EQ(save_as_title("/w/old.vnd"), "Save Old As");
    EXPECT_TRUE(has_current_extension("A.VN5D"));
    EXPECT_EQ(format_for_extension("A.VN4D"), DataFormat::V2013);
    EXPECT_EQ(format_for_extension("a.vnd"), DataFormat::V30);
    EXPECT_EQ(format_for_extension("a.txt"), DataFormat::V2015);
    EXPECT_EQ(format_for_filter(4), DataFormat::V20);
    EXPECT_EQ(format_for_filter(5), DataFormat::V20);
}

TEST(RecentFiles, NeverHoldsAPathTwice) {
    RecentFiles r;
    for (int i = 1; i <= 12; ++i) r.add(QStringLiteral("/w/f%1.vn5d").arg(i));
    ASSERT_EQ(r.entries().size(), 10);
    EXPECT_EQ(r.entries().front(), "/w/f12.vn5d");
    EXPECT_EQ(r.entries().back(), "/w/f3.vn5d");
    r.add("/w/f5.vn5d");  // position 8 moves to the top
    EXPECT_EQ(r.entries().front(), "/w/f5.vn5d");
    EXPECT_EQ(r.entries()[1], "/w/f12.vn5d");
    EXPECT_EQ(r.entries().size(), 10);
    EXPECT_EQ(r.entries().count("/w/f5.vn5d"), 1);
    r.add("/w/f5.vn5d");
    EXPECT_EQ(r.entries().count("/w/f5.vn5d"), 1);
    EXPECT_EQ(r.menuCaptions("/w").front(), "1 f5.vn5d");
    EXPECT_EQ(r.menuCaptions("/other").front(), "1 /w/f5.vn5d");
    EXPECT_TRUE(r.separatorVisible());
    EXPECT_FALSE(RecentFiles().separatorVisible());
}

}  // namespace
}  // namespace vornel
