// Staged construction: stage files, switching, copying, the stage count, open and save.
#include "editor/staging.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "editor/project.h"
#include "editor_test_support.h"

namespace vornel {
namespace {

struct Env {
    QTemporaryDir dir;
    test::RecordingQuestions q;
    Project p{q, dir.path()};
    QString path(const QString& name) const { return dir.filePath(name); }
    QList<QByteArray> stageLines(int k) const {
        QList<QByteArray> l = test::read_file(p.stageFilePath(k)).split('\n');
        l.removeLast();
        return l;
    }
    void staged(int count) {
        test::fill_project(p.data());
        ASSERT_TRUE(p.saveAsPath(path("wall.vn5d")));
        ASSERT_TRUE(p.applyStageCount(count));
    }
};

TEST(Staging, StageFileNames) {
    EXPECT_EQ(stage_file_name("/w/wall.vn5d", 3), "/w/wall.st3");
    EXPECT_EQ(stage_file_name("/w.x/wall", 1), "/w.x/wall.st1");
    EXPECT_EQ(stage_file_name("C:\\a.b\\wall.v.vn4d", 5), "C:\\a.b\\wall.v.st5");
}

TEST(Staging, SwitchingOnMakesStageFilesThatDifferInFirstAndLastLine) {
    Env e;
    e.staged(3);
    const auto one = e.stageLines(1), two = e.stageLines(2), three = e.stageLines(3);
    ASSERT_GT(one.size(), 10);
    EXPECT_EQ(one.front(), "Anchored sheet pile, all tables\r");
    EXPECT_EQ(two.front(), " Stage No : 2\r");
    EXPECT_EQ(three.front(), " Stage No : 3\r");
    EXPECT_EQ(one.back(), "1\r");
    EXPECT_EQ(two.back(), "2\r");
    EXPECT_EQ(three.back(), "3\r");
    EXPECT_EQ(one.mid(1, one.size() - 2), two.mid(1, two.size() - 2));
    EXPECT_EQ(one.mid(1, one.size() - 2), three.mid(1, three.size() - 2));
    EXPECT_TRUE(one[1].startsWith("1 2\t2\t2\t2\t2 2 3 "));  // stage count 3 in every deck
    EXPECT_EQ(e.p.data().CurrentStage, 1);
    EXPECT_EQ(e.p.statusText(), "Construction Stage Number: 1");
    EXPECT_TRUE(e.p.isModified());
}

TEST(Staging, LoweringTheCountDeletesStageFiles) {
    Env e;
    e.staged(4);
    ASSERT_TRUE(e.p.switchStage(3));
    ASSERT_TRUE(e.p.applyStageCount(2));
    EXPECT_TRUE(QFile::exists(e.p.stageFilePath(1)));
    EXPECT_TRUE(QFile::exists(e.p.stageFilePath(2)));
    EXPECT_FALSE(QFile::exists(e.p.stageFilePath(3)));
    EXPECT_FALSE(QFile::exists(e.p.stageFilePath(4)));
    EXPECT_EQ(e.p.data().CurrentStage, 1);
    ASSERT_TRUE(e.p.applyStageCount(1));
    EXPECT_FALSE(QFile::exists(e.p.stageFilePath(1)));
    EXPECT_EQ(e.p.statusText(), "");
}

TEST(Staging, EditsSurviveSwitchesAndSave) {
    Env e;
    e.staged(3);
    ASSERT_TRUE(e.p.switchStage(3));
    EXPECT_EQ(e.p.data().Title, " Stage No : 3");
    e.p.data().FreeHeight = 150.0;
    e.p.tables().NewSoil.setReal(col::kSlDepth, 0, 7.5);
    ASSERT_TRUE(e.p.switchStage(1));
    EXPECT_EQ(e.p.data().FreeHeight, 120.0);
    EXPECT_EQ(e.p.data().Title, "Anchored sheet pile, all tables");
    ASSERT_TRUE(e.p.switchStage(3));
    EXPECT_EQ(e.p.data().FreeHeight, 150.0);
    EXPECT_EQ(e.p.tables().NewSoil.real(col::kSlDepth, 0), 7.5);
    e.p.data().PYWidth = 18.0;
    ASSERT_TRUE(e.p.save());
    // The saved data file is the three decks; reopening and going to stage 3 shows the edits.
    const QByteArray file = test::read_file(e.path("wall.vn5d"));
    EXPECT_EQ(file.count(" Stage No : "), 2);
    EXPECT_TRUE(e.p.newProject());
    ASSERT_TRUE(e.p.openFile(e.path("wall.vn5d")).error.isEmpty());
    EXPECT_EQ(e.p.data().StageCount, 3);
    EXPECT_EQ(e.p.data().FreeHeight, 120.0);
    // Open cut the file into its stage files and left no temporary file behind.
    EXPECT_EQ(QDir(e.dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"wall.st1", "wall.st2", "wall.st3", "wall.vn5d"}));
    ASSERT_TRUE(e.p.switchStage(3));
    EXPECT_EQ(e.p.data().FreeHeight, 150.0);
    EXPECT_EQ(e.p.data().PYWidth, 18.0);
    EXPECT_TRUE(e.p.save());
    EXPECT_EQ(test::read_file(e.path("wall.vn5d")), file);
}

TEST(Staging, SwitchingToTheCurrentStageWritesNothing) {
    Env e;
    e.staged(2);
    QFile::remove(e.p.stageFilePath(1));
    EXPECT_FALSE(e.p.switchStage(1));
    EXPECT_FALSE(QFile::exists(e.p.stageFilePath(1)));
}

TEST(Staging, CopyPreviousStage) {
    Env e;
    e.staged(2);
    EXPECT_FALSE(e.p.copyPreviousStage());  // stage 1 has no previous stage
    ASSERT_TRUE(e.p.switchStage(2));
    e.p.data().FreeHeight = 99.0;
    e.q.yesNo = {false};
    EXPECT_FALSE(e.p.copyPreviousStage());
    EXPECT_EQ(e.q.asked.back(), "Do you want to copy all information from Stage 1 to Stage 2");
    EXPECT_EQ(e.p.data().FreeHeight, 99.0);
    e.q.yesNo = {true};
    EXPECT_TRUE(e.p.copyPreviousStage());
    EXPECT_EQ(e.p.data().FreeHeight, 120.0);
    EXPECT_EQ(e.p.data().Title, " Stage No : 2");
    EXPECT_EQ(e.p.data().CurrentStage, 2);
    EXPECT_EQ(e.stageLines(2).back(), "2\r");
}

TEST(Staging, RaisingTheCountKeepsTheCurrentStagesEdits) {
    Env e;
    e.staged(2);
    ASSERT_TRUE(e.p.switchStage(2));
    e.p.data().FreeHeight = 77.0;  // not yet in any file
    ASSERT_TRUE(e.p.applyStageCount(3));
    EXPECT_EQ(e.p.data().CurrentStage, 2);
    EXPECT_EQ(e.p.data().FreeHeight, 77.0);
    ASSERT_TRUE(e.p.switchStage(3));
    EXPECT_EQ(e.p.data().FreeHeight, 77.0);  // the new stage copies the last existing one
    ASSERT_TRUE(e.p.switchStage(1));
    EXPECT_EQ(e.p.data().FreeHeight, 120.0);
}

TEST(Staging, SaveAsMovesTheStageFiles) {
    Env e;
    e.staged(2);
    ASSERT_TRUE(e.p.saveAsPath(e.path("renamed.vn5d")));
    EXPECT_FALSE(QFile::exists(e.path("wall.st1")));
    EXPECT_FALSE(QFile::exists(e.path("wall.st2")));
    EXPECT_TRUE(QFile::exists(e.path("renamed.st1")));
    EXPECT_TRUE(QFile::exists(e.path("renamed.st2")));
    EXPECT_EQ(test::read_file(e.path("renamed.vn5d")),
              test::read_file(e.path("renamed.st1")) + test::read_file(e.path("renamed.st2")));
    EXPECT_EQ(e.p.data().FileName, e.path("renamed.vn5d"));
}

TEST(Staging, FailedStageWriteKeepsTheStageAndItsFile) {
    Env e;
    e.staged(2);
    const QByteArray stage1 = test::read_file(e.p.stageFilePath(1));
    e.p.data().FreeHeight = 1.0;
    e.p.setWriteFault(WriteFault{10});
    EXPECT_FALSE(e.p.switchStage(2));
    EXPECT_EQ(e.p.data().CurrentStage, 1);
    EXPECT_EQ(e.p.data().FreeHeight, 1.0);
    EXPECT_EQ(test::read_file(e.p.stageFilePath(1)), stage1);
}

// Save As of a staged project writes the data file and every stage file under the new name
// before it replaces anything: a stage file that cannot be written changes no file at all.
TEST(Staging, FailedSaveAsChangesNoFile) {
    Env e;
    e.staged(2);
    ASSERT_TRUE(e.p.save());
    const QByteArray data = test::read_file(e.path("wall.vn5d"));
    const QByteArray one = test::read_file(e.path("wall.st1"));
    ASSERT_TRUE(QDir(e.dir.path()).mkpath("renamed.st2/results"));
    EXPECT_FALSE(e.p.saveAsPath(e.path("renamed.vn5d")));
    EXPECT_EQ(e.q.informed.back(),
              "Cannot create file " + e.path("renamed.st2") + ": it is not a regular file");
    EXPECT_FALSE(QFile::exists(e.path("renamed.vn5d")));
    EXPECT_FALSE(QFile::exists(e.path("renamed.st1")));
    EXPECT_EQ(test::read_file(e.path("wall.vn5d")), data);
    EXPECT_EQ(test::read_file(e.path("wall.st1")), one);
    EXPECT_TRUE(QFile::exists(e.path("wall.st2")));
    EXPECT_EQ(e.p.data().FileName, e.path("wall.vn5d"));
    // Once the way is free the same command moves everything.
    ASSERT_TRUE(QDir(e.path("renamed.st2")).removeRecursively());
    EXPECT_TRUE(e.p.saveAsPath(e.path("renamed.vn5d")));
    EXPECT_EQ(test::read_file(e.path("renamed.vn5d")), data);
    EXPECT_FALSE(QFile::exists(e.path("wall.st1")));
}

// A staged file that announces more stages than it holds: the message names the data file and
// the missing stage, and the missing stage starts as a copy of the one before it.
TEST(Staging, MissingStageIsNamed) {
    Env e;
    e.staged(2);
    ASSERT_TRUE(e.p.save());
    QByteArray file = test::read_file(e.path("wall.vn5d"));
    const QByteArray counts =
        "\r\n1 2\t2\t2\t2\t2 2 ";  // the stage count of the first deck follows
    const qsizetype at = file.indexOf(counts) + counts.size();
    ASSERT_EQ(file.mid(at, 2), "2 ");
    file[at] = '3';
    test::write_file(e.path("short.vn5d"), file);
    const OpenResult r = e.p.openFile(e.path("short.vn5d"));
    EXPECT_EQ(r.error, "The data file " + e.path("short.vn5d") +
                           " announces 3 stages, but stage 3 is missing.");
    EXPECT_EQ(e.q.informed.back(), r.error);
    EXPECT_EQ(e.p.data().StageCount, 3);
    ASSERT_TRUE(e.p.switchStage(3));
    EXPECT_EQ(e.p.data().Title, " Stage No : 3");
    EXPECT_TRUE(e.p.save());
    EXPECT_EQ(test::read_file(e.path("short.vn5d")).count(" Stage No : "), 2);

    // The same for an older format, whose stages are converted on Open.
    QByteArray old = test::read_file(test::source_path("tests/data/editor/staged_2013.vn4d"));
    old.replace("1 0\t1\t0\t2\t2 0 2 0", "1 0\t1\t0\t2\t2 0 3 0");
    test::write_file(e.path("old.vn4d"), old);
    EXPECT_EQ(
        e.p.openFile(e.path("old.vn4d")).error,
        "The data file " + e.path("old.vn4d") + " announces 3 stages, but stage 3 is missing.");
    EXPECT_TRUE(QFile::exists(e.path("old.st3")));
    EXPECT_TRUE(e.p.saveAsPath(e.path("old.vn5d")));
}

TEST(Staging, SplitAndJoin) {
    const QByteArray file = "T\r\n1 2\r\n1\r\n Stage No : 2\r\n2 2\r\n2\r\n";
    const auto decks = split_stages(file, 2);
    ASSERT_EQ(decks.size(), 2u);
    EXPECT_EQ(decks[0], "T\r\n1 2\r\n1\r\n");
    EXPECT_EQ(decks[1], " Stage No : 2\r\n2 2\r\n2\r\n");
    QByteArray joined;
    for (const auto& d : decks) append_deck(joined, d);
    EXPECT_EQ(joined, file);
    EXPECT_EQ(split_stages(file, 1).size(), 1u);  // only as many stages as announced
    EXPECT_EQ(split_stages(file, 1)[0], file);
    EXPECT_TRUE(split_stages("", 3).empty());
}

// An older staged project: its stage files are converted to the current layout on Open and
// read as current files from then on.
TEST(Staging, OlderStagedProjectIsConvertedOnOpen) {
    Env e;
    QFile::copy(test::source_path("tests/data/editor/staged_2013.vn4d"), e.path("staged.vn4d"));
    ASSERT_TRUE(e.p.openFile(e.path("staged.vn4d")).error.isEmpty());
    EXPECT_EQ(e.p.data().StageCount, 2);
    EXPECT_EQ(e.p.data().CurrentStage, 1);
    EXPECT_TRUE(e.p.data().HasTiebacks);
    EXPECT_TRUE(e.p.data().HasEICount);
    EXPECT_TRUE(e.stageLines(2)[1].startsWith("1 0\t1\t0\t2\t2 0 2 0 0"));  // ten values
    EXPECT_EQ(e.p.data().FreeHeight, 60.0);
    EXPECT_EQ(e.p.data().ActiveWidth, 12.0);
    ASSERT_TRUE(e.p.switchStage(2));
    EXPECT_EQ(e.p.data().FreeHeight, 90.0);
    EXPECT_EQ(e.p.data().ActiveWidth, 12.0);
    EXPECT_EQ(e.p.tables().NewSoil.real(col::kSlDepth, 0), 20.0);
    ASSERT_TRUE(e.p.switchStage(1));
    EXPECT_EQ(e.p.data().FreeHeight, 60.0);
    EXPECT_NEAR(e.p.tables().NewSoil.subTable(col::kSlParameters, 0)->real(0, 0), 120.0, 1e-5);
}

}  // namespace
}  // namespace vornel
