#include "editor/atomic_file.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace vornel {

namespace {

QString write_error(const QString& path, const QString& why) {
    return QStringLiteral("Error writing file %1: %2").arg(path, why);
}

// Temporary file beside the target, renamed over it once complete (no wait for the disk).
QString write_copy(const QString& path, const QByteArray& content) {
    QTemporaryFile tmp(QFileInfo(path).absolutePath() + QStringLiteral("/.vornel_XXXXXX"));
    if (!tmp.open())
        return QStringLiteral("Cannot create file %1: %2").arg(path, tmp.errorString());
    if (tmp.write(content) != content.size() || !tmp.flush())
        return write_error(path, tmp.errorString());
    tmp.close();
    std::error_code ec;
    std::filesystem::rename(tmp.fileName().toStdString(), path.toStdString(), ec);
    if (ec) return write_error(path, QString::fromStdString(ec.message()));
    tmp.setAutoRemove(false);
    return {};
}

}  // namespace

QString write_file_atomically(const QString& path, const QByteArray& content,
                              const std::optional<WriteFault>& fault, Durability durability) {
    if (durability == Durability::Copy && !fault) return write_copy(path, content);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create file %1: %2").arg(path, f.errorString());
    if (fault) {
        f.write(content.left(fault->failAfterBytes));
        f.cancelWriting();
        f.commit();
        return write_error(path, QStringLiteral("No space left on device"));
    }
    if (f.write(content) != content.size() || !f.commit())
        return write_error(path, f.errorString());
    return {};
}

}  // namespace vornel
