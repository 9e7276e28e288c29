#include "editor/atomic_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "editor_test_support.h"

namespace vornel {
namespace {

// The temporary file behind a save is private to its owner; the saved file must not be.
TEST(AtomicFile, BothWritesGiveTheFileOrdinaryPermissions) {
    QTemporaryDir dir;
    const QString durable = dir.filePath("wall.vn5d");
    const QString copy = dir.filePath("wall.st1");
    ASSERT_TRUE(write_file_atomically(durable, "a\r\n").isEmpty());
    ASSERT_TRUE(write_file_atomically(copy, "b\r\n", std::nullopt, Durability::Copy).isEmpty());
    EXPECT_EQ(QFile::permissions(copy), QFile::permissions(durable));
    EXPECT_TRUE(QFile::permissions(copy) & QFileDevice::ReadGroup);

    // Replacing a file keeps the permissions the engineer gave it.
    const auto chosen = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(copy, chosen));
    ASSERT_TRUE(write_file_atomically(copy, "c\r\n", std::nullopt, Durability::Copy).isEmpty());
    EXPECT_EQ(QFile::permissions(copy) &
                  ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
              chosen);
}

QStringList files_in(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A real full disk: the write fails, the old file keeps its content and no temporary file is
// left behind.
TEST(AtomicFile, FullDiskLeavesTheOldFile) {
    test::SmallDisk disk(64);
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs (needs root)";
    const QString wall = disk.path("wall.vn5d");
    ASSERT_TRUE(write_file_atomically(wall, "old deck\r\n").isEmpty());
    disk.fill(8192);
    for (Durability d : {Durability::ToDisk, Durability::Copy}) {
        EXPECT_EQ(write_file_atomically(wall, QByteArray(40000, 'n'), std::nullopt, d),
                  "Error writing file " + wall + ": No space left on device");
        EXPECT_EQ(test::read_file(wall), "old deck\r\n");
        EXPECT_EQ(files_in(disk.path({})), (QStringList{"filler", "wall.vn5d"}));
    }
    // What fits is written.
    EXPECT_TRUE(write_file_atomically(wall, "new deck\r\n").isEmpty());
    EXPECT_EQ(test::read_file(wall), "new deck\r\n");
}

// The injected fault takes the same road as a real one.
TEST(AtomicFile, InjectedFaultRemovesTheTemporaryFile) {
    QTemporaryDir dir;
    const QString wall = dir.filePath("wall.vn5d");
    ASSERT_TRUE(write_file_atomically(wall, "old\r\n").isEmpty());
    EXPECT_EQ(write_file_atomically(wall, "new content\r\n", WriteFault{3}),
              "Error writing file " + wall + ": No space left on device");
    EXPECT_EQ(test::read_file(wall), "old\r\n");
    EXPECT_EQ(files_in(dir.path()), QStringList{"wall.vn5d"});
}

// Only regular files are replaced; a link is followed and stays a link.
TEST(AtomicFile, TargetsThatAreNotRegularFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.vn5d"));
    EXPECT_EQ(write_file_atomically(dir.filePath("folder.vn5d"), "x"),
              "Cannot create file " + dir.filePath("folder.vn5d") + ": it is not a regular file");
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.vn5d")).isDir());
    ASSERT_TRUE(write_file_atomically(dir.filePath("real.vn5d"), "a").isEmpty());
    ASSERT_TRUE(QFile::link(dir.filePath("real.vn5d"), dir.filePath("link.vn5d")));
    ASSERT_TRUE(write_file_atomically(dir.filePath("link.vn5d"), "b").isEmpty());
    EXPECT_TRUE(QFileInfo(dir.filePath("link.vn5d")).isSymLink());
    EXPECT_EQ(test::read_file(dir.filePath("real.vn5d")), "b");
}

// A set of files is replaced together: when the last replacement fails, the first target gets
// its old content back and a new file is removed again.
TEST(AtomicFile, FileSetIsAllOrNothing) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.vn5d"), b = dir.filePath("b.st1"), c = dir.filePath("c.st2");
    test::write_file(a, "old a");
    ASSERT_TRUE(QDir(dir.path()).mkdir("c.st2"));
    {
        FileSet set;
        ASSERT_TRUE(set.add(a, "new a"));
        ASSERT_TRUE(set.add(b, "new b"));
        ASSERT_TRUE(QDir(dir.path()).rmdir("c.st2"));
        ASSERT_TRUE(set.add(c, "new c"));
        // Between writing and replacing, the last target turns into a folder that is not
        // empty: its rename fails.
        ASSERT_TRUE(QDir(dir.path()).mkpath("c.st2/inside"));
        EXPECT_FALSE(set.commit());
        EXPECT_TRUE(set.error().startsWith("Error writing file " + c + ": "));
    }
    EXPECT_EQ(test::read_file(a), "old a");
    EXPECT_FALSE(QFile::exists(b));
    EXPECT_EQ(files_in(dir.path()), QStringList{"a.vn5d"});
}

}  // namespace
}  // namespace vornel
