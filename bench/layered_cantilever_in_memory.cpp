// The layered cantilever analysed with no file at all (the call Python makes), beside the same
// analysis through files, so that both are measured under the same load of the machine.
#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bench/run_folder.h"
#include "engine/run/analysis.h"
#include "engine/run/entry.h"
#include "vornel_version.h"

namespace {

const std::filesystem::path kDeck =
    std::filesystem::path(VORNEL_SOURCE_DIR) / "examples" / "cantilever_layered.vn5d";

vornel::RunRequest request_in(const std::filesystem::path& dir) {
    vornel::RunRequest r;
    r.version = VORNEL_VERSION_TEXT;
    r.input = kDeck;
    r.report = dir / "cantilever_layered.vn5o";
    r.plot = dir / "cantilever_layered.vn5p";
    r.monitor = dir / "cantilever_layered.vn5r";
    r.clock = [] { return std::tm{}; };
    return r;
}

void BM_LayeredCantileverNoFiles(benchmark::State& state) {
    std::ifstream in(kDeck, std::ios::binary);
    const std::string deck((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const vornel::RunRequest request = request_in("out");
    for (auto _ : state) {
        vornel::Analysis a = vornel::analyse_deck(request, deck, {false, true, false});
        if (a.error_stop || a.problems.empty()) {
            state.SkipWithError("the example did not run");
            break;
        }
        benchmark::DoNotOptimize(a.problems.data());
    }
}

void BM_LayeredCantileverFiles(benchmark::State& state) {
    const vornel::bench::RunFolder dir;
    const vornel::RunRequest request = request_in(dir.path);
    for (auto _ : state) {
        vornel::EngineState s = vornel::run_analysis(request);
        if (s.error_stop || s.summaries.empty()) {
            state.SkipWithError("the example did not run");
            break;
        }
        benchmark::DoNotOptimize(s.results.data());
    }
}

}  // namespace

BENCHMARK(BM_LayeredCantileverNoFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LayeredCantileverFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
