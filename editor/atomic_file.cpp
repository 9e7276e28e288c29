#include "editor/atomic_file.h"

#include <QSaveFile>

namespace vornel {

QString write_file_atomically(const QString& path, const QByteArray& content,
                              const std::optional<WriteFault>& fault) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create file %1: %2").arg(path, f.errorString());
    if (fault) {
        f.write(content.left(fault->failAfterBytes));
        f.cancelWriting();
        f.commit();
        return QStringLiteral("Error writing file %1: %2").arg(path, "No space left on device");
    }
    if (f.write(content) != content.size() || !f.commit())
        return QStringLiteral("Error writing file %1: %2").arg(path, f.errorString());
    return {};
}

}  // namespace vornel
