#include "app/window_questions.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <QUrl>

namespace vornel {

namespace {
// The filter a dialog was left with, counted from 1 (1 also when none matches).
int filter_index(const QFileDialog& d, const QString& filters) {
    const int index =
        static_cast<int>(filters.split(QStringLiteral(";;")).indexOf(d.selectedNameFilter())) + 1;
    return index < 1 ? 1 : index;
}

std::optional<Questions::FileChoice> run_file_dialog(QWidget* parent,
                                                     const Questions::FileDialog& request,
                                                     bool save) {
    QFileDialog d(parent, request.title, request.start, request.filters);
    d.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultSuffix.isEmpty()) d.setDefaultSuffix(request.defaultSuffix);
    if (save) {
        // The extension the dialog adds to a bare name (and asks about overwriting) follows
        // the file type the user chooses: "PNG picture (*.png)" gives "png".
        QObject::connect(&d, &QFileDialog::filterSelected, &d, [&d](const QString& chosen) {
            const qsizetype star = chosen.indexOf(QLatin1String("*."));
            if (star < 0) return;
            qsizetype end = star + 2;
            while (end < chosen.size() && chosen[end].isLetterOrNumber()) ++end;
            if (end > star + 2) d.setDefaultSuffix(chosen.mid(star + 2, end - star - 2));
        });
    }
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return Questions::FileChoice{d.selectedFiles().constFirst(), filter_index(d, request.filters)};
}
}  // namespace

void MessageBoxQuestions::inform(const QString& text, const QString& title) {
    QMessageBox::information(parent_, title, text, QMessageBox::Ok);
}

void MessageBoxQuestions::warn(const QString& text) {
    QMessageBox::warning(parent_, programTitle(), text, QMessageBox::Ok);
}

void MessageBoxQuestions::about(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent_);
    box.setIconPixmap(QIcon(QStringLiteral(":/vornel/icons/vornel.svg")).pixmap(64, 64));
    box.exec();
}

void MessageBoxQuestions::showStatus(const QString& text) {
    if (status_) status_(text);
}

bool MessageBoxQuestions::askYesNo(const QString& text, const QString& title) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

Questions::Answer MessageBoxQuestions::askYesNoCancel(const QString& text) {
    const auto b = QMessageBox::question(parent_, programTitle(), text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes);
    if (b == QMessageBox::Yes) return Answer::Yes;
    if (b == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

std::optional<Questions::FileChoice> MessageBoxQuestions::askOpenFileName(
    const FileDialog& dialog) {
    return run_file_dialog(parent_, dialog, false);
}

std::optional<Questions::FileChoice> MessageBoxQuestions::askSaveFileName(
    const FileDialog& dialog) {
    return run_file_dialog(parent_, dialog, true);
}

bool MessageBoxQuestions::printerInstalled() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool MessageBoxQuestions::askPrint(QPrinter& printer) {
    QPrintDialog d(&printer, parent_);
    return d.exec() == QDialog::Accepted;
}

bool MessageBoxQuestions::askPageSetup(QPrinter& printer) {
    QPageSetupDialog d(&printer, parent_);
    return d.exec() == QDialog::Accepted;
}

bool MessageBoxQuestions::runDialog(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

bool MessageBoxQuestions::openWithDesktop(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
