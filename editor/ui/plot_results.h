// The results of the last analysis as the main window sees them: the plot data file read into
// the result graphs and into the project's result arrays, and whether each graph holds data
// (at least one curve whose first curve has more than one point). The graph commands are
// enabled from this; the graph windows show the graphs it holds.
#pragma once

#include <QString>
#include <memory>

#include "editor/program_data.h"
#include "editor/project.h"
#include "editor/ui/commands.h"

namespace vornel {

class PlotResults {
  public:
    virtual ~PlotResults() = default;
    // Reads `plot_file`; returns whether the whole file was read. With `report_failure` a
    // failure is announced through the reader's questions.
    virtual bool read(const QString& plot_file, TProgramData& data, bool report_failure) = 0;
    virtual bool holdsData(ResultGraph graph) const = 0;
    virtual void clear() = 0;
};

}  // namespace vornel

namespace vornel {
// The results of the program: the viewer's plot data file reader and graphs, failures
// reported through `questions`.
std::unique_ptr<PlotResults> make_plot_results(ProjectQuestions& questions);
}  // namespace vornel
