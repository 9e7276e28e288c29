#include "editor/ui/dialog_questions.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace vornel {

namespace {
QString program_title() {
    return QStringLiteral("VORNEL 2015");
}
}  // namespace

ProjectQuestions::Answer MessageBoxDialogQuestions::askYesNoCancel(const QString& text) {
    const auto b = QMessageBox::question(parent_, program_title(), text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (b == QMessageBox::Yes) return Answer::Yes;
    if (b == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

bool MessageBoxDialogQuestions::askYesNo(const QString& text) {
    return QMessageBox::question(parent_, program_title(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> MessageBoxDialogQuestions::askSaveFileName(const QString& suggested,
                                                                  const QString& title) {
    const QString f = QFileDialog::getSaveFileName(parent_, title, suggested);
    if (f.isEmpty()) return std::nullopt;
    return f;
}

void MessageBoxDialogQuestions::inform(const QString& text) {
    QMessageBox::information(parent_, program_title(), text, QMessageBox::Ok);
}

std::optional<QString> MessageBoxDialogQuestions::askFileToOpen(const QString& title,
                                                                const QString& start,
                                                                const QString& filters) {
    const QString f = QFileDialog::getOpenFileName(parent_, title, start, filters);
    if (f.isEmpty()) return std::nullopt;
    return f;
}

}  // namespace vornel
