#include "viewer/ui/graph_questions.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace vornel {

QString filter_extension(const QString& filter) {
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    if (star < 0) return {};
    qsizetype end = star + 2;
    while (end < filter.size() && filter[end].isLetterOrNumber()) ++end;
    return filter.mid(star + 2, end - star - 2).toLower();
}

std::optional<QString> DesktopGraphQuestions::askSaveFileName(const QString& title,
                                                              const QString& filter,
                                                              const QString& defaultSuffix) {
    QFileDialog d(parent_, title, QString(), filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(defaultSuffix);
    d.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return d.selectedFiles().constFirst();
}

std::optional<ChosenFile> DesktopGraphQuestions::askSaveFileAndType(const QString& title,
                                                                    const QString& filter,
                                                                    const QString& defaultSuffix) {
    QFileDialog d(parent_, title, QString(), filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(defaultSuffix);
    d.setOption(QFileDialog::DontConfirmOverwrite, false);
    // The extension the dialog adds (and asks about overwriting) follows the chosen type.
    QObject::connect(&d, &QFileDialog::filterSelected, &d, [&d](const QString& chosen) {
        const QString ext = filter_extension(chosen);
        if (!ext.isEmpty()) d.setDefaultSuffix(ext);
    });
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return ChosenFile{d.selectedFiles().constFirst(), d.selectedNameFilter()};
}

bool DesktopGraphQuestions::askPrint(QPrinter& printer) {
    QPrintDialog d(&printer, parent_);
    return d.exec() == QDialog::Accepted;
}

bool DesktopGraphQuestions::askPageSetup(QPrinter& printer) {
    QPageSetupDialog d(&printer, parent_);
    return d.exec() == QDialog::Accepted;
}

bool DesktopGraphQuestions::runDialog(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

void DesktopGraphQuestions::inform(const QString& text) {
    QMessageBox::information(parent_, QString(), text, QMessageBox::Ok);
}

bool DesktopGraphQuestions::printerInstalled() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

}  // namespace vornel
