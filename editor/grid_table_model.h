// GridTableModel: a Qt item model over one TGridTable, so that a table window is a thin view.
//
// While the model exists the table counts as having its window open (integer entries are then
// checked for integrality and bounds). Edits go through the table's set-text rule; a refused
// entry leaves the cell unchanged and is announced by `entryRejected` with the message that
// the window shows in its information box. Pick-list and sub-table cells are worked by their
// own controls and are not editable as text.
#pragma once

#include <QAbstractTableModel>

#include "editor/grid_table.h"

namespace vornel {

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridTableModel(TGridTable& table, QObject* parent = nullptr);
    ~GridTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The row buttons; each marks the table changed.
    bool canAdd() const;
    bool canDelete() const;
    bool rowButtonsVisible() const { return table_.MinRows() != table_.MaxRows(); }
    void addRow();
    CellResult insertRowAt(int row);
    CellResult deleteRowAt(int row);
    void fillToMinimum();

    TGridTable& table() const { return table_; }

  signals:
    void entryRejected(const QString& message);

  private:
    TGridTable& table_;
};

}  // namespace vornel
