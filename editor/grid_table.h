// TGridTable: the typed data-entry table, without its window.
//
// A table is a list of typed columns of equal length; a row is one record. Column types and
// their definition codes: 0 pick list (cell = item number from 1), 1 integer (default, bounds),
// 2 real (unit code, default; held in the table's unit system), 3 sub-table (each cell owns a
// whole table created from a template chosen by the row's pick-list item), 4 text.
//
// The table owns its cells and sub-table instances, validates typed entries (`setText`),
// converts its reals when the unit system changes, keeps a changed flag that also reports
// changes of its sub-tables, and writes and reads the definition record of its columns.
// Rows are added, inserted and deleted in groups of `RowGroup` rows.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "editor/unit_codes.h"

namespace vornel {

class DefinitionReader;
class DefinitionWriter;
class TableRegistry;

enum class ColumnType : int { PickList = 0, Integer = 1, Real = 2, SubTable = 3, Text = 4 };

constexpr int kNoTemplate = -2147483647 - 1;

struct ColumnDef {
    ColumnType type = ColumnType::Real;
    QStringList headers;
    bool visible = true;
    bool rowGroup = false;
    QStringList items;                                                  // pick list
    int intDefault = 0, intMin = -2147483647 - 1, intMax = 2147483647;  // integer
    bool topDepth = false;                                              // real
    QString unitCode;
    double realDefault = 0.0;
    QList<int> templates;  // sub-table: one per item of column 0

    static ColumnDef pickList(QStringList headers, QStringList items);
    static ColumnDef integer(QStringList headers, int def, int min, int max);
    static ColumnDef real(QStringList headers, QString unit_code = {}, double def = 0.0);
    static ColumnDef subTable(QStringList headers, QList<int> templates);
};

struct CellResult {
    bool ok = true;
    QString message;
};

class TGridTable {
  public:
    explicit TGridTable(TableRegistry& registry);
    virtual ~TGridTable();
    TGridTable(const TGridTable&) = delete;
    TGridTable& operator=(const TGridTable&) = delete;

    // ---- Definition ----
    QString Caption, Comments, TopLeft, HelpPicture;
    bool HardwiredButton = false;
    int Identifier() const { return identifier_; }
    void setIdentifier(int id);
    int MinRows() const { return min_rows_; }
    int MaxRows() const { return max_rows_; }  // 0: no limit
    int RowGroup() const { return row_group_; }
    CellResult setMinRows(int n);  // "Value must be greater than 0"
    void setMaxRows(int n) { max_rows_ = n < 0 ? 0 : n; }
    void setRowGroup(int n) { row_group_ = n < 1 ? 1 : n; }
    void setLoading(bool on) { loading_ = on; }

    int columnCount() const { return static_cast<int>(columns_.size()); }
    const ColumnDef& column(int c) const { return columns_[static_cast<size_t>(c)].def; }
    void addColumn(ColumnDef def);
    void clearColumns();

    // ---- Rows ----
    int rowCount() const { return rows_; }
    void setRowCount(int n);
    void fillToMinimum();
    void addGroup();
    CellResult insertGroup(int row);
    CellResult deleteGroup(int row);

    // ---- Cells ----
    int item(int c, int r) const;  // pick list and integer columns
    double real(int c, int r) const;
    QString textValue(int c, int r) const;
    TGridTable* subTable(int c, int r) const;
    void setItem(int c, int r, int v);  // a new pick-list item replaces the row's instances
    void setInteger(int c, int r, int v);
    void setReal(int c, int r, double v);
    void setTextValue(int c, int r, const QString& v);

    CellResult setText(int c, int r, const QString& text);
    QString displayText(int c, int r) const;
    int headerLineCount() const;
    QString headerText(int c, int line) const;

    // ---- State ----
    int Units() const { return units_; }
    void setUnits(int system);
    bool changed() const;
    void setChanged() { changed_ = true; }
    void resetChanged();
    bool windowOpen() const { return window_open_; }
    void setWindowOpen(bool on) { window_open_ = on; }
    TGridTable* owner() const { return owner_; }
    int ownerRow() const { return owner_row_; }  // from 1; 0 for a top-level table
    QString rowNumberChain() const;              // " 3" for row 3 of its owner, nested
    TableRegistry& registry() const { return registry_; }

    // ---- Definition record ----
    virtual void writeDefinition(DefinitionWriter& w) const;
    // Replaces the columns when all of them are read; on failure returns the message.
    virtual QString readDefinition(DefinitionReader& r);

    virtual UnitKinds unitKinds() const { return UnitKinds::Full; }

  protected:
    virtual std::unique_ptr<TGridTable> createEmpty() const;
    virtual void copyDefinitionFrom(const TGridTable& from);

  private:
    friend class TableRegistry;
    struct Column {
        ColumnDef def;
        std::vector<int> ints;
        std::vector<double> reals;
        std::vector<QString> texts;
        std::vector<std::unique_ptr<TGridTable>> tables;
    };
    Column& col(int c) { return columns_[static_cast<size_t>(c)]; }
    const Column& col(int c) const { return columns_[static_cast<size_t>(c)]; }
    bool valid(int c, int r) const;
    void fitTemplates(ColumnDef& def) const;
    void insertRows(int at, int n);
    void removeRows(int at, int n);
    void renumber();
    std::unique_ptr<TGridTable> newInstance(const Column& column, int r);
    void replaceInstances(int r);
    bool isAncestorOrSelf(const TGridTable* t) const;
    CellResult setIntegerText(int c, int r, double v, const QString& text);
    CellResult setPickText(int c, int r, double v, const QString& text);

    TableRegistry& registry_;
    int identifier_ = 0;
    int min_rows_ = 1, max_rows_ = 0, row_group_ = 1;
    int rows_ = 0;
    int units_ = kEnglish;
    bool changed_ = false, window_open_ = false, loading_ = false;
    TGridTable* owner_ = nullptr;
    int owner_row_ = 0;
    std::vector<Column> columns_;
};

namespace grid_text {
inline constexpr char kRowRange[] = "Grid.Row not in valid range";
inline constexpr char kMinRows[] = "Value must be greater than 0";
inline constexpr char kInteger[] = "Entry must be an integer.";
inline constexpr char kBetween[] = "Entry must be between %1 and %2.";
inline constexpr char kValueInteger[] = "Value must be an integer.";
inline constexpr char kBlank[] = "Entry cannot be blank.";
inline constexpr char kNotNumber[] = " is not a valid number.";
inline constexpr char kColumnCount[] = "Error reading column count";
inline constexpr char kColumnClass[] = "Error Column Class not defined";
inline constexpr char kCreatingColumn[] = "Error occured when creating column %1: %2";
inline constexpr char kGraphic[] = "Error reading graphic parameters";
}  // namespace grid_text

}  // namespace vornel
