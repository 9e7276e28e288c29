// TTableForm: the editing window of one typed table, a thin view over GridTableModel.
//
// The grid shows the row-group numbers in its first column, the table's top-left text in the
// corner and the column headers on as many lines as the longest header has. Pick-list cells
// are drop-down lists (11 items visible) and sub-table cells buttons ("N: caption") that open
// the sub-table's own window. At most 10 rows are visible at once; the grid scrolls. Under it
// are the row buttons (only when the row count may change), the help note and the help
// picture.
//
// A typed entry is validated when the cell is left (another cell, another window, Enter, the
// window closing). A refused entry is reported in an information box and the cell is edited
// again with the refused text; the window cannot be closed until the cell holds a valid entry.
// Enter moves down, from the last row to the top of the next typed column, from the last
// column back to the first.
#pragma once

#include <QPersistentModelIndex>
#include <QTableView>
#include <QWidget>

#include "editor/ui/storing_window.h"

class QLabel;
class QPushButton;
class QHBoxLayout;
class QVBoxLayout;

namespace vornel {

class CellDelegate;
class GridTableModel;
class TGridTable;
class WindowHost;

class GridView : public QTableView {
    Q_OBJECT
  public:
    explicit GridView(QWidget* parent = nullptr) : QTableView(parent) {}
    QWidget* openEditor() const;
    // Gives an open editor's text to the model; false when the entry was refused.
    bool commitOpenEditor();
    void discardOpenEditor();

  signals:
    void enterPressed(const QModelIndex& index);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TTableForm : public QWidget, public StoringWindow {
    Q_OBJECT
  public:
    TTableForm(WindowHost& host, TGridTable& table, QWidget* parent = nullptr);
    ~TTableForm() override;

    TGridTable& table() const { return table_; }
    GridTableModel* model() const { return model_; }
    GridView* grid() const { return grid_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* insertButton() const { return insert_; }
    QPushButton* deleteButton() const { return delete_; }
    QLabel* helpNote() const { return note_; }
    QString topLeftText() const;
    bool isClosing() const { return closing_; }
    // Caption, then the owning rows' numbers: "Clay 3" for the parameters of layer 3.
    static QString captionOf(const TGridTable& table);

    // The cell widgets: a pick-list drop-down or a sub-table button, null for typed cells.
    QWidget* cellWidget(int row, int column) const;
    // The cell that Enter moves to from (row, column).
    QModelIndex nextCell(const QModelIndex& from) const;
    // True when no refused entry waits for correction and an open editor's entry is valid.
    bool entryValid();
    bool storeValues() override { return entryValid(); }
    // After a change of the unit system: headers and values are shown in the new units.
    void unitsChanged();
    // The window is closed with its project: an open or refused entry is dropped.
    void discardEntry();
    static constexpr int kVisibleRows = 10;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QHBoxLayout* topRow() const { return top_row_; }
    QVBoxLayout* mainLayout() const { return main_; }
    virtual void tableChanged() {}
    WindowHost& host() const { return host_; }
    // Rebuilds the grid after rows were read in from outside the grid.
    void reloadRows();

  private:
    void buildGrid();
    void buildButtons();
    void buildHelp();
    void refreshCellWidgets();
    void refreshButtons();
    void fitSize();
    void pickChosen(int column, int row, int index);
    void entryRefused(const QModelIndex& index, const QString& text);
    void moveAfterEnter(const QModelIndex& from);
    void addClicked();
    void insertClicked();
    void deleteClicked();

    WindowHost& host_;
    TGridTable& table_;
    GridTableModel* model_;
    GridView* grid_ = nullptr;
    CellDelegate* delegate_ = nullptr;
    QPushButton *add_ = nullptr, *insert_ = nullptr, *delete_ = nullptr;
    QLabel* note_ = nullptr;
    QHBoxLayout* top_row_ = nullptr;
    QVBoxLayout* main_ = nullptr;
    QString refused_message_;
    bool pending_ = false;
    bool discarded_ = false;
    bool closing_ = false;
};

}  // namespace vornel
