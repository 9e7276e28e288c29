#include "editor/ui/plot_results.h"

namespace vornel {

namespace {
// Until the viewer's reader is linked in: nothing is read and no graph holds data.
class NoPlotResults : public PlotResults {
  public:
    bool read(const QString&, TProgramData&, bool) override { return false; }
    bool holdsData(ResultGraph) const override { return false; }
    void clear() override {}
};
}  // namespace

std::unique_ptr<PlotResults> make_plot_results(ProjectQuestions& questions) {
    (void)questions;
    return std::make_unique<NoPlotResults>();
}

}  // namespace vornel
