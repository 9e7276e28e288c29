#include "editor/recent_files.h"

namespace vornel {

void RecentFiles::add(const QString& path) {
    const qsizetype at = entries_.indexOf(path);
    if (at == 0) return;
    if (at > 0) entries_.removeAt(at);
    entries_.prepend(path);
    while (entries_.size() > kMax) entries_.removeLast();
}

QStringList RecentFiles::menuCaptions(const QString& current_folder) const {
    QStringList captions;
    QString folder = current_folder;
    if (!folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('/');
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        QString name = entries_[i];
        const QString alt = QString(folder).replace(QLatin1Char('/'), QLatin1Char('\\'));
        if (name.startsWith(folder))
            name = name.mid(folder.size());
        else if (name.startsWith(alt))
            name = name.mid(alt.size());
        captions << QString::number(i + 1) + QLatin1Char(' ') + name;
    }
    return captions;
}

void RecentFiles::load(QSettings& settings) {
    entries_.clear();
    for (int i = 1; i <= kMax; ++i) {
        const QString p = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!p.isEmpty() && !entries_.contains(p)) entries_ << p;
    }
}

void RecentFiles::save(QSettings& settings) const {
    for (int i = 1; i <= kMax; ++i)
        settings.setValue(QStringLiteral("File%1").arg(i),
                          i <= entries_.size() ? entries_[i - 1] : QString());
}

}  // namespace vornel
