// The ways a project could be lost at the edges: a stage switch that changes another stage, a
// file saved over after it could not be read, a staged project in a folder that takes no new
// files, and a data file named like one of its own stage files.
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
    QString example(const QString& name) {
        const QString copy = path(name);
        test::write_file(copy, test::read_file(test::source_path("examples/" + name)));
        return copy;
    }
};

QList<QByteArray> lines(const QByteArray& file) {
    return file.split('\n');
}

// Stage 1 of the three-stage example has no tiebacks, stages 2 and 3 have one row each.
TEST(ProjectSafety, StageSwitchLeavesOtherStagesAsTheyWere) {
    Env e;
    const QString deck = e.example("anchored_three_stage.vn5d");
    ASSERT_TRUE(e.p.openFile(deck).error.isEmpty());
    ASSERT_TRUE(e.p.switchStage(2));
    ASSERT_TRUE(e.p.switchStage(1));
    EXPECT_FALSE(e.p.data().UseTiebacks);
    EXPECT_TRUE(e.p.save());
    const QByteArray after = test::read_file(deck);
    EXPECT_EQ(lines(after)[1], "1 0\t1\t0\t2\t2 0 3 0 0\r");
    // Every stage comes back as the editor writes it: the same file as a plain open and save.
    Env f;
    const QString plain = f.example("anchored_three_stage.vn5d");
    ASSERT_TRUE(f.p.openFile(plain).error.isEmpty());
    ASSERT_TRUE(f.p.save());
    EXPECT_TRUE(after == test::read_file(plain));
}

TEST(ProjectSafety, FileThatCouldNotBeReadIsNeverOverwritten) {
    Env e;
    const QString deck = e.path("typo.vn5d");
    const QByteArray typo = "Typo\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n1x0 6\t100 1E-5 0 0\r\n";
    test::write_file(deck, typo);
    const OpenResult r = e.p.openFile(deck);
    EXPECT_EQ(r.error, "Error on Line 3 Item 1\nAn integer was expected but not found.");
    ASSERT_EQ(e.q.informed.size(), 2);
    EXPECT_EQ(e.q.informed[1],
              "Data file: Typo.vn5d, could not be read completely by VORNEL 2015. The values "
              "after the error are defaults; Save asks for a new name so that the file is not "
              "overwritten.");
    EXPECT_EQ(e.p.unreadFile(), deck);
    // Save (and so Run, which saves first) asks for a name; cancelling writes nothing.
    EXPECT_FALSE(e.p.save());
    EXPECT_EQ(e.q.log.back(), "save: Save Typo.vn5d As");
    EXPECT_EQ(e.q.suggested.back(), deck);
    // The unread file itself is refused, under any spelling of its path.
    e.q.files = {e.dir.path() + "/./typo.vn5d"};
    EXPECT_FALSE(e.p.save());
    EXPECT_EQ(e.q.informed.back(), "The file " + deck +
                                       " could not be read completely and is not overwritten. "
                                       "Choose another name.");
    EXPECT_EQ(test::read_file(deck), typo);
    // Another name is the engineer's new project; from then on Save saves there.
    e.q.files = {e.path("mended.vn5d")};
    EXPECT_TRUE(e.p.save());
    EXPECT_TRUE(e.p.unreadFile().isEmpty());
    EXPECT_TRUE(e.p.save());
    EXPECT_EQ(e.p.data().FileName, e.path("mended.vn5d"));
    EXPECT_EQ(test::read_file(deck), typo);
}

// The installed examples are such a folder: stage files cannot be created beside the deck.
TEST(ProjectSafety, StagedProjectInAReadOnlyFolder) {
    Env e;
    const QString deck = e.example("anchored_three_stage.vn5d");
    const QByteArray before = test::read_file(deck);
    e.p.setWriteFault(WriteFault::readOnly(e.dir.path()));
    ASSERT_TRUE(e.p.openFile(deck).error.isEmpty());
    EXPECT_EQ(e.q.informed, QStringList{"Data file: Anchored_three_stage.vn5d, has been read by "
                                        "VORNEL 2015"});
    EXPECT_EQ(QDir(e.dir.path()).entryList(QDir::Files), QStringList{"anchored_three_stage.vn5d"});
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(QFile::exists(e.p.stageFilePath(k))) << k;
    ASSERT_TRUE(e.p.switchStage(3));
    e.p.data().FreeHeight = 150;  // an edit of stage 3
    ASSERT_TRUE(e.p.switchStage(1));
    // Save fails on the folder and says so; Save As opens its dialog and saves elsewhere.
    EXPECT_FALSE(e.p.save());
    EXPECT_TRUE(e.q.informed.back().startsWith("Cannot create file " + deck + ": "));
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("mine.vn5d");
    e.q.files = {target};
    ASSERT_TRUE(e.p.saveAs());
    EXPECT_EQ(test::read_file(deck), before);
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files),
              (QStringList{"mine.st1", "mine.st2", "mine.st3", "mine.vn5d"}));
    EXPECT_EQ(test::read_file(target), test::read_file(elsewhere.filePath("mine.st1")) +
                                           test::read_file(elsewhere.filePath("mine.st2")) +
                                           test::read_file(elsewhere.filePath("mine.st3")));
    EXPECT_TRUE(test::read_file(elsewhere.filePath("mine.st3")).contains("1E-5\t150\t"));
    EXPECT_EQ(e.p.stageFilePath(2), elsewhere.filePath("mine.st2"));
}

TEST(ProjectSafety, DataFileNamedLikeItsOwnStageFileIsRefused) {
    Env e;
    test::fill_project(e.p.data());
    ASSERT_TRUE(e.p.saveAsPath(e.path("wall.vn5d")));
    ASSERT_TRUE(e.p.applyStageCount(2));
    const QByteArray stage1 = test::read_file(e.path("wall.st1"));
    for (const char* name : {"out.st1", "out.st2", "out.st5", "wall.st1"}) {
        e.q.files = {e.path(name)};
        EXPECT_FALSE(e.p.saveAs()) << name;
        EXPECT_EQ(e.q.informed.back(), "The name " + e.path(name) +
                                           " is the name of a stage file of the project. Choose "
                                           "another name.");
    }
    EXPECT_FALSE(QFile::exists(e.path("out.st1")));
    EXPECT_EQ(test::read_file(e.path("wall.st1")), stage1);
    EXPECT_EQ(e.p.data().FileName, e.path("wall.vn5d"));
    // Other names with a stage-like look are fine: they are no stage file of themselves.
    EXPECT_TRUE(e.p.saveAsPath(e.path("out.st6")));
}

}  // namespace
}  // namespace vornel
