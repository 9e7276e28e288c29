// Whole analyses in-process, from reading the deck to writing the report, the plot file and
// the monitor file: a 300-increment linear wall, and a 300-increment wall on 30 user p-y
// curves that needs ten or more iterations.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/run_folder.h"
#include "engine/run/entry.h"
#include "vornel_version.h"

namespace {

std::string num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.8g", v);
    return buf;
}

// A 30 ft wall in 300 increments: user pressure down to a 10 ft excavation, a load at the
// top, and either a fixed toe (linear) or 30 user p-y curves below the excavation.
std::string deck(bool curves) {
    const int n = 300;
    const double h = 1.2;
    std::string d = curves ? "BENCH WALL ON 30 P-Y CURVES\r\n" : "BENCH LINEAR WALL\r\n";
    d += "1 " + std::string(curves ? "0" : "2") + "\t1\t0\t1\t" + (curves ? "1 30" : "0 0") +
         " 1 0 0\r\n";
    d += std::to_string(n) + " " + num(h) + "\t100\t1E-8\t120\t12\r\n";
    if (!curves) d += "1\t300\t0\t0\r\n2\t300\t0\t0\r\n";
    d += "0\t300\t1\t5.336E9\r\n1\r\n1\t0\t0\t1500\t0\t0\r\n0\r\n";
    d += "3\r\n0\t0\r\n120\t33\r\n360\t33\r\n";
    if (curves) {
        for (int c = 0; c < 30; ++c) {
            const int station = 100 + 7 * c;
            const double x = (station - 100) * h + 6.0;
            const double pu = 2.7 * x, back = 1.4 * (x + 120.0);
            d += std::to_string(station) + "\t17\t1\t1\r\n";
            for (int k = -8; k <= 8; ++k) {
                const double y = k == 0 ? 0.0 : std::copysign(1e-3 * std::pow(2.0, std::abs(k)), k);
                // Stiff clay: p peaks near 0.03 in and softens to 60 percent beyond 0.2 in.
                const double ult = y < 0 ? back : pu;
                const double a = std::fabs(y);
                const double shape =
                    a <= 0.03 ? std::sqrt(a / 0.03) : std::max(0.6, 1.0 - 0.4 * (a - 0.03) / 0.17);
                const double p = -std::copysign(ult * shape, y);
                d += num(y) + "\t" + num(p) + "\r\n";
            }
        }
    }
    return d + "0\r\n";
}

void run_deck(benchmark::State& state, bool curves) {
    const vornel::bench::RunFolder dir;
    vornel::RunRequest r;
    r.version = VORNEL_VERSION_TEXT;
    r.input = dir.path / "bench.vn5d";
    r.report = dir.path / "bench.vn5o";
    r.plot = dir.path / "bench.vn5p";
    r.monitor = dir.path / "bench.vn5r";
    r.scratch_dir = dir.path;
    std::ofstream(r.input, std::ios::binary) << deck(curves);
    int iterations = 0;
    for (auto _ : state) {
        const vornel::EngineState s = vornel::run_analysis(r);
        if (s.error_stop || s.summaries.empty()) {
            state.SkipWithError(s.stop_reason.c_str());
            break;
        }
        iterations = s.summaries.front().outcome.iterations;
    }
    state.counters["iterations"] = iterations;
    if (curves && iterations < 10)
        state.SkipWithError("the p-y deck needs fewer than 10 iterations");
}

void BM_Linear300(benchmark::State& state) {
    run_deck(state, false);
}
void BM_PyCurves300(benchmark::State& state) {
    run_deck(state, true);
}

BENCHMARK(BM_Linear300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PyCurves300)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
