#include "editor/atomic_file.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace vornel {

namespace {

QString write_error(const QString& path, const QString& why) {
    return QStringLiteral("Error writing file %1: %2").arg(path, why);
}

// The permissions a file written in place would have: those of the file it replaces, or for a
// new file the usual read-write permissions less the process's umask. A temporary file is
// created private to its owner, which must not carry over to the engineer's project files.
QFileDevice::Permissions target_permissions(const QString& path) {
    if (QFileInfo::exists(path)) return QFile::permissions(path);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QFileDevice::Permissions p;
    if (!(mask & S_IRUSR)) p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (!(mask & S_IWUSR)) p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (!(mask & S_IRGRP)) p |= QFileDevice::ReadGroup;
    if (!(mask & S_IWGRP)) p |= QFileDevice::WriteGroup;
    if (!(mask & S_IROTH)) p |= QFileDevice::ReadOther;
    if (!(mask & S_IWOTH)) p |= QFileDevice::WriteOther;
    return p;
}

// Temporary file beside the target, renamed over it once complete (no wait for the disk).
QString write_copy(const QString& path, const QByteArray& content) {
    QTemporaryFile tmp(QFileInfo(path).absolutePath() + QStringLiteral("/.vornel_XXXXXX"));
    if (!tmp.open())
        return QStringLiteral("Cannot create file %1: %2").arg(path, tmp.errorString());
    if (tmp.write(content) != content.size() || !tmp.flush())
        return write_error(path, tmp.errorString());
    tmp.close();
    tmp.setPermissions(target_permissions(path));
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
