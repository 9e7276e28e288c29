#include "viewer/ui/view_3d_questions.h"

#include <QFileDialog>
#include <QMessageBox>

namespace vornel {

void DialogView3dQuestions::inform(const QString& text) {
    QMessageBox::information(parent_, QStringLiteral("VORNEL 2015"), text);
}

std::optional<QString> DialogView3dQuestions::askPictureFileName(const QString& suggested) {
    const QString name = QFileDialog::getSaveFileName(
        parent_, QString::fromLatin1(view3d_text::kSavePicture).remove(QStringLiteral("...")),
        suggested, QStringLiteral("PNG picture (*.png)"));
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> DialogView3dQuestions::askPdfFileName(const QString& suggested) {
    const QString name = QFileDialog::getSaveFileName(
        parent_, QString::fromLatin1(view3d_text::kPrint).remove(QStringLiteral("...")), suggested,
        QStringLiteral("PDF file (*.pdf)"));
    if (name.isEmpty()) return std::nullopt;
    return name;
}

}  // namespace vornel
