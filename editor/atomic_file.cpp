#include "editor/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vornel {

namespace {

QString system_error(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

QString write_error(const QString& path, int code) {
    return QStringLiteral("Error writing file %1: %2").arg(path, system_error(code));
}

// The permissions a file written in place would have: those of the file it replaces, or for a
// new file the usual read-write permissions less the process's umask. A temporary file is
// created private to its owner, which must not carry over to the engineer's project files.
mode_t target_mode(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes everything, or fails with errno set. A fault breaks off after its byte count as a
// full disk would.
bool write_all(int fd, const QByteArray& content, const std::optional<WriteFault>& fault) {
    const bool breaks = fault && fault->failAfterBytes;
    const qint64 limit = breaks ? std::min<qint64>(*fault->failAfterBytes, content.size()) : -1;
    const qint64 size = limit >= 0 ? limit : content.size();
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, content.constData() + done, static_cast<size_t>(size - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += n;
    }
    if (breaks) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

bool in_read_only_folder(const QString& path, const std::optional<WriteFault>& fault) {
    return fault && !fault->readOnlyFolder.isEmpty() &&
           QFileInfo(path).absolutePath() == QFileInfo(fault->readOnlyFolder).absoluteFilePath();
}

void sync_folder(const QString& path) {
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A target named through a link is written where the link points, so the link stays a link.
QString resolved_target(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return info.absoluteFilePath();
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

}  // namespace

FileSet::FileSet(std::optional<WriteFault> fault, Durability durability)
    : fault_(fault), durability_(durability) {}

FileSet::~FileSet() {
    for (const Entry& e : entries_)
        if (!e.temporary.isEmpty()) ::unlink(QFile::encodeName(e.temporary).constData());
}

bool FileSet::fail(const QString& text) {
    if (error_.isEmpty()) error_ = text;
    return false;
}

bool FileSet::add(const QString& path, const QByteArray& content) {
    if (!error_.isEmpty()) return false;
    Entry e;
    e.target = resolved_target(path);
    const QFileInfo info(e.target);
    if (info.exists() && !info.isFile())
        return fail(QStringLiteral("Cannot create file %1: it is not a regular file").arg(path));
    e.existed = info.exists();
    if (e.existed) {
        QFile old(e.target);
        if (old.open(QIODevice::ReadOnly)) e.old_content = old.readAll();
    }
    QByteArray pattern = QFile::encodeName(info.absolutePath() + QStringLiteral("/.vornel_XXXXXX"));
    if (in_read_only_folder(e.target, fault_)) errno = EROFS;
    const int fd =
        in_read_only_folder(e.target, fault_) ? -1 : ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(QStringLiteral("Cannot create file %1: %2").arg(path, system_error(errno)));
    e.temporary = QFile::decodeName(pattern);
    entries_.push_back(e);
    bool ok = write_all(fd, content, fault_) && ::fchmod(fd, target_mode(e.target)) == 0;
    if (ok && durability_ == Durability::ToDisk) ok = ::fsync(fd) == 0;
    const int code = errno;
    // Closing is checked as well: some file systems report a failed write only here.
    const bool closed = ::close(fd) == 0;
    if (!ok) return fail(write_error(path, code));
    if (!closed) return fail(write_error(path, errno));
    return true;
}

bool FileSet::commit() {
    if (!error_.isEmpty()) return false;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Entry& e = entries_[i];
        if (::rename(QFile::encodeName(e.temporary).constData(),
                     QFile::encodeName(e.target).constData()) != 0) {
            fail(write_error(e.target, errno));
            restore(i);
            return false;
        }
        e.temporary.clear();
    }
    if (durability_ == Durability::ToDisk)
        for (const Entry& e : entries_) sync_folder(e.target);
    for (const QString& path : obsolete_) {
        const QString full = QFileInfo(path).absoluteFilePath();
        const bool replaced = std::any_of(entries_.begin(), entries_.end(),
                                          [&](const Entry& e) { return e.target == full; });
        if (!replaced) QFile::remove(full);
    }
    entries_.clear();
    obsolete_.clear();
    return true;
}

// Puts back the old contents of the first `replaced` targets; a target that did not exist
// before is removed again.
void FileSet::restore(std::size_t replaced) {
    for (std::size_t i = 0; i < replaced; ++i) {
        const Entry& e = entries_[i];
        if (e.old_content) {
            FileSet back(std::nullopt, durability_);
            if (back.add(e.target, *e.old_content)) back.commit();
        } else if (!e.existed) {
            ::unlink(QFile::encodeName(e.target).constData());
        }
    }
}

bool folder_writable(const QString& folder, const std::optional<WriteFault>& fault) {
    const QString dir = QFileInfo(folder).absoluteFilePath();
    if (fault && !fault->readOnlyFolder.isEmpty() &&
        dir == QFileInfo(fault->readOnlyFolder).absoluteFilePath())
        return false;
    return ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
}

QString write_file_atomically(const QString& path, const QByteArray& content,
                              const std::optional<WriteFault>& fault, Durability durability) {
    FileSet set(fault, durability);
    if (set.add(path, content)) set.commit();
    return set.error();
}

}  // namespace vornel
