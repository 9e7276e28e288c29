#include "app/desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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

QString open_text_file(Desktop& desktop, const QString& editor, const QString& file) {
    const QString configured =
        editor.trimmed().isEmpty() ? QString::fromLatin1(kDefaultTextEditor) : editor.trimmed();
    const QString opener = QString::fromLatin1(kDefaultTextEditor);
    // A chosen editor is started as given; only the default opener may be missing.
    if (configured != opener || !QStandardPaths::findExecutable(opener).isEmpty())
        return open_in_text_editor(desktop, configured, file) ? QString()
                                                              : QString::fromLatin1(kEditorFailed);
    if (desktop.openUrl(QUrl::fromLocalFile(file))) return {};
    return QStringLiteral(
               "%1\n\"%2\" is not installed, and the desktop has no program to open "
               "%3. Install %2 (package xdg-utils) or choose another text editor "
               "under Options, Option of Text Editor.")
        .arg(QString::fromLatin1(kEditorFailed), opener, QFileInfo(file).fileName());
}

}  // namespace vornel
