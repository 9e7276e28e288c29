// Whole runs through the library's exported entry point, as the program calls it: NAMES.dat in
// the current folder, IVORNEL(7), the report, plot file, monitor file and scratch files
// written. Each benchmark makes 200 calls and reports the median call time in milliseconds,
// by the wall clock (`median_ms`) and in processor time of the process, kernel included
// (`median_cpu_ms`, steadier on a shared machine); targets: cantilever_layered at most
// 0.30 ms, anchored_three_stage at most 1.0 ms.
// bench_engine_entry_in_place is the same program over a library that overwrites every output
// in place, as before outputs were replaced whole: run the two alternately to see the cost of
// the atomic replacement (for example ten rounds each, medians of median_cpu_ms).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "bench/run_folder.h"
#include "vornel_version.h"

extern "C" std::int32_t IVORNEL(std::int32_t interface_code);

namespace {

// The run folder becomes the current folder for the benchmark and is left afterwards.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::filesystem::path& dir)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~CurrentFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }

  private:
    std::filesystem::path previous_;
};

void write_names(const std::filesystem::path& dir, const std::string& deck) {
    const std::filesystem::path input = dir / (deck + ".vn5d");
    std::filesystem::copy_file(
        std::filesystem::path(VORNEL_SOURCE_DIR) / "examples" / (deck + ".vn5d"), input,
        std::filesystem::copy_options::overwrite_existing);
    std::ofstream names(dir / "NAMES.dat", std::ios::binary);
    names << VORNEL_VERSION_TEXT "\r\n";
    for (const char* ext : {".vn5d", ".vn5o", ".vn5p", ".vn5r"}) {
        names << (dir / (deck + ext)).string() << "\r\n";
    }
}

double median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    const auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

void run_entry(benchmark::State& state, const std::string& deck) {
    const vornel::bench::RunFolder dir;
    write_names(dir.path, deck);
    const CurrentFolder here(dir.path);
    std::vector<double> ms, cpu_ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpu_start = std::clock();
        const std::int32_t status = IVORNEL(7);
        const std::clock_t cpu_end = std::clock();
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        cpu_ms.push_back(1000.0 * static_cast<double>(cpu_end - cpu_start) / CLOCKS_PER_SEC);
        if (status != 0) {
            state.SkipWithError("IVORNEL(7) did not return 0");
            break;
        }
    }
    if (!std::filesystem::exists(dir.path / (deck + ".vn5p"))) {
        state.SkipWithError("no plot file written");
    }
    state.counters["median_ms"] = median(ms);
    state.counters["median_cpu_ms"] = median(cpu_ms);
}

void BM_EntryCantileverLayered(benchmark::State& state) {
    run_entry(state, "cantilever_layered");
}
void BM_EntryAnchoredThreeStage(benchmark::State& state) {
    run_entry(state, "anchored_three_stage");
}

BENCHMARK(BM_EntryCantileverLayered)->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EntryAnchoredThreeStage)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
