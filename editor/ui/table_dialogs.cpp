#include "editor/ui/table_dialogs.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/project.h"
#include "editor/ui/window_host.h"

namespace vornel {

TableDialog::TableDialog(WindowHost& host, const Definition& def, QWidget* parent)
    : InputDialog(host, QString::fromLatin1(def.caption), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new DialogPicture(def.picture, this), 0, Qt::AlignHCenter);
    if (def.checkCaption) {
        check = new QCheckBox(QString::fromLatin1(def.checkCaption), this);
        layout->addWidget(check);
        connect(check, &QCheckBox::clicked, this, &TableDialog::checkClicked);
    }
    button = new QPushButton(QString::fromLatin1(def.buttonCaption), this);
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this] { this->host().openTable(table()); });
}

void TableDialog::load() {
    if (!check) return;
    check->setChecked(*option());
    button->setEnabled(check->isChecked());
}

void TableDialog::store() {
    if (check) *option() = check->isChecked();
}

void TableDialog::checkClicked() {
    button->setEnabled(check->isChecked());
    if (!check->isChecked()) host().closeTableWindows(table());
    project().setModified(true);
    emit host().modifiedChanged();
}

TDlgRebar::TDlgRebar(WindowHost& host, QWidget* parent)
    : TableDialog(
          host,
          {"Additional Surcharge", DialogPicture::Surcharge, nullptr, "&Edit Surcharge Loads"},
          parent) {
    load();
}
TGridTable& TDlgRebar::table() const {
    return project().tables().SurchargeTable;
}

TDlgTieback::TDlgTieback(WindowHost& host, QWidget* parent)
    : TableDialog(
          host, {"Tieback (Ground Anchor)", DialogPicture::Tieback, nullptr, "&Enter Tieback data"},
          parent) {
    load();
}
TGridTable& TDlgTieback::table() const {
    return project().tables().TiebackTable1;
}

TDlgConLoads::TDlgConLoads(WindowHost& host, QWidget* parent)
    : TableDialog(host,
                  {"Concentrated Loads", DialogPicture::ConcentratedLoads,
                   "Apply &Concentrated Loads", "&Edit Concentrated Loads"},
                  parent) {
    check->setObjectName(QStringLiteral("ChkConLoads"));
    button->setObjectName(QStringLiteral("btnConLoads"));
    load();
}
TGridTable& TDlgConLoads::table() const {
    return project().tables().BoundCond;
}
bool* TDlgConLoads::option() const {
    return &data().UseConcentratedLoads;
}

TDlgSpring::TDlgSpring(WindowHost& host, QWidget* parent)
    : TableDialog(host,
                  {"Lateral & Rotational Springs", DialogPicture::Springs,
                   "&Lateral and Rotational Springs", "&Edit Spring Stiffness"},
                  parent) {
    check->setObjectName(QStringLiteral("ChkSpring"));
    button->setObjectName(QStringLiteral("btnSpring"));
    load();
}
TGridTable& TDlgSpring::table() const {
    return project().tables().SoilStrength;
}
bool* TDlgSpring::option() const {
    return &data().UseSprings;
}

}  // namespace vornel
