#include "editor/grid_table_model.h"

#include <QStringList>

namespace vornel {

GridTableModel::GridTableModel(TGridTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    table_.setWindowOpen(true);
}

GridTableModel::~GridTableModel() {
    table_.setWindowOpen(false);
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount();
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return table_.displayText(index.column(), index.row());
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    // A cell left as it was shown keeps its value with every digit: showing 8 significant
    // digits must not round what the file or a conversion gave it.
    if (value.toString() == table_.displayText(index.column(), index.row())) return true;
    const CellResult r = table_.setText(index.column(), index.row(), value.toString());
    if (!r.ok) {
        emit entryRejected(r.message);
        return false;
    }
    // Every typed column is shown again: a new pick-list item may have replaced sub-tables.
    emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
    return true;
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section / table_.RowGroup() + 1;
    QStringList lines;
    for (int l = 0; l < table_.headerLineCount(); ++l) lines << table_.headerText(section, l);
    return lines.join(QLatin1Char('\n'));
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const ColumnType t = table_.column(index.column()).type;
    if (t == ColumnType::PickList || t == ColumnType::SubTable) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool GridTableModel::canAdd() const {
    return table_.rowCount() != table_.MaxRows();
}
bool GridTableModel::canDelete() const {
    return table_.rowCount() > table_.MinRows();
}

void GridTableModel::addRow() {
    beginResetModel();
    table_.addGroup();
    endResetModel();
}

CellResult GridTableModel::insertRowAt(int row) {
    beginResetModel();
    const CellResult r = table_.insertGroup(row);
    endResetModel();
    return r;
}

CellResult GridTableModel::deleteRowAt(int row) {
    beginResetModel();
    const CellResult r = table_.deleteGroup(row);
    endResetModel();
    return r;
}

void GridTableModel::fillToMinimum() {
    beginResetModel();
    table_.fillToMinimum();
    endResetModel();
}

}  // namespace vornel
