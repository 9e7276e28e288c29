// Exporting all seven exportable graphs of the three-stage example into one workbook (target:
// under 100 ms): the graph records, the index, fifteen sheets with their charts, the legend
// frames and the write beside the target with its rename.
#include <benchmark/benchmark.h>

#include <QString>

#include "run_folder.h"
#include "viewer/graph_export.h"
#include "viewer/plot_file_reader.h"

namespace {

using namespace vornel;

void BM_ExportThreeStageWorkbook(benchmark::State& state) {
    ResultGraphs graphs;
    ResultArrays arrays;
    PlotFileReader reader(graphs, arrays);
    const QString plot =
        QStringLiteral(VORNEL_SOURCE_DIR "/tests/engine/soil/golden/anchored_three_stage.vn5p");
    if (!reader.read(plot, false)) {
        state.SkipWithError(qPrintable(reader.error()));
        return;
    }
    bench::RunFolder folder;
    const QString path =
        QString::fromStdString((folder.path / "anchored_three_stage.xlsx").string());
    for (auto _ : state) {
        std::vector<WorkbookGraph> all;
        for (TGraphPlot* g : export_graphs(graphs)) all.push_back(workbook_graph(*g));
        const QString error = write_workbook(path, all);
        if (!error.isEmpty()) state.SkipWithError(qPrintable(error));
    }
    int curves = 0, points = 0;
    for (TGraphPlot* g : export_graphs(graphs))
        for (const TLine& l : g->Lines) curves += 1, points += l.pointCount();
    state.counters["curves"] = curves;
    state.counters["points"] = points;
}
BENCHMARK(BM_ExportThreeStageWorkbook)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
