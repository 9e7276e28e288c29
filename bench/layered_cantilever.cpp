// The whole analysis of the layered cantilever example, in process, all files included:
// deck reading, the earth-pressure chain (BMWALL.001), the p-y generator (SOILDATA), the
// iteration and the report, plot and monitor files. Target: at most 2 ms per problem.
#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>

#include "bench/run_folder.h"
#include "engine/run/entry.h"
#include "engine/soil/py_generator.h"
#include "vornel_version.h"

namespace {

vornel::RunRequest example_request(const std::filesystem::path& dir) {
    vornel::RunRequest request;
    request.version = VORNEL_VERSION_TEXT;
    request.input =
        std::filesystem::path(VORNEL_SOURCE_DIR) / "examples" / "cantilever_layered.vn5d";
    request.report = dir / "cantilever_layered.vn5o";
    request.plot = dir / "cantilever_layered.vn5p";
    request.monitor = dir / "cantilever_layered.vn5r";
    request.scratch_dir = dir;
    request.clock = [] { return std::tm{}; };
    return request;
}

// The same wall as a cracked secant-pile wall: a moment-stiffness curve makes the iteration
// update the stiffness between solutions, so the analysis needs well over ten iterations
// (the generated curves alone settle on their segments within six).
std::filesystem::path write_moment_ei_variant(const std::filesystem::path& dir) {
    std::ifstream in(
        std::filesystem::path(VORNEL_SOURCE_DIR) / "examples" / "cantilever_layered.vn5d",
        std::ios::binary);
    std::string deck((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string control = "1 0\t1\t0\t2\t2 0 1 0 0\r\n";
    deck.replace(deck.find(control), control.size(), "1 0\t1\t0\t2\t2 0 1 1 0\r\n");
    const std::size_t last = deck.rfind("0\r\n");  // the continuation code
    deck.insert(last,
                "0\t72\t4\r\n0\t5.34E9\r\n200000\t5.0E9\r\n400000\t4.0E9\r\n"
                "800000\t2.5E9\r\n");
    const std::filesystem::path path = dir / "cantilever_layered_moment_ei.vn5d";
    std::ofstream(path, std::ios::binary) << deck;
    return path;
}

void BM_LayeredCantilever(benchmark::State& state) {
    const vornel::bench::RunFolder dir;
    const vornel::RunRequest request = example_request(dir.path);
    for (auto _ : state) {
        vornel::EngineState s = vornel::run_analysis(request);
        if (s.error_stop || s.summaries.empty() || !s.summaries.front().outcome.converged) {
            state.SkipWithError("the example did not converge");
            break;
        }
        benchmark::DoNotOptimize(s.results.data());
    }
}

void BM_LayeredCantileverMomentEi(benchmark::State& state) {
    const vornel::bench::RunFolder dir;
    vornel::RunRequest request = example_request(dir.path);
    request.input = write_moment_ei_variant(dir.path);
    int iterations = 0;
    for (auto _ : state) {
        vornel::EngineState s = vornel::run_analysis(request);
        if (s.error_stop || s.summaries.empty() || !s.summaries.front().outcome.converged ||
            s.summaries.front().outcome.iterations < 10) {
            state.SkipWithError("the variant did not converge in ten or more iterations");
            break;
        }
        iterations = s.summaries.front().outcome.iterations;
        benchmark::DoNotOptimize(s.results.data());
    }
    state.counters["iterations"] = iterations;
}

// The p-y generator's share: profile, 15 curve records, their report sections and SOILDATA,
// on the state the example leaves behind.
void BM_LayeredCantileverPyCurves(benchmark::State& state) {
    const vornel::bench::RunFolder dir;
    const vornel::RunRequest request = example_request(dir.path);
    vornel::EngineState s = vornel::run_analysis(request);
    std::ostringstream report;
    s.report = &report;
    for (auto _ : state) {
        report.str("");
        vornel::soil::generate_py_curves(s);
        benchmark::DoNotOptimize(report.str().size());
    }
}

BENCHMARK(BM_LayeredCantilever)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LayeredCantileverMomentEi)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LayeredCantileverPyCurves)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
