// The results viewer's repaint budget: reading the largest example plot file (the three-stage
// anchored wall) and laying out and painting all eight result graphs into 6 x 4 in pictures
// at 96 ppi must stay well under 20 ms in all, so that a repaint is never felt; and
// vornel-plot, drawing every graph of one example as PNG, under 150 ms as a whole process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <cstdlib>
#include <string>

#include "run_folder.h"
#include "viewer/graph_painter.h"
#include "viewer/picture_export.h"
#include "viewer/plot_file_reader.h"

namespace {

using namespace vornel;

const char kLargest[] = VORNEL_SOURCE_DIR "/tests/engine/soil/golden/anchored_three_stage.vn5p";

QByteArray largest_file() {
    QFile f(QString::fromLatin1(kLargest));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_ReadPlotFile(benchmark::State& state) {
    const QByteArray content = largest_file();
    for (auto _ : state) {
        ResultGraphs graphs;
        ResultArrays arrays;
        if (!PlotFileReader(graphs, arrays).readContent(content, false))
            state.SkipWithError("read");
        benchmark::DoNotOptimize(graphs.pltDef.curveCount());
    }
}
BENCHMARK(BM_ReadPlotFile)->Unit(benchmark::kMillisecond);

void BM_ReadAndPaintEightGraphs(benchmark::State& state) {
    PictureSpec spec;
    spec.pixelsPerInch = 96;
    QImage img(spec.pixelSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        ResultGraphs graphs;
        ResultArrays arrays;
        if (!PlotFileReader(graphs, arrays).read(QString::fromLatin1(kLargest), false))
            state.SkipWithError("read");
        for (TGraphPlot* g : graphs.results()) {
            GraphView view(*g);
            view.open();
            const GraphLayout l = layout_picture(*g, img.size(), spec.metrics());
            QPainter p(&img);
            GraphPainter(view, l).paint(p);
        }
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_ReadAndPaintEightGraphs)->Unit(benchmark::kMillisecond);

double children_cpu_seconds() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_VornelPlotProcess(benchmark::State& state) {
    bench::RunFolder folder;
    const std::string cmd =
        std::string("QT_QPA_PLATFORM=offscreen " VORNEL_BINARY_DIR "/bin/vornel-plot --out ") +
        folder.path.string() + " " + kLargest + " >/dev/null 2>&1";
    double child_cpu = 0.0;
    for (auto _ : state) {
        const double before = children_cpu_seconds();
        const int rc = std::system(cmd.c_str());
        if (rc != 0) state.SkipWithError("vornel-plot failed");
        child_cpu += children_cpu_seconds() - before;
    }
    // The process's own processor time: on a shared machine the wall time also counts the
    // waits for a free core.
    state.counters["process_cpu_ms"] =
        benchmark::Counter(1000.0 * child_cpu / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_VornelPlotProcess)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = 1;
    QGuiApplication app(qt_argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
