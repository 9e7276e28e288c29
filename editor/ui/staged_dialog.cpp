#include "editor/ui/staged_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "editor/field_rules.h"
#include "editor/project.h"
#include "editor/staging.h"
#include "editor/ui/data_edit_field.h"
#include "editor/ui/window_host.h"

namespace vornel {

QString TDlgStaged::panelText() {
    static const char* const lines[] = {
        "VORNEL provides users with a convenient tool to study",
        "and to compare the predicted  deflection, bending moment, ",
        "and shear at different stages of construction based on a",
        "simplified approach.",
        "",
        "The program will not trace the stress history of soil and",
        "structure at each stage.  Instead, the program will use the",
        "earth pressure, restrained boundary conditions, and soil",
        "resistance curves (p-y curves) at each stage as the initial",
        "condition to evaluate the behavior of the system without",
        "considering any effect due to the stress history.",
        "",
        "However, the p-y resistance curves will be generated based",
        "on the excavation depth, wall height, and water table at",
        "each new stage to reflect the change in soil resistance.",
        "",
        "This approach is not a rigorous procedure but it provides the",
        "user with general ideas about the possible pattern of",
        "deformation and stress in the system. It completely relies ",
        "on the user's judgement to interpret the predicted results.",
        " ",
        " "};
    QStringList all;
    for (const char* l : lines) all << QString::fromLatin1(l);
    return all.join(QLatin1Char('\n'));
}

TDlgStaged::TDlgStaged(WindowHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle(QStringLiteral("Staged Construction Options"));
    auto* layout = new QVBoxLayout(this);
    StageAnalysis = new QCheckBox(QStringLiteral("Conduct &Staged-Construction Analysis"), this);
    layout->addWidget(StageAnalysis);
    auto* row = new QGridLayout;
    deStage = new DataEditField(host.questions(), this);
    deStage->setCaption(QStringLiteral("Enter the total number of stages (Max. = 5, Min =2)"));
    deStage->setIntegerOnly(field_rule("deStage").integerOnly);
    deStage->setBounds(field_rule("deStage").min, field_rule("deStage").max);
    deStage->setMaximumWidth(deStage->fontMetrics().averageCharWidth() * 8);
    upButton = new QToolButton(this);
    upButton->setArrowType(Qt::UpArrow);
    downButton = new QToolButton(this);
    downButton->setArrowType(Qt::DownArrow);
    row->addWidget(deStage->label(), 0, 0, 2, 1);
    row->addWidget(deStage, 0, 1, 2, 1);
    row->addWidget(upButton, 0, 2);
    row->addWidget(downButton, 1, 2);
    row->setColumnStretch(3, 1);
    layout->addLayout(row);
    panel = new QPlainTextEdit(panelText(), this);
    panel->setReadOnly(true);
    panel->setMinimumSize(panel->fontMetrics().averageCharWidth() * 66,
                          panel->fontMetrics().lineSpacing() * 24);
    layout->addWidget(panel);
    auto* buttons = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    connect(StageAnalysis, &QCheckBox::clicked, this, &TDlgStaged::checkClicked);
    connect(upButton, &QToolButton::clicked, this, [this] { step(1); });
    connect(downButton, &QToolButton::clicked, this, [this] { step(-1); });
    connect(okButton, &QPushButton::clicked, this, &TDlgStaged::okClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // Shown modeless inside the main window's area, the dialog closes its child window with it.
    connect(this, &QDialog::finished, this, [this] {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->close();
    });
    load();
}

void TDlgStaged::load() {
    const int count = host_.project().data().StageCount;
    deStage->setNumber(count);
    const bool on = count > 1;
    StageAnalysis->setChecked(on);
    for (QWidget* w : {static_cast<QWidget*>(deStage), static_cast<QWidget*>(upButton),
                       static_cast<QWidget*>(downButton)})
        w->setEnabled(on);
}

void TDlgStaged::checkClicked() {
    const bool on = StageAnalysis->isChecked();
    if (on && std::lround(deStage->number()) == 1) deStage->setNumber(2);
    if (!on) deStage->setNumber(1);
    for (QWidget* w : {static_cast<QWidget*>(deStage), static_cast<QWidget*>(upButton),
                       static_cast<QWidget*>(downButton)})
        w->setEnabled(on);
}

void TDlgStaged::step(int by) {
    if (!deStage->checkEntry()) return;
    const long n = std::lround(deStage->number());
    if (by > 0 && n < kMaxStages) deStage->setNumber(static_cast<double>(n + 1));
    if (by < 0 && n > 2) deStage->setNumber(static_cast<double>(n - 1));
}

void TDlgStaged::okClicked() {
    if (!deStage->checkEntry()) return;
    const int count = static_cast<int>(std::lround(deStage->number()));
    // The open dialogs store first, so that the current stage's file gets their values.
    if (!host_.storeActive()) return;
    host_.project().applyStageCount(count);
    host_.stageChanged();
    emit host_.stagesChanged();
    emit host_.modifiedChanged();
    accept();
}

}  // namespace vornel
