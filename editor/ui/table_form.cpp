#include "editor/ui/table_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/grid_table.h"
#include "editor/grid_table_model.h"
#include "editor/questions.h"
#include "editor/ui/cell_delegate.h"
#include "editor/ui/dialog_picture.h"
#include "editor/ui/window_host.h"

namespace vornel {

// ---- GridView ---------------------------------------------------------------------------

QWidget* GridView::openEditor() const {
    if (state() != EditingState) return nullptr;
    return indexWidget(currentIndex());
}

bool GridView::commitOpenEditor() {
    QWidget* editor = openEditor();
    if (!editor) return true;
    auto* delegate = qobject_cast<CellDelegate*>(itemDelegate());
    commitData(editor);
    if (delegate && !delegate->lastEntryAccepted()) return false;
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void GridView::discardOpenEditor() {
    if (QWidget* editor = openEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (state() != EditingState &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        emit enterPressed(currentIndex());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// ---- TTableForm -------------------------------------------------------------------------

namespace {
bool typed(ColumnType t) {
    return t == ColumnType::Integer || t == ColumnType::Real || t == ColumnType::Text;
}
}  // namespace

QString TTableForm::captionOf(const TGridTable& table) {
    return table.Caption + table.rowNumberChain();
}

TTableForm::TTableForm(WindowHost& host, TGridTable& table, QWidget* parent)
    : QWidget(parent), host_(host), table_(table), model_(new GridTableModel(table, this)) {
    setWindowTitle(captionOf(table));
    model_->fillToMinimum();
    main_ = new QVBoxLayout(this);
    main_->setSizeConstraint(QLayout::SetFixedSize);
    const int margin = logicalDpiX() / 20;
    main_->setContentsMargins(margin, margin, margin, margin);
    top_row_ = new QHBoxLayout;
    main_->addLayout(top_row_);
    buildGrid();
    buildButtons();
    buildHelp();
    connect(model_, &GridTableModel::entryRejected, this,
            [this](const QString& m) { refused_message_ = m; });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        refreshCellWidgets();
        refreshButtons();
        fitSize();
        tableChanged();
    });
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] {
        refreshCellWidgets();
        tableChanged();
    });
    refreshCellWidgets();
    refreshButtons();
    fitSize();
}

TTableForm::~TTableForm() = default;

void TTableForm::buildGrid() {
    grid_ = new GridView(this);
    delegate_ = new CellDelegate(grid_);
    grid_->setItemDelegate(delegate_);
    grid_->setModel(model_);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->verticalHeader()->setSectionsClickable(false);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The first column is wide enough for the top-left text and two blanks, and at least a
    // third of an inch.
    const int first =
        std::max(fontMetrics().horizontalAdvance(table_.TopLeft + "  ") + 8, logicalDpiX() / 3);
    grid_->verticalHeader()->setMinimumWidth(first);
    if (auto* corner = grid_->findChild<QAbstractButton*>()) corner->installEventFilter(this);
    connect(delegate_, &CellDelegate::refused, this, &TTableForm::entryRefused);
    connect(delegate_, &CellDelegate::enterAccepted, this, &TTableForm::moveAfterEnter);
    connect(grid_, &GridView::enterPressed, this, &TTableForm::moveAfterEnter);
    top_row_->addWidget(grid_, 0, Qt::AlignTop);
}

void TTableForm::buildButtons() {
    auto* row = new QHBoxLayout;
    add_ = new QPushButton(QStringLiteral("&Add Row"), this);
    insert_ = new QPushButton(QStringLiteral("&Insert Row"), this);
    delete_ = new QPushButton(QStringLiteral("&Delete Row"), this);
    for (QPushButton* b : {add_, insert_, delete_}) {
        row->addWidget(b);
        b->setVisible(model_->rowButtonsVisible());
    }
    row->addStretch();
    main_->addLayout(row);
    connect(add_, &QPushButton::clicked, this, &TTableForm::addClicked);
    connect(insert_, &QPushButton::clicked, this, &TTableForm::insertClicked);
    connect(delete_, &QPushButton::clicked, this, &TTableForm::deleteClicked);
}

void TTableForm::buildHelp() {
    QString text = table_.Comments;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    note_ = new QLabel(text, this);
    note_->setVisible(!text.isEmpty());
    main_->addWidget(note_);
    DialogPicture::Kind kind;
    if (DialogPicture::kindOfHelpPicture(table_.HelpPicture, kind))
        main_->addWidget(new DialogPicture(kind, this));
}

QString TTableForm::topLeftText() const {
    return table_.TopLeft;
}

bool TTableForm::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint) {
        QPainter p(corner);
        QStyleOptionHeader opt;
        opt.initFrom(corner);
        opt.rect = corner->rect();
        opt.text = table_.TopLeft;
        opt.textAlignment = Qt::AlignCenter;
        opt.position = QStyleOptionHeader::OnlyOneSection;
        corner->style()->drawControl(QStyle::CE_Header, &opt, &p, corner);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* TTableForm::cellWidget(int row, int column) const {
    return grid_->indexWidget(model_->index(row, column));
}

void TTableForm::refreshCellWidgets() {
    for (int c = 0; c < table_.columnCount(); ++c) {
        const ColumnDef& def = table_.column(c);
        for (int r = 0; r < table_.rowCount(); ++r) {
            const QModelIndex index = model_->index(r, c);
            if (def.type == ColumnType::PickList) {
                auto* box = qobject_cast<QComboBox*>(grid_->indexWidget(index));
                if (!box) {
                    box = new QComboBox;
                    box->addItems(def.items);
                    box->setMaxVisibleItems(11);
                    connect(box, &QComboBox::activated, this,
                            [this, c, r](int i) { pickChosen(c, r, i); });
                    grid_->setIndexWidget(index, box);
                }
                box->setCurrentIndex(table_.item(c, r) - 1);
            } else if (def.type == ColumnType::SubTable) {
                auto* button = qobject_cast<QPushButton*>(grid_->indexWidget(index));
                if (!button) {
                    button = new QPushButton;
                    connect(button, &QPushButton::clicked, this, [this, c, r] {
                        if (!entryValid()) return;
                        if (TGridTable* sub = table_.subTable(c, r)) host_.openTable(*sub);
                    });
                    grid_->setIndexWidget(index, button);
                }
                const TGridTable* sub = table_.subTable(c, r);
                button->setText(QString::number(r + 1) + QStringLiteral(": ") +
                                (sub ? sub->Caption : QString()));
            }
        }
    }
}

void TTableForm::refreshButtons() {
    add_->setEnabled(model_->canAdd());
    insert_->setEnabled(model_->canAdd());
    delete_->setEnabled(model_->canDelete());
}

// The grid is as wide as its columns and tall enough for at most ten rows.
void TTableForm::fitSize() {
    grid_->resizeColumnsToContents();
    QHeaderView* h = grid_->horizontalHeader();
    for (int c = 0; c < table_.columnCount(); ++c) {
        const ColumnDef& def = table_.column(c);
        int width = h->sectionSize(c);
        if (def.type == ColumnType::PickList)
            for (const QString& item : def.items)
                width = std::max(width, fontMetrics().horizontalAdvance(item) + 40);
        if (def.type == ColumnType::SubTable)
            for (int r = 0; r < table_.rowCount(); ++r)
                if (auto* b = qobject_cast<QPushButton*>(cellWidget(r, c)))
                    width = std::max(width, b->sizeHint().width());
        width = std::max(width, fontMetrics().horizontalAdvance(QStringLiteral("00000000000")));
        h->resizeSection(c, width);
    }
    grid_->resizeRowsToContents();
    const int rows = std::min(table_.rowCount(), kVisibleRows);
    int height = h->height() + 2 * grid_->frameWidth();
    const int rowHeight =
        table_.rowCount() > 0 ? grid_->rowHeight(0) : grid_->verticalHeader()->defaultSectionSize();
    height += rows * rowHeight;
    QHeaderView* v = grid_->verticalHeader();
    int width =
        std::max(v->sizeHint().width(), v->minimumWidth()) + h->length() + 2 * grid_->frameWidth();
    if (table_.rowCount() > kVisibleRows) width += grid_->verticalScrollBar()->sizeHint().width();
    grid_->setFixedSize(width, height);
    // The window's own size follows now, so that the frame around it can be fitted to it.
    main_->activate();
    if (QMdiSubWindow* sub = host_.subWindowOf(this)) sub->adjustSize();
}

void TTableForm::unitsChanged() {
    const int rows = model_->rowCount(), columns = model_->columnCount();
    if (columns > 0) emit model_->headerDataChanged(Qt::Horizontal, 0, columns - 1);
    if (rows > 0 && columns > 0)
        emit model_->dataChanged(model_->index(0, 0), model_->index(rows - 1, columns - 1));
    fitSize();
}

void TTableForm::discardEntry() {
    discarded_ = true;
    pending_ = false;
    grid_->discardOpenEditor();
}

bool TTableForm::entryValid() {
    if (discarded_ || closing_) return true;
    if (pending_) return false;
    return grid_->commitOpenEditor();
}

void TTableForm::entryRefused(const QModelIndex& index, const QString& text) {
    if (pending_) return;
    pending_ = true;
    const QString message = refused_message_;
    const QPersistentModelIndex cell(index);
    // The message and the return to the cell wait until the focus has finished moving.
    QTimer::singleShot(0, this, [this, message, cell, text] {
        if (discarded_ || closing_) return;
        host_.questions().inform(message);
        if (cell.isValid()) {
            grid_->setCurrentIndex(cell);
            if (!grid_->openEditor()) grid_->edit(cell);
            if (auto* line = qobject_cast<QLineEdit*>(grid_->openEditor())) {
                line->setText(text);
                line->selectAll();
                line->setFocus();
            }
        }
        pending_ = false;
    });
}

QModelIndex TTableForm::nextCell(const QModelIndex& from) const {
    const int rows = table_.rowCount(), cols = table_.columnCount();
    if (!from.isValid() || rows == 0) return {};
    if (from.row() + 1 < rows) return model_->index(from.row() + 1, from.column());
    for (int k = 1; k <= cols; ++k) {
        const int c = (from.column() + k) % cols;
        if (typed(table_.column(c).type)) return model_->index(0, c);
    }
    return {};
}

void TTableForm::moveAfterEnter(const QModelIndex& from) {
    const QModelIndex next = nextCell(from);
    if (next.isValid()) grid_->setCurrentIndex(next);
    grid_->setFocus();
}

void TTableForm::addClicked() {
    if (!entryValid()) return;
    const int column = std::max(grid_->currentIndex().column(), 0);
    model_->addRow();
    grid_->setCurrentIndex(model_->index(table_.rowCount() - 1, column));
    grid_->scrollToBottom();
}

void TTableForm::insertClicked() {
    if (!entryValid()) return;
    const QModelIndex current = grid_->currentIndex();
    host_.closeSubTableWindows(table_);
    const CellResult r = model_->insertRowAt(current.row());
    if (!r.ok) {
        host_.questions().inform(r.message);
        return;
    }
    // The cursor stays on the same row (the last one when the last row went).
    const int row = std::min(current.row(), table_.rowCount() - 1);
    grid_->setCurrentIndex(model_->index(row, std::max(current.column(), 0)));
}

void TTableForm::deleteClicked() {
    if (!entryValid()) return;
    const QModelIndex current = grid_->currentIndex();
    host_.closeSubTableWindows(table_);
    const CellResult r = model_->deleteRowAt(current.row());
    if (!r.ok) {
        host_.questions().inform(r.message);
        return;
    }
    // The cursor stays on the same row (the last one when the last row went).
    const int row = std::min(current.row(), table_.rowCount() - 1);
    grid_->setCurrentIndex(model_->index(row, std::max(current.column(), 0)));
}

void TTableForm::pickChosen(int column, int row, int index) {
    if (index + 1 == table_.item(column, row)) return;
    if (!entryValid()) {
        if (auto* box = qobject_cast<QComboBox*>(cellWidget(row, column)))
            box->setCurrentIndex(table_.item(column, row) - 1);
        return;
    }
    // A new item replaces the row's sub-tables: their windows go first.
    host_.closeSubTableWindows(table_);
    model_->setData(model_->index(row, column), QString::number(index + 1));
    fitSize();
}

void TTableForm::reloadRows() {
    model_->fillToMinimum();
}

void TTableForm::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    if (!entryValid()) {
        event->ignore();
        return;
    }
    host_.closeSubTableWindows(table_);
    closing_ = true;
    // The model lets go of the table now: the table may be gone before this window is.
    grid_->setModel(nullptr);
    delete model_;
    model_ = nullptr;
    event->accept();
}

}  // namespace vornel
