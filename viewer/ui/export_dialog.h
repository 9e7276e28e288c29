// TDlgExport, "Export to Excel": the engineer ticks result graphs and writes them into one
// spreadsheet workbook (an index sheet, then a data sheet and a chart sheet per graph).
//
// The dialog shows the exportable graphs of an ExportSource; each time it is shown the list is
// filled again, every graph enabled and ticked exactly when it is offered. "Generate Excel File"
// asks where to save (beside the data file, NAME.xlsx), writes the workbook and offers to open
// it with the desktop's default application. Every question and message goes through
// Questions, so that tests script the answers.
//
// The main window creates the dialog once at start over its graphs and shows it modally for
// "Export Plots To Excel":
//     exportSource_ = std::make_unique<ResultGraphsExport>(
//         graphs_, [this](int p) { return exportEntries_[p]->isEnabled(); },
//         [this] { return project_.fileName(); });
//     dlgExport_ = new TDlgExport(*exportSource_, questions_, this);
//     ...
//     dlgExport_->exec();
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>

#include "viewer/graph_export.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vornel {

class Questions;

namespace export_text {
inline constexpr char kCaption[] = "Export to Excel";
inline constexpr char kGroup[] = "Available Plots";
inline constexpr char kSelectAll[] = "Select All";
inline constexpr char kUnselectAll[] = "Unselect All";
inline constexpr char kGenerate[] = "Generate Excel File";
inline constexpr char kClose[] = "Close Window";
inline constexpr char kNoteOpen[] = "An Excel instance (if available) will open. ";
inline constexpr char kNoteWait[] = "Please wait until all the data has been exported to Excel.";
inline constexpr char kNoteSave[] = "Please note that you need to save the excel file afterwards.";
inline constexpr char kSaveFilter[] = "Excel Workbook (*.xlsx)";
// "The workbook NAME has been written. Do you want to open it?"
QString offerToOpen(const QString& path);
// "The workbook was not written. REASON"
QString notWritten(const QString& reason);
// "No application is available to open NAME."
QString cannotOpen(const QString& path);
}  // namespace export_text

class TDlgExport : public QDialog {
    Q_OBJECT

  public:
    // The source must outlive the dialog.
    TDlgExport(ExportSource& source, Questions& questions, QWidget* parent = nullptr);
    ~TDlgExport() override;

    // Fills the list again from the source (done each time the dialog is shown).
    void refresh();
    // The folder suggested for an unnamed project (default: the current folder).
    void setFallbackFolder(const QString& folder) { fallbackFolder_ = folder; }
    // Positions (0-based) of the enabled, ticked graphs, in export order.
    std::vector<int> tickedPositions() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildWindow();
    void setAllTicked(bool on);
    void updateGenerate();
    void generateClick();
    std::optional<QString> askTarget();

    ExportSource& source_;
    Questions* questions_;
    QString fallbackFolder_;
    QListWidget* CheckListBoxPlots = nullptr;
    QPushButton* btnSelectAll = nullptr;
    QPushButton* btnUnselectAll = nullptr;
    QPushButton* btnGenerate = nullptr;
    QPushButton* btnClose = nullptr;
};

}  // namespace vornel
