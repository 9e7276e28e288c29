// The design report of the three-stage example (target: under 1 s): the project, the plot
// data file and the engine's report read, the input tables, the profile, twelve graphs
// drawn by the graph painter and the paged PDF written.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>

#include "editor/data_file_reader.h"
#include "editor/program_data.h"
#include "run_folder.h"
#include "viewer/design_report.h"
#include "viewer/plot_file_reader.h"

namespace {

using namespace vornel;

QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_DesignReportThreeStage(benchmark::State& state) {
    const QString deck = QStringLiteral(VORNEL_SOURCE_DIR "/examples/anchored_three_stage.vn5d");
    const QString golden = QStringLiteral(VORNEL_SOURCE_DIR "/tests/engine/soil/golden/");
    bench::RunFolder folder;
    const QString out = QString::fromStdString((folder.path / "report.pdf").string());
    for (auto _ : state) {
        ProjectTables tables;
        TProgramData data(tables);
        if (!read_data_file(read_all(deck), data, DeckLayout::of(format_for_extension(deck))).ok) {
            state.SkipWithError("the deck could not be read");
            return;
        }
        data.FileName = deck;
        ResultGraphs graphs;
        PlotFileReader reader(graphs, data.Results);
        if (!reader.read(golden + QStringLiteral("anchored_three_stage.vn5p"), false,
                         PlotProjectFacts::of(data))) {
            state.SkipWithError(qPrintable(reader.error()));
            return;
        }
        DesignReportOptions o;
        o.engineReport =
            QString::fromLatin1(read_all(golden + QStringLiteral("anchored_three_stage.vn5o")));
        const QString error = write_design_report(data, graphs, out, QPageSize(QPageSize::A4), o);
        if (!error.isEmpty()) state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_DesignReportThreeStage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
