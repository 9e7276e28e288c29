#include "editor/ui/control_options_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/questions.h"
#include "editor/ui/window_host.h"

namespace vornel {

TDlgOptions::TDlgOptions(WindowHost& host, QWidget* parent)
    : InputDialog(host, QStringLiteral("Control Options"), parent) {
    auto* layout = new QHBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("&Text Editor:"), this);
    EdtWord = new QLineEdit(this);
    EdtWord->setObjectName(QStringLiteral("EdtWord"));
    EdtWord->setMinimumWidth(EdtWord->fontMetrics().averageCharWidth() * 48);
    label->setBuddy(EdtWord);
    btnBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    layout->addWidget(label);
    layout->addWidget(EdtWord);
    layout->addWidget(btnBrowse);
    connect(btnBrowse, &QPushButton::clicked, this, &TDlgOptions::browse);
    load();
}

void TDlgOptions::load() {
    EdtWord->setText(host().textEditor());
}

void TDlgOptions::store() {
    host().setTextEditor(EdtWord->text());
}

void TDlgOptions::browse() {
    // Programs on this platform rarely carry an extension, hence "All Files" matches every
    // file rather than only names with a dot.
    const auto chosen = questions().askOpenFileName(
        {{}, EdtWord->text(), QStringLiteral("Programs (*.exe *.com);;All Files (*)"), {}});
    if (chosen) EdtWord->setText(chosen->path);
}

}  // namespace vornel
