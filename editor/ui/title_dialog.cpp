#include "editor/ui/title_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/project.h"
#include "editor/ui/window_host.h"

namespace vornel {

TdlgTitle::TdlgTitle(WindowHost& host, QWidget* parent)
    : InputDialog(host, QStringLiteral("Project Title"), parent) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Enter text line for project description:"), this);
    TitleMemo = new QLineEdit(this);
    TitleMemo->setObjectName(QStringLiteral("TitleMemo"));
    TitleMemo->setMaxLength(80);
    TitleMemo->setMinimumWidth(TitleMemo->fontMetrics().averageCharWidth() * 82);
    label->setBuddy(TitleMemo);
    layout->addWidget(label);
    layout->addWidget(TitleMemo);
    load();
}

void TdlgTitle::load() {
    TitleMemo->setText(data().Title);
}

void TdlgTitle::store() {
    if (TitleMemo->text() == data().Title) return;
    data().Title = TitleMemo->text();
    project().setModified(true);
    emit host().modifiedChanged();
}

}  // namespace vornel
