// Every keystroke that leaves a cell or field runs the evaluator and a set-text rule: these
// must stay far below what an engineer could notice (target: well under 10 microseconds).
#include <benchmark/benchmark.h>

#include "editor/data_edit.h"
#include "editor/expression_evaluator.h"
#include "editor/grid_table.h"
#include "editor/table_registry.h"

namespace {

using namespace vornel;

void BM_EvaluatePlainNumber(benchmark::State& state) {
    const QString text = QStringLiteral("125.5");
    for (auto _ : state) benchmark::DoNotOptimize(evaluate_expression(text));
}
BENCHMARK(BM_EvaluatePlainNumber);

void BM_EvaluateExpression(benchmark::State& state) {
    const QString text = QStringLiteral("2*(12.5+3^2)/sqrt(4)-sin(0.5)");
    for (auto _ : state) benchmark::DoNotOptimize(evaluate_expression(text));
}
BENCHMARK(BM_EvaluateExpression);

void BM_SetTextRealCell(benchmark::State& state) {
    TableRegistry reg;
    TGridTable t(reg);
    t.addColumn(ColumnDef::real({"Depth"}, "L2"));
    t.addColumn(ColumnDef::integer({"Node"}, 0, 0, 300));
    t.setRowCount(10);
    t.setWindowOpen(true);
    const QString text = QStringLiteral("2*12.5");
    for (auto _ : state) benchmark::DoNotOptimize(t.setText(0, 5, text));
}
BENCHMARK(BM_SetTextRealCell);

void BM_SetTextIntegerCell(benchmark::State& state) {
    TableRegistry reg;
    TGridTable t(reg);
    t.addColumn(ColumnDef::integer({"Node"}, 0, 0, 300));
    t.setRowCount(10);
    t.setWindowOpen(true);
    const QString text = QStringLiteral("150");
    for (auto _ : state) benchmark::DoNotOptimize(t.setText(0, 5, text));
}
BENCHMARK(BM_SetTextIntegerCell);

void BM_ValidateField(benchmark::State& state) {
    TDataEdit e;
    e.setMinVal(1);
    e.setMaxVal(300);
    e.setIntegerOnly(true);
    for (auto _ : state) {
        e.setText(QStringLiteral("120"));
        benchmark::DoNotOptimize(e.validate());
    }
}
BENCHMARK(BM_ValidateField);

}  // namespace

BENCHMARK_MAIN();
