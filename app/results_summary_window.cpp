#include "app/results_summary_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vornel {

namespace {
// A long list of warnings wraps within its cell instead of widening the whole column.
constexpr int kWidestColumn = 360;
}  // namespace

TResultsSummaryWindow::TResultsSummaryWindow(ResultsSummary summary, QWidget* parent)
    : QWidget(parent), summary_(std::move(summary)), table_(new QTableWidget(this)) {
    setWindowTitle(QStringLiteral("Results Summary"));
    const QStringList header = summary_.header();
    const std::vector<QStringList> lines = summary_.lines();
    table_->setColumnCount(static_cast<int>(header.size()));
    table_->setHorizontalHeaderLabels(header);
    table_->setRowCount(static_cast<int>(lines.size()));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(true);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int r = 0; r < table_->rowCount(); ++r) {
        const QStringList& cells = lines[static_cast<size_t>(r)];
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    if (QTableWidgetItem* corner = table_->horizontalHeaderItem(0))
        corner->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->resizeColumnsToContents();
    for (int c = 1; c < table_->columnCount(); ++c)
        table_->setColumnWidth(c, std::min(table_->columnWidth(c) + 12, kWidestColumn));
    table_->resizeRowsToContents();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    // The whole table goes to the clipboard, whatever cell is current (the view by itself
    // would copy the current cell only).
    table_->installEventFilter(this);
    resize(tableSize());
}

QSize TResultsSummaryWindow::tableSize() const {
    int w = 2 * table_->frameWidth(), h = 2 * table_->frameWidth();
    for (int c = 0; c < table_->columnCount(); ++c) w += table_->columnWidth(c);
    for (int r = 0; r < table_->rowCount(); ++r) h += table_->rowHeight(r);
    h += table_->horizontalHeader()->sizeHint().height();
    return {w, h};
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
