#include "viewer/ui/graph_caption_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vornel {

TfrmGraphCaption::TfrmGraphCaption(const QString& title, bool at_top, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Graph Caption"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(tr("Enter Graph Caption"), this));
    edtCaption = new QLineEdit(title, this);
    v->addWidget(edtCaption);
    auto* group = new QGroupBox(tr("Caption Location"), this);
    auto* g = new QHBoxLayout(group);
    rbTop = new QRadioButton(tr("Top"), group);
    rbBottom = new QRadioButton(tr("Bottom"), group);
    g->addWidget(rbTop);
    g->addWidget(rbBottom);
    (at_top ? rbTop : rbBottom)->setChecked(true);
    v->addWidget(group);
    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(btnOK, 0, Qt::AlignHCenter);
}

QString TfrmGraphCaption::title() const {
    return edtCaption->text();
}
bool TfrmGraphCaption::atTop() const {
    return rbTop->isChecked();
}

}  // namespace vornel
