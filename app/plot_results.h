// The results of the last analysis as the main window holds them: one graph per result
// (`ResultGraphs`), filled with the project's result arrays from the plot data file, and
// whether each graph holds data (at least one curve, its first curve with more than one
// point). The graph commands are enabled from this; the graph windows show these graphs.
#pragma once

#include <QString>

#include "app/commands.h"
#include "editor/program_data.h"
#include "editor/project.h"
#include "viewer/result_graphs.h"
#include "viewer/viewer_questions.h"

namespace vornel {

class PlotResults {
  public:
    explicit PlotResults(Questions& questions) : questions_(questions) {}

    // Reads `plot_file` into the graphs and the project's result arrays; returns whether the
    // whole file was read. With `report_failure` a failure is shown in an information box.
    bool read(const QString& plot_file, TProgramData& data, bool report_failure);
    bool holdsData(ResultGraph graph) const;
    // Why the graphs read do not belong to the project `data` (another unit system, station
    // count or problem count), as a sentence for the engineer; empty when they belong to it.
    QString mismatch(const TProgramData& data) const;
    void clear();

    ResultGraphs& graphs() { return graphs_; }
    TGraphPlot& graph(ResultGraph graph);
    const TGraphPlot& graph(ResultGraph graph) const;

  private:
    Questions& questions_;
    ResultGraphs graphs_;
};

}  // namespace vornel
