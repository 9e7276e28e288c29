// The earth-pressure chain on a 60 ft wall (English units, one point per inch: 721 points)
// in three layers with a line load and a strip load behind it, from the layer table to the
// table handed over in memory and into the pressure table of the wall.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "engine/base/engine_state.h"
#include "engine/core/pressure_table.h"
#include "engine/soil/earth_pressure.h"

namespace {

vornel::EngineState sixty_foot_wall(std::ostream& report, const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    vornel::EngineState s;
    s.report = &report;
    s.scratch_dir = dir;
    s.control.unit_system = 1;
    s.control.earth_pressure_code = 2;
    s.units = {" IN", " LBS", "IN", "LBS"};
    s.wall.ninc = 240;
    s.wall.h = 3.0;
    s.config = {300.0, 12.0, 12.0, 120.0, 300.0, 1.0, 1, 0.0};
    s.surface.surface_load = 1.5;
    s.surcharges = {{2, 80.0, 60.0, 0.0}, {3, 2.0, 90.0, 60.0}};
    double bottom = 0.0;
    const double bottoms[] = {180.0, 420.0, 900.0};
    const double rows[][3] = {{0.069, 0.0, 32.0}, {0.072, 6.0, 0.0}, {0.075, 0.0, 36.0}};
    const int types[] = {4, 3, 4};
    for (int j = 0; j < 3; ++j) {
        vornel::SoilLayerInput in;
        in.type = types[j];
        in.bottom_depth = bottoms[j];
        in.thickness = bottoms[j] - bottom;
        in.top = {rows[j][0], rows[j][1], rows[j][2], 0.0, 0.0, 0.0};
        bottom = bottoms[j];
        s.layers.push_back(in);
    }
    return s;
}

// The wall's state with its report and a scratch folder of its own. One engine state serves
// all problems of a call, so it is made once; every iteration is one problem.
struct Run {
    explicit Run(const char* name)
        : dir(std::filesystem::temp_directory_path() / name), s(sixty_foot_wall(report, dir)) {}
    ~Run() { std::filesystem::remove_all(dir); }
    void chain() {
        report.str("");
        vornel::soil::run_earth_pressure_chain(s);
    }
    std::filesystem::path dir;
    std::ostringstream report;
    vornel::EngineState s;
};

void BM_EarthPressureChain(benchmark::State& state) {
    Run run("vornel_bench_earth_pressure");
    for (auto _ : state) {
        run.chain();
        vornel::take_generated_pressure(run.s);
        if (run.s.pressure.size() != 721) state.SkipWithError("unexpected point count");
        benchmark::DoNotOptimize(run.s.pressure.data());
    }
}
BENCHMARK(BM_EarthPressureChain)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The two halves on their own: the chain up to its handed-over table, and the core's intake.
void BM_ChainOnly(benchmark::State& state) {
    Run run("vornel_bench_earth_pressure_chain");
    for (auto _ : state) {
        run.chain();
        benchmark::DoNotOptimize(run.s.sigma_v_excavation);
    }
}
BENCHMARK(BM_ChainOnly)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_TakeOverOnly(benchmark::State& state) {
    Run run("vornel_bench_earth_pressure_read");
    run.chain();
    for (auto _ : state) {
        vornel::take_generated_pressure(run.s);
        benchmark::DoNotOptimize(run.s.pressure.data());
    }
}
BENCHMARK(BM_TakeOverOnly)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
