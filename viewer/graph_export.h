// The graphs offered for spreadsheet export and their workbook records.
//
// Seven result graphs can be exported, always in this order (the order of the check list and
// of the sheets): p-y curves, deflection, shear, moment, soil reaction, earth pressure
// distribution, earth pressure combined. A graph is offered exactly when its Graphics menu
// entry is enabled, which the main window knows; the export dialog sees only the list of
// items and asks for the records of the ticked ones.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "viewer/result_graphs.h"
#include "viewer/workbook_writer.h"

namespace vornel {

struct ExportItem {
    QString caption;
    bool enabled = false;  // offered: the graph's menu entry is enabled
    bool checked = false;
};

// What the export dialog exports.
class ExportSource {
  public:
    virtual ~ExportSource() = default;
    // The exportable graphs in export order, each enabled and ticked when it is offered.
    virtual std::vector<ExportItem> exportItems() const = 0;
    // The workbook record of the graph at `position` (0-based) of that list.
    virtual WorkbookGraph exportGraph(int position) const = 0;
    // The project's data file; the workbook is suggested beside it. Empty when unnamed.
    virtual QString dataFileName() const = 0;
};

// A graph as the workbook shows it: caption, axis titles with unit texts, every curve of the
// main list (active or not) with its own legend text and points, then the envelope pair while
// the graph shows it.
WorkbookGraph workbook_graph(const TGraphPlot& graph);

// The graphs of the main window in export order.
std::array<TGraphPlot*, 7> export_graphs(ResultGraphs& graphs);

// The main window's graphs as an export source. `offered(position)` says whether the Graphics
// menu entry of the graph at that position is enabled (0 Comppy, 1 CompDef, 2 CompShear,
// 3 CompMom, 4 CompSoil, 5 CompLD, 6 CompCombine); `dataFile()` names the data file.
class ResultGraphsExport : public ExportSource {
  public:
    ResultGraphsExport(ResultGraphs& graphs, std::function<bool(int position)> offered,
                       std::function<QString()> dataFile)
        : graphs_(graphs), offered_(std::move(offered)), dataFile_(std::move(dataFile)) {}

    std::vector<ExportItem> exportItems() const override;
    WorkbookGraph exportGraph(int position) const override;
    QString dataFileName() const override { return dataFile_ ? dataFile_() : QString(); }

  private:
    ResultGraphs& graphs_;
    std::function<bool(int)> offered_;
    std::function<QString()> dataFile_;
};

// The workbook suggested for a data file: beside it, its name with ".xlsx"; "Untitled.xlsx"
// in `folder` when the project has no name yet.
QString suggested_workbook_path(const QString& data_file, const QString& folder);

}  // namespace vornel
