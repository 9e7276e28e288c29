// Writing files so that a failure never destroys the previous ones.
//
// Every new content goes to a temporary file in its target's folder; every write, the flush to
// the disk and the closing are checked, since a full disk may show itself at any of them. Only
// when all new contents are complete are the targets replaced, by renaming. When anything fails
// the temporary files are removed, the targets replaced so far get their old contents back, and
// the error text is returned: the old files stay as they were.
//
// A durable write forces the content to the disk before the rename, so that not even a power
// failure can leave a half-written project. Copies that can be made again from a file already
// on the disk (the stage files cut from a data file on Open) skip that wait.
//
// A test may ask for a failure after a number of bytes to prove all of that without filling a
// disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace vornel {

struct WriteFault {
    WriteFault(std::optional<qint64> bytes = 0) : failAfterBytes(bytes) {}
    // No file can be created in `folder`, as in a read-only one; writes elsewhere succeed.
    static WriteFault readOnly(const QString& folder) {
        WriteFault f(std::nullopt);
        f.readOnlyFolder = folder;
        return f;
    }
    std::optional<qint64> failAfterBytes;  // the write breaks off after this many bytes
    QString readOnlyFolder;
};

// False when new files cannot be created in `folder` (or the fault says so).
bool folder_writable(const QString& folder, const std::optional<WriteFault>& fault = std::nullopt);

enum class Durability { ToDisk, Copy };

// A group of files replaced together: all of them or none.
class FileSet {
  public:
    explicit FileSet(std::optional<WriteFault> fault = std::nullopt,
                     Durability durability = Durability::ToDisk);
    ~FileSet();
    FileSet(const FileSet&) = delete;
    FileSet& operator=(const FileSet&) = delete;

    // Writes the new content of `path` to a temporary file beside it. False on failure, with
    // error() set; the set then commits nothing.
    bool add(const QString& path, const QByteArray& content);
    // A file to delete once every target has been replaced (the old name of a moved file).
    void removeAfterCommit(const QString& path) { obsolete_.push_back(path); }
    // Replaces every target. On failure the targets already replaced are restored.
    bool commit();
    const QString& error() const { return error_; }

  private:
    struct Entry {
        QString target;
        QString temporary;
        bool existed = false;
        std::optional<QByteArray> old_content;  // nothing when it could not be read
    };
    bool fail(const QString& text);
    void restore(std::size_t replaced);

    std::optional<WriteFault> fault_;
    Durability durability_;
    std::vector<Entry> entries_;
    std::vector<QString> obsolete_;
    QString error_;
};

// Returns an empty text on success, else the error to show.
QString write_file_atomically(const QString& path, const QByteArray& content,
                              const std::optional<WriteFault>& fault = std::nullopt,
                              Durability durability = Durability::ToDisk);

}  // namespace vornel
