#include "editor/ui/window_questions.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace vornel {

namespace {
QString program_title() {
    return QStringLiteral("VORNEL 2015");
}
}  // namespace

ProjectQuestions::Answer MessageBoxQuestions::askYesNoCancel(const QString& text) {
    const auto b = QMessageBox::question(parent_, program_title(), text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (b == QMessageBox::Yes) return Answer::Yes;
    if (b == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

bool MessageBoxQuestions::askYesNo(const QString& text) {
    return QMessageBox::question(parent_, program_title(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> MessageBoxQuestions::askSaveFileName(const QString& suggested,
                                                            const QString& title) {
    const QString f = QFileDialog::getSaveFileName(parent_, title, suggested);
    if (f.isEmpty()) return std::nullopt;
    return f;
}

void MessageBoxQuestions::inform(const QString& text) {
    QMessageBox::information(parent_, program_title(), text, QMessageBox::Ok);
}

std::optional<QString> MessageBoxQuestions::askOpenFileName(const QString& title,
                                                            const QString& start,
                                                            const QString& filters) {
    const QString f = QFileDialog::getOpenFileName(parent_, title, start, filters);
    if (f.isEmpty()) return std::nullopt;
    return f;
}

}  // namespace vornel
