#include "viewer/ui/active_lines_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vornel {

TfrmActiveLines::TfrmActiveLines(const QStringList& names, const std::vector<bool>& active,
                                 QWidget* parent)
    : QDialog(parent), names_(names), states_(active) {
    states_.resize(static_cast<size_t>(names.size()), false);
    setWindowTitle(tr("Active Curves"));
    setMinimumSize(190, 234);
    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(tr("Select Curve to Active/Desactive"), this), 0, 0, 1, 3);
    g->addWidget(new QLabel(tr("Active :"), this), 1, 0);
    g->addWidget(new QLabel(tr("Curve"), this), 1, 1, 1, 2);
    lbCurves = new QListWidget(this);
    lbCurves->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QFont mono = lbCurves->font();
    mono.setFamily(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    lbCurves->setFont(mono);
    for (int i = 0; i < names.size(); ++i) lbCurves->addItem(rowText(i));
    g->addWidget(lbCurves, 2, 0, 1, 3);
    btnToggle = new QPushButton(tr("Activate/Deactivate Selected"), this);
    btnAll = new QPushButton(tr("Activate All"), this);
    btnNone = new QPushButton(tr("Deactivate All"), this);
    btnOK = new QPushButton(tr("&OK"), this);
    btnCancel = new QPushButton(tr("Cancel"), this);
    g->addWidget(btnToggle, 3, 0, 1, 3);
    g->addWidget(btnAll, 4, 0);
    g->addWidget(btnNone, 4, 2);
    g->addWidget(btnOK, 5, 0);
    g->addWidget(btnCancel, 5, 2);
    connect(lbCurves, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = lbCurves->row(item);
        setState(row, !states_[static_cast<size_t>(row)]);
    });
    connect(btnToggle, &QPushButton::clicked, this, &TfrmActiveLines::toggleSelected);
    connect(btnAll, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < lbCurves->count(); ++i) setState(i, true);
    });
    connect(btnNone, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < lbCurves->count(); ++i) setState(i, false);
    });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TfrmActiveLines::rowText(int row) const {
    const bool on = states_[static_cast<size_t>(row)];
    return QString::fromLatin1(on ? active_lines_text::kYes : active_lines_text::kNo) +
           QStringLiteral("   ") + names_[row];
}

void TfrmActiveLines::setState(int row, bool on) {
    if (row < 0 || row >= lbCurves->count()) return;
    states_[static_cast<size_t>(row)] = on;
    lbCurves->item(row)->setText(rowText(row));
}

// The selected rows, or the current one when nothing is selected.
void TfrmActiveLines::toggleSelected() {
    QList<QListWidgetItem*> rows = lbCurves->selectedItems();
    if (rows.isEmpty() && lbCurves->currentItem()) rows << lbCurves->currentItem();
    for (QListWidgetItem* item : rows) {
        const int row = lbCurves->row(item);
        setState(row, !states_[static_cast<size_t>(row)]);
    }
}

}  // namespace vornel
