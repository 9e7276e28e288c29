#include "viewer/ui/format_dialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>

namespace vornel {

TdlgFormat::TdlgFormat(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Save Attributes"));
    auto* f = new QFormLayout(this);
    auto inches = [this](double value) {
        auto* e = new QDoubleSpinBox(this);
        e->setRange(2.0, 100.0);
        e->setDecimals(2);
        e->setValue(value);
        return e;
    };
    deHeight = inches(4.0);
    deWidth = inches(6.0);
    dePPI = new QSpinBox(this);
    dePPI->setRange(10, 2400);
    dePPI->setValue(72);
    cbColors = new QComboBox(this);
    cbColors->addItems({tr("Black and White"), tr("16 Colors"), tr("256 Colors"),
                        tr("High Color (16 bit)"), tr("True Color (24 bit)")});
    cbColors->setCurrentIndex(1);
    f->addRow(tr("Height (inches)"), deHeight);
    f->addRow(tr("Width (inches)"), deWidth);
    f->addRow(tr("Pixels per inch"), dePPI);
    f->addRow(tr("Colors"), cbColors);
    auto* buttons = new QHBoxLayout;
    btnOK = new QPushButton(tr("OK"), this);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnOK->setDefault(true);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    f->addRow(buttons);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

PictureSpec TdlgFormat::spec() const {
    PictureSpec s;
    s.heightInches = deHeight->value();
    s.widthInches = deWidth->value();
    s.pixelsPerInch = dePPI->value();
    return s;
}

}  // namespace vornel
