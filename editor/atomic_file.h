// Writing a file so that a failure never destroys the previous one.
//
// The content goes to a temporary file in the same folder, is flushed, and only then renamed
// over the old file. When anything fails the old file stays as it was and the error text is
// returned. A test may ask for a failure after a number of bytes to prove exactly that.
//
// A durable write also forces the content to the disk before the rename, so that not even a
// power failure can leave a half-written project. Copies that can be made again from a file
// already on the disk (the stage files cut from a data file on Open) skip that wait.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace vornel {

struct WriteFault {
    qint64 failAfterBytes = 0;  // the write breaks off after this many bytes
};

// Returns an empty text on success, else the error to show.
enum class Durability { ToDisk, Copy };

QString write_file_atomically(const QString& path, const QByteArray& content,
                              const std::optional<WriteFault>& fault = std::nullopt,
                              Durability durability = Durability::ToDisk);

}  // namespace vornel
