#include "editor/ui/wall_properties_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <cmath>

#include "editor/field_rules.h"
#include "editor/project.h"
#include "editor/ui/data_edit_field.h"
#include "editor/ui/window_host.h"

namespace vornel {

TDlgProp::TDlgProp(WindowHost& host, QWidget* parent)
    : InputDialog(host, QStringLiteral("Wall Properties"), parent) {
    auto* grid = new QGridLayout(this);
    deNI = addField(grid, 0, QStringLiteral("&Increments (nodes)"));
    deNI->setIntegerOnly(field_rule("deNI").integerOnly);
    deNI->setBounds(field_rule("deNI").min, field_rule("deNI").max);
    grid->addWidget(new QLabel(QStringLiteral("Wall Stiffness (EI)"), this), 1, 0);
    btnSect = new QPushButton(QStringLiteral("Enter Section Data"), this);
    grid->addWidget(btnSect, 1, 1);
    deXGS = addField(grid, 2, QStringLiteral("Increment Length"), QStringLiteral("L"));
    DeFH = addField(grid, 3, QStringLiteral("Free Height of Wall"), QStringLiteral("L2"));
    deXLN =
        addField(grid, 4, QStringLiteral("Maximum Allowable Deflection for computation iteration"),
                 QStringLiteral("L"));
    grid->addWidget(new QLabel(QStringLiteral("(Approx.10% of the wall height)  "), this), 5, 0);
    deSlope =
        addField(grid, 6, QStringLiteral("Deflection Closure Tolerance"), QStringLiteral("L"));
    grid->addWidget(new QLabel(QStringLiteral("Total Length of Wall"), this), 7, 0);
    lblLength = new QLabel(this);
    lblLength->setObjectName(QStringLiteral("lblLength"));
    grid->addWidget(lblLength, 7, 1);
    for (DataEditField* f : {deNI, deXGS}) {
        connect(f, &DataEditField::numberEntered, this, &TDlgProp::showLength);
        connect(f, &QLineEdit::textChanged, this, &TDlgProp::showLength);
    }
    connect(btnSect, &QPushButton::clicked, this,
            [this] { this->host().openTable(project().tables().PileSect); });
    setFieldUnits(data().UnitSystem);
    load();
}

void TDlgProp::setFieldUnits(int system) {
    for (DataEditField* f : {deXGS, DeFH, deXLN, deSlope}) f->setUnits(system);
    showLength();
}

// Increments times the increment length, in ft for English units (the increment is in in),
// as typed: a text that is not yet a number shows the last valid one.
void TDlgProp::showLength() {
    auto typed = [](const DataEditField* f) {
        bool ok = false;
        const double v = QLocale::c().toDouble(f->text().trimmed(), &ok);
        return ok ? v : f->number();
    };
    const int system = data().UnitSystem;
    const double length = typed(deNI) * typed(deXGS) / (system == 1 ? 12.0 : 1.0);
    const char* unit = system == 1 ? "ft" : system == 2 ? "m" : "L";
    lblLength->setText(QStringLiteral("%1 %2").arg(QString::number(length, 'g', 8), unit));
}

void TDlgProp::load() {
    const TProgramData& d = data();
    deNI->setNumber(d.Increments);
    deXGS->setNumber(d.IncrementLength);
    DeFH->setNumber(feet_shown(d.FreeHeight, d.UnitSystem));
    deXLN->setNumber(d.MaxDeflection);
    deSlope->setNumber(d.ClosureTolerance);
    loaded_ = shown();
    showLength();
}

std::array<double, 5> TDlgProp::shown() const {
    return {deNI->number(), deXGS->number(), DeFH->number(), deXLN->number(), deSlope->number()};
}

// Every control is stored; a value the user did not touch is kept as the project holds it,
// so that showing the free height in ft and back does not round it.
void TDlgProp::store() {
    TProgramData& d = data();
    const std::array<double, 5> now = shown();
    d.Increments = static_cast<int>(std::lround(now[0]));
    if (now[1] != loaded_[1]) d.IncrementLength = now[1];
    if (now[2] != loaded_[2]) d.FreeHeight = feet_stored(now[2], d.UnitSystem);
    if (now[3] != loaded_[3]) d.MaxDeflection = now[3];
    if (now[4] != loaded_[4]) d.ClosureTolerance = now[4];
    if (now != loaded_) {
        loaded_ = now;
        project().setModified(true);
        emit host().modifiedChanged();
    }
}

}  // namespace vornel
