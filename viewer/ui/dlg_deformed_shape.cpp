#include "viewer/ui/dlg_deformed_shape.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/questions.h"
#include "viewer/ui/view_3d_text.h"
#include "viewer/view_navigation.h"

namespace vornel {

TDlgDeformedShape::TDlgDeformedShape(ViewNavigation& nav, Questions& questions,
                                     std::function<void()> redraw_complete, QWidget* parent)
    : QDialog(parent), nav_(nav), q_(questions), redraw_(std::move(redraw_complete)) {
    setWindowTitle(QString::fromLatin1(deformed_text::kCaption));
    CheckBoxDeformedShape = new QCheckBox(QString::fromLatin1(deformed_text::kShowDeformed));
    CheckBoxDeformedShape->setObjectName(QStringLiteral("CheckBoxDeformedShape"));
    CheckBoxUndeformedModel = new QCheckBox(QString::fromLatin1(deformed_text::kShowUndeformed));
    CheckBoxUndeformedModel->setObjectName(QStringLiteral("CheckBoxUndeformedModel"));
    EditDefFactor = new QLineEdit;
    EditDefFactor->setObjectName(QStringLiteral("EditDefFactor"));
    upDown_ = new QWidget;
    upDown_->setObjectName(QStringLiteral("UpDownDefFactor"));
    auto* ud = new QVBoxLayout(upDown_);
    ud->setContentsMargins(0, 0, 0, 0);
    ud->setSpacing(0);
    UpButton = new QToolButton;
    UpButton->setArrowType(Qt::UpArrow);
    DownButton = new QToolButton;
    DownButton->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {UpButton, DownButton}) {
        b->setFixedSize(18, 12);
        ud->addWidget(b);
    }
    auto* close = new QPushButton(QString::fromLatin1(deformed_text::kClose));
    close->setObjectName(QStringLiteral("Button1"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(CheckBoxDeformedShape, 0, 0, 1, 3);
    grid->addWidget(CheckBoxUndeformedModel, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QString::fromLatin1(deformed_text::kFactor)), 2, 0);
    grid->addWidget(EditDefFactor, 2, 1);
    grid->addWidget(upDown_, 2, 2);
    grid->addWidget(close, 3, 0, 1, 3, Qt::AlignRight);

    connect(CheckBoxDeformedShape, &QCheckBox::clicked, this, [this](bool on) {
        nav_.show.deformedShape = on;
        updateEnabled();
        redraw_();
    });
    connect(CheckBoxUndeformedModel, &QCheckBox::clicked, this, [this](bool on) {
        nav_.show.undeformedModel = on;
        redraw_();
    });
    connect(EditDefFactor, &QLineEdit::textEdited, this, &TDlgDeformedShape::EditDefFactorChange);
    connect(EditDefFactor, &QLineEdit::editingFinished, this, &TDlgDeformedShape::reportBadFactor);
    connect(UpButton, &QToolButton::clicked, this, [this] { UpDownDefFactorClick(true); });
    connect(DownButton, &QToolButton::clicked, this, [this] { UpDownDefFactorClick(false); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    setAttribute(Qt::WA_DeleteOnClose);
    refresh();
}

void TDlgDeformedShape::showEvent(QShowEvent* e) {
    refresh();
    QDialog::showEvent(e);
}

void TDlgDeformedShape::refresh() {
    EditDefFactor->setText(QString::number(nav_.show.deformationFactor, 'g', 15));
    CheckBoxDeformedShape->setChecked(nav_.show.deformedShape);
    CheckBoxUndeformedModel->setChecked(nav_.show.undeformedModel);
    position_ = 0;
    updateEnabled();
}

void TDlgDeformedShape::updateEnabled() {
    const bool on = CheckBoxDeformedShape->isChecked();
    CheckBoxUndeformedModel->setEnabled(on);
    EditDefFactor->setEnabled(on);
    upDown_->setEnabled(on);
}

namespace {

// The start of a number still being typed ("-", "1.", "2e-").
bool number_prefix(const QString& text) {
    static const QRegularExpression prefix(QStringLiteral("^[+-]?\\d*\\.?\\d*([eE][+-]?\\d*)?$"));
    return prefix.match(text).hasMatch();
}

}  // namespace

void TDlgDeformedShape::EditDefFactorChange(const QString& text) {
    if (text.trimmed().isEmpty()) return;
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    // While a number is being typed ("1e", "-") the factor keeps its last value; a text no
    // typing can make a number ("abc") is reported now.
    if (!ok) {
        if (!number_prefix(text.trimmed())) reportBadFactor();
        return;
    }
    nav_.show.deformationFactor = v;
    redraw_();
}

void TDlgDeformedShape::reportBadFactor() {
    const QString text = EditDefFactor->text().trimmed();
    if (text.isEmpty()) return;
    bool ok = false;
    QLocale::c().toDouble(text, &ok);
    if (ok) return;
    // The field shows the factor in force again before the message takes the focus away.
    EditDefFactor->setText(QString::number(nav_.show.deformationFactor, 'g', 15));
    q_.inform(text + QString::fromLatin1(view3d_text::kNotNumber));
}

void TDlgDeformedShape::UpDownDefFactorClick(bool up) {
    position_ = up ? 1 : -1;
    const double f = step_deformation_factor(nav_.show.deformationFactor, up);
    const QString text = QString::number(f, 'g', 15);
    EditDefFactor->setText(text);
    EditDefFactorChange(text);  // stores the factor and redraws, as typing it would
    position_ = 0;
}

}  // namespace vornel
