#include "app/window_questions.h"

#include <QFileDialog>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

namespace vornel {

namespace {
QString title() {
    return QString::fromLatin1(dialog_text::kProgramTitle);
}

template <size_t N>
QStringList filter_list(const char* const (&filters)[N]) {
    QStringList list;
    for (const char* f : filters) list << QString::fromLatin1(f);
    return list;
}
}  // namespace

ProjectQuestions::Answer MessageBoxQuestions::askYesNoCancel(const QString& text) {
    const auto b = QMessageBox::question(parent_, title(), text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes);
    if (b == QMessageBox::Yes) return Answer::Yes;
    if (b == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

bool MessageBoxQuestions::askYesNo(const QString& text) {
    return QMessageBox::question(parent_, title(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<QString> MessageBoxQuestions::askSaveFileName(const QString& suggested,
                                                            const QString& caption) {
    QFileDialog dialog(parent_, caption, suggested);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filter_list(dialog_text::kSaveFilters));
    dialog.setDefaultSuffix(QString::fromLatin1(dialog_text::kDefaultSuffix));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<WindowQuestions::OpenChoice> MessageBoxQuestions::askOpenFileName(
    const QString& folder) {
    QFileDialog dialog(parent_, QString::fromLatin1(dialog_text::kOpenTitle), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = filter_list(dialog_text::kOpenFilters);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(dialog_text::kDefaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const int index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return OpenChoice{dialog.selectedFiles().front(), index < 1 ? 1 : index};
}

void MessageBoxQuestions::inform(const QString& text) {
    QMessageBox::information(parent_, title(), text);
}

void MessageBoxQuestions::showStatus(const QString& text) {
    if (status_) status_(text);
}

void MessageBoxQuestions::warn(const QString& text) {
    QMessageBox::warning(parent_, title(), text, QMessageBox::Ok);
}

void MessageBoxQuestions::about(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent_);
    box.setIconPixmap(QIcon(QStringLiteral(":/vornel/icons/vornel.svg")).pixmap(64, 64));
    box.exec();
}

std::optional<QString> MessageBoxQuestions::askSavePdfName(const QString& suggested,
                                                           const QString& caption) {
    QFileDialog dialog(parent_, caption, suggested);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("PDF (*.pdf)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

bool MessageBoxQuestions::printerInstalled() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

bool MessageBoxQuestions::askPrint(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

QPageSize default_page_size() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) return printer.defaultPageSize();
    const QLocale::Territory t = QLocale::system().territory();
    const bool letter = t == QLocale::UnitedStates || t == QLocale::Canada ||
                        t == QLocale::Mexico || t == QLocale::Philippines || t == QLocale::Chile ||
                        t == QLocale::Colombia;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

}  // namespace vornel
