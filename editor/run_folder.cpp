#include "editor/run_folder.h"

#include <QDir>
#include <QFile>

#include "editor/file_naming.h"

namespace vornel {

RunFolder::RunFolder()
    : dir_(QDir::tempPath() + QStringLiteral("/vornel-run-XXXXXX")),
      previous_(QDir::currentPath()) {
    valid_ = dir_.isValid() && QDir::setCurrent(dir_.path());
}

RunFolder::~RunFolder() {
    QDir::setCurrent(previous_);
    // QTemporaryDir removes the folder and the scratch files in it.
}

bool RunFolder::writeNames(const QString& data_file, const QString& report, const QString& plot,
                           const QString& monitor) const {
    QFile f(QDir(dir_.path()).filePath(QString::fromLatin1(kNamesFile)));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray text = QByteArray(kVersionText) + "\r\n";
    for (const QString& p : {data_file, report, plot, monitor})
        text += QFile::encodeName(QDir::toNativeSeparators(p)) + "\r\n";
    return f.write(text) == text.size() && f.flush();
}

}  // namespace vornel
