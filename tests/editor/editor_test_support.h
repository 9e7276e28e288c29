// Helpers shared by the editor tests: the recording questions, a project filled with data in
// every table, golden-file comparison and file helpers.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <ostream>

#include "editor/project.h"
#include "tests/support/recording_questions.h"

namespace vornel::test {

// Fills every table and switch of the project with distinct values (English units).
void fill_project(TProgramData& d);

// A real, very small file system (a tmpfs) for tests of a full disk. Mounting needs root; a
// test skips when `mounted()` is false.
class SmallDisk {
  public:
    explicit SmallDisk(int kilobytes = 64);
    ~SmallDisk();
    bool mounted() const { return mounted_; }
    QString path(const QString& name) const { return dir_.filePath(name); }
    // Fills the free space with a filler file, leaving about `spare` bytes.
    void fill(qint64 spare = 0);

  private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

QByteArray read_file(const QString& path);
void write_file(const QString& path, const QByteArray& content);
QString source_path(const QString& relative);

// Compares `actual` with the golden file line by line. On a mismatch writes
// `<golden>.actual` and returns a description of the first difference; with
// UPDATE_GOLDEN=1 rewrites the golden file instead. Returns an empty text when equal.
QString compare_golden(const QString& golden_path, const QByteArray& actual);

}  // namespace vornel::test

// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
