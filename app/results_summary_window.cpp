#include "app/results_summary_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vornel {

TResultsSummaryWindow::TResultsSummaryWindow(ResultsSummary summary, QWidget* parent)
    : QWidget(parent), summary_(std::move(summary)), table_(new QTableWidget(this)) {
    setWindowTitle(QStringLiteral("Results Summary"));
    const QStringList header = summary_.header();
    table_->setColumnCount(static_cast<int>(header.size()));
    table_->setHorizontalHeaderLabels(header);
    table_->setRowCount(static_cast<int>(summary_.rows().size()));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    for (int r = 0; r < table_->rowCount(); ++r) {
        const QStringList cells = summary_.cells(summary_.rows()[static_cast<size_t>(r)]);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c != 0 && c != 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    // The whole table goes to the clipboard, whatever cell is current (the view by itself
    // would copy the current cell only).
    table_->installEventFilter(this);
    resize(900, 60 + 30 * table_->rowCount());
}

bool TResultsSummaryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copyTable();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TResultsSummaryWindow::copyTable() {
    QGuiApplication::clipboard()->setText(summary_.tabSeparated());
}

}  // namespace vornel
