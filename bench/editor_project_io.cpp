// Opening and saving a five-stage project whose tables are all full (target: well under
// 50 ms each). Open splits the data file into five stage files; Save writes the current
// stage and joins the five stage files into the data file.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "editor/console_questions.h"
#include "editor/data_file_writer.h"
#include "editor/project.h"

namespace {

using namespace vornel;

void fill(TGridTable& t, int rows) {
    t.setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < t.columnCount(); ++c) {
            if (t.column(c).type == ColumnType::Real) t.setReal(c, r, 1.25 * (r + 1) + c);
            if (t.column(c).type == ColumnType::Integer) t.setInteger(c, r, r);
            if (t.column(c).type == ColumnType::SubTable && t.subTable(c, r))
                fill(*t.subTable(c, r), t.subTable(c, r)->MaxRows());
        }
}

void fill_all(Project& p) {
    TProgramData& d = p.data();
    d.Increments = 300;
    d.IncrementLength = 1.5;
    d.UseExternalPY = d.UseEICurves = d.UsePYModifiers = d.UseConcentratedLoads = true;
    d.UseTiebacks = d.UseRestraints = d.UseSprings = d.UseSurcharge = true;
    for (TGridTable* table : p.tables().dataTables())
        fill(*table, table->MaxRows() > 0 ? table->MaxRows() : 100);
}

void build_full_project(Project& p, const QString& path) {
    fill_all(p);
    p.saveAsPath(path);
    p.applyStageCount(5);
    p.save();
}

void BM_OpenFiveStageProject(benchmark::State& state) {
    QTemporaryDir dir;
    ConsoleQuestions q{true};
    const QString path = dir.filePath("full.vn5d");
    {
        Project p(q, dir.path());
        build_full_project(p, path);
    }
    Project p(q, dir.path());
    for (auto _ : state) benchmark::DoNotOptimize(p.openFile(path));
}
BENCHMARK(BM_OpenFiveStageProject)->Unit(benchmark::kMillisecond);

void BM_SaveFiveStageProject(benchmark::State& state) {
    QTemporaryDir dir;
    ConsoleQuestions q{true};
    Project p(q, dir.path());
    build_full_project(p, dir.filePath("full.vn5d"));
    for (auto _ : state) benchmark::DoNotOptimize(p.save());
}
BENCHMARK(BM_SaveFiveStageProject)->Unit(benchmark::kMillisecond);

void BM_WriteFullDeck(benchmark::State& state) {
    ConsoleQuestions q{true};
    Project p(q, QDir::tempPath());
    fill_all(p);
    for (auto _ : state) benchmark::DoNotOptimize(write_data_file(p.data()));
}
BENCHMARK(BM_WriteFullDeck)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
