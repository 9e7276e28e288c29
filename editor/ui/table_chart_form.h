// TTableChartForm: the editing window of a chart table: the grid with the chart beside it (when
// its X and Y columns hold reals) and,
// when the table takes data from files, the file name, Browse, View/Edit File, Read values
// from File and Paste values from Clipboard. OK closes the window; Cancel restores the rows
// the table held when the window opened (for tables of plain number columns) and closes it.
#pragma once

#include <QStringList>
#include <vector>

#include "editor/ui/table_form.h"

class QLineEdit;

namespace vornel {

class ChartView;
class TGridTableChart;

class TTableChartForm : public TTableForm {
    Q_OBJECT
  public:
    TTableChartForm(WindowHost& host, TGridTableChart& table, QWidget* parent = nullptr);

    ChartView* chart() const { return chart_; }
    QLineEdit* fileName() const { return file_name_; }
    QPushButton *browseButton = nullptr, *viewButton = nullptr, *readButton = nullptr,
                *pasteButton = nullptr, *okButton = nullptr, *cancelButton = nullptr;

  protected:
    void tableChanged() override;

  private:
    void buildFileControls();
    void buildOkCancel();
    void fileNameChanged();
    void browse();
    void viewFile();
    void readFile();
    void paste();
    void cancel();

    TGridTableChart& chart_table_;
    ChartView* chart_ = nullptr;
    QLineEdit* file_name_ = nullptr;
    // The rows at opening, for Cancel: one list of cell texts per row.
    std::vector<QStringList> snapshot_;
    bool restorable_ = true;
};

namespace chart_form_text {
inline constexpr char kEditorFailed[] = "An error occurred in running the Word Processor";
}

}  // namespace vornel
