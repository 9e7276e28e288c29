#include "editor/atomic_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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
    EXPECT_EQ(QFile::permissions(copy) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser |
                                           QFileDevice::ExeUser),
              chosen);
}

}  // namespace
}  // namespace vornel
