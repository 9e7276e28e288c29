// vornel-run: the headless runner. Analyses input data files with the engine in-process,
// through the same code path as the library's entry point, with explicit file paths and a
// private scratch folder per run, and prints a short summary of every problem.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "engine/base/fixed_format.h"
#include "engine/run/entry.h"
#include "vornel_version.h"

namespace fs = std::filesystem;

namespace {

const char* const kHelp =
    "Usage: vornel-run [options] DECK...\n"
    "\n"
    "Analyses each input data file (*.vn5d) with the VORNEL engine and writes, beside the\n"
    "deck or into the --out folder, the output report (.vn5o), the plot data file (.vn5p)\n"
    "and the iteration monitor file (.vn5r). For every problem it prints the title, the\n"
    "iteration count and any warnings, and the largest absolute deflection, moment and\n"
    "shear with their depths.\n"
    "\n"
    "Options:\n"
    "  -o, --out DIR      write the outputs into DIR instead of beside each deck\n"
    "  -j, --jobs N       analyse up to N decks at once (default: the number of cores);\n"
    "                     every run has its own engine state and scratch folder\n"
    "      --keep-scratch copy the scratch files BMWALL.001 and SOILDATA beside the outputs\n"
    "  -h, --help         show this text\n"
    "\n"
    "Scratch files go to a private temporary folder per run, so runs never collide.\n"
    "Messages of the engine (soil warnings) go to standard error.\n"
    "\n"
    "Exit status: 0 when every run completed; 2 when a report holds an error stop (the\n"
    "report names the record at fault); 1 when a deck cannot be read or the options are\n"
    "wrong (1 wins over 2).\n";

struct Options {
    std::vector<fs::path> decks;
    fs::path out;
    unsigned jobs = 0;
    bool keep_scratch = false;
};

struct Outcome {
    std::string text;      // summary for standard output
    std::string messages;  // engine messages for standard error
    int status = 0;
};

// Returns 0 to go on, 1 on a usage error, -1 after --help.
int parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](const char* what) -> const char* {
            if (i + 1 >= argc) {
                std::cerr << "vornel-run: " << a << " needs " << what << "\n";
                return nullptr;
            }
            return argv[++i];
        };
        if (a == "-h" || a == "--help") {
            std::cout << kHelp;
            return -1;
        } else if (a == "-o" || a == "--out") {
            const char* v = value("a folder");
            if (!v) return 1;
            o.out = v;
        } else if (a == "-j" || a == "--jobs") {
            const char* v = value("a number");
            if (!v) return 1;
            const int n = std::atoi(v);
            if (n < 1) {
                std::cerr << "vornel-run: --jobs needs a number of at least 1\n";
                return 1;
            }
            o.jobs = static_cast<unsigned>(n);
        } else if (a == "--keep-scratch") {
            o.keep_scratch = true;
        } else if (!a.empty() && a[0] == '-') {
            std::cerr << "vornel-run: unknown option " << a << " (see --help)\n";
            return 1;
        } else {
            o.decks.emplace_back(a);
        }
    }
    if (o.decks.empty()) {
        std::cerr << "vornel-run: no deck given (see --help)\n";
        return 1;
    }
    return 0;
}

std::string unit_text(int unit_system, const char* english, const char* si, const char* other) {
    return unit_system == 1 ? english : unit_system == 2 ? si : other;
}

std::string summary_of(const vornel::ProblemSummary& p) {
    const std::string len = unit_text(p.unit_system, "IN", "M", "L");
    const std::string force = unit_text(p.unit_system, "LBS", "KN", "F");
    const std::string moment = unit_text(p.unit_system, "LBS-IN", "KN-M", "F-L");
    const std::size_t first = p.title.find_first_not_of(' ');
    const std::size_t last = p.title.find_last_not_of(' ');
    const std::string title =
        first == std::string::npos ? std::string() : p.title.substr(first, last - first + 1);
    std::string t = "  problem " + std::to_string(p.problem) + ": " + title + "\n";
    t += "    iterations " + std::to_string(p.outcome.iterations) +
         (p.outcome.converged ? ", converged\n" : ", not converged\n");
    for (const std::string& w : p.warnings) t += "    warning: " + w + "\n";
    auto row = [&](const char* what, double v, const std::string& unit, double depth) {
        t += std::string("    max ") + what + vornel::fmt::es(v, 11, 3) + " " + unit + " at depth" +
             vornel::fmt::es(depth, 11, 3) + " " + len + "\n";
    };
    row("deflection", p.max_deflection, len, p.max_deflection_depth);
    row("moment    ", p.max_moment, moment, p.max_moment_depth);
    row("shear     ", p.max_shear, force, p.max_shear_depth);
    return t;
}

fs::path make_scratch_dir() {
    std::string pattern = (fs::temp_directory_path() / "vornel-run-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    return pattern;
}

void keep_scratch(const fs::path& scratch, const fs::path& beside) {
    std::error_code ec;
    for (const char* name : {"BMWALL.001", "SOILDATA"}) {
        if (fs::exists(scratch / name, ec)) {
            fs::copy_file(scratch / name, beside.parent_path() / name,
                          fs::copy_options::overwrite_existing, ec);
        }
    }
}

Outcome analyse(const fs::path& deck, const Options& o) {
    Outcome r;
    r.text = deck.string() + "\n";
    std::error_code ec;
    if (!fs::is_regular_file(deck, ec) || access(deck.c_str(), R_OK) != 0) {
        r.text += "  cannot read the deck\n";
        r.status = 1;
        return r;
    }
    const fs::path base = o.out.empty() ? deck : o.out / deck.filename();
    vornel::RunRequest q;
    q.version = VORNEL_VERSION_TEXT;
    q.input = deck;
    q.report = fs::path(base).replace_extension(".vn5o");
    q.plot = fs::path(base).replace_extension(".vn5p");
    q.monitor = fs::path(base).replace_extension(".vn5r");
    q.scratch_dir = make_scratch_dir();
    q.message_sink = [&r, &deck](const std::string& m) {
        r.messages += "vornel-run: " + deck.string() + ": " + m + "\n";
    };
    if (q.scratch_dir.empty()) {
        r.text += "  cannot create a scratch folder\n";
        r.status = 1;
        return r;
    }
    const vornel::EngineState s = vornel::run_analysis(q);
    if (o.keep_scratch) keep_scratch(q.scratch_dir, q.report);
    fs::remove_all(q.scratch_dir, ec);
    for (const vornel::ProblemSummary& p : s.summaries) r.text += summary_of(p);
    if (s.input_unreadable) r.status = 1;
    if (s.error_stop) {
        r.text += "  error stop: " + s.stop_reason + "\n";
        if (r.status == 0) r.status = 2;
    }
    r.text += "  report: " + q.report.string() + "\n";
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    const int parsed = parse(argc, argv, o);
    if (parsed != 0) return parsed < 0 ? 0 : 1;
    std::error_code ec;
    if (!o.out.empty() && !fs::is_directory(o.out, ec) && !fs::create_directories(o.out, ec)) {
        std::cerr << "vornel-run: cannot create the folder " << o.out << "\n";
        return 1;
    }
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned jobs =
        std::min<unsigned>(o.jobs ? o.jobs : cores, static_cast<unsigned>(o.decks.size()));
    std::vector<Outcome> outcomes(o.decks.size());
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < o.decks.size(); i = next++) {
            outcomes[i] = analyse(o.decks[i], o);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < jobs; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();

    int status = 0;
    for (const Outcome& r : outcomes) {
        std::cerr << r.messages;
        std::cout << r.text;
        if (r.status == 1 || (r.status == 2 && status == 0)) status = r.status;
    }
    return status;
}
