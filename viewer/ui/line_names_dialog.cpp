#include "viewer/ui/line_names_dialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "editor/questions.h"
#include "viewer/graph_palette.h"

namespace vornel {

TfrmLineNames::TfrmLineNames(const QStringList& names, Questions& questions, QWidget* parent)
    : QDialog(parent), questions_(questions) {
    setWindowTitle(tr("Legend"));
    setMinimumSize(195, 167);
    lblSelect_ = new QLabel(tr("Select line to modify:"), this);
    lbLines = new QListWidget(this);
    lbLines->addItems(names);
    lblType_ = new QLabel(tr("Type new legend below:"), this);
    edLine = new QLineEdit(this);
    edLine->installEventFilter(this);
    btnOK = new QPushButton(tr("&OK"), this);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, [this] {
        if (storeEdit()) accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lbLines, &QListWidget::currentRowChanged, this, &TfrmLineNames::select);
    connect(edLine, &QLineEdit::returnPressed, this, [this] { storeEdit(); });
    resize(260, 240);
    if (!names.isEmpty()) lbLines->setCurrentRow(0);
}

QStringList TfrmLineNames::names() const {
    QStringList out;
    for (int i = 0; i < lbLines->count(); ++i) out << lbLines->item(i)->text();
    return out;
}

void TfrmLineNames::select(int row) {
    if (row < 0 || row >= lbLines->count()) return;
    edLine->setText(lbLines->item(row)->text());
    QPalette p = edLine->palette();
    p.setColor(QPalette::Text, graph_colour(row));
    edLine->setPalette(p);
}

bool TfrmLineNames::storeEdit() {
    const int row = lbLines->currentRow();
    if (row < 0) return true;
    if (edLine->text().isEmpty()) {
        // The name comes back before the message: the message box takes the focus from the
        // edit, and leaving the edit stores it again.
        edLine->setText(lbLines->item(row)->text());
        questions_.inform(QString::fromLatin1(line_names_text::kNeedsName), {});
        return false;
    }
    lbLines->item(row)->setText(edLine->text());
    return true;
}

bool TfrmLineNames::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edLine && event->type() == QEvent::FocusOut) storeEdit();
    return QDialog::eventFilter(watched, event);
}

// Controls 10 pixels from the left, stacked with 5-pixel gaps; OK 20 pixels from the left,
// Cancel 20 pixels from the right.
void TfrmLineNames::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int w = width() - 20, bh = btnOK->sizeHint().height();
    int y = 5;
    lblSelect_->setGeometry(10, y, w, lblSelect_->sizeHint().height());
    y += lblSelect_->height() + 5;
    const int below = lblType_->sizeHint().height() + edLine->sizeHint().height() + bh + 20;
    lbLines->setGeometry(10, y, w, std::max(20, height() - y - below));
    y += lbLines->height() + 5;
    lblType_->setGeometry(10, y, w, lblType_->sizeHint().height());
    y += lblType_->height() + 5;
    edLine->setGeometry(10, y, w, edLine->sizeHint().height());
    y += edLine->height() + 5;
    const int bw = std::max(75, btnOK->sizeHint().width());
    btnOK->setGeometry(20, y, bw, bh);
    btnCancel->setGeometry(width() - 20 - bw, y, bw, bh);
}

}  // namespace vornel
