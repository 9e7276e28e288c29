#include "app/desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace vornel {

bool SystemDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool SystemDesktop::startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool open_in_text_editor(Desktop& desktop, const QString& editor, const QString& file) {
    const QString configured =
        editor.trimmed().isEmpty() ? QString::fromLatin1(kDefaultTextEditor) : editor.trimmed();
    // A path to an existing program is taken whole, so that folders with blanks work.
    if (QFileInfo(configured).isFile()) return desktop.startDetached(configured, {file});
    QStringList words = QProcess::splitCommand(configured);
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    return desktop.startDetached(program, words << file);
}

}  // namespace vornel
