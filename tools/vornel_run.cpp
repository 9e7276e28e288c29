// vornel-run: the headless runner. Analyses input data files with the engine in-process,
// through the same code path as the library's entry point, with explicit file paths and a
// private scratch folder per run, and prints a short summary of every problem.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "engine/base/fixed_format.h"
#include "engine/run/entry.h"
#include "tools/file_check.h"
#include "tools/replace_file.h"
#include "tools/results_export.h"
#include "vornel_version.h"

namespace fs = std::filesystem;

namespace {

using vornel::tools::ResultsFormat;

const char* const kHelp =
    "Usage: vornel-run [options] DECK...\n"
    "\n"
    "Analyses each input data file (*.vn5d) with the VORNEL engine and writes, beside the\n"
    "deck or into the --out folder, the output report (.vn5o), the plot data file (.vn5p)\n"
    "and the iteration monitor file (.vn5r). For every problem it prints the title, the\n"
    "iteration count and any warnings, and the largest absolute deflection, moment and\n"
    "shear with their depths.\n"
    "\n"
    "Options (anywhere on the line; a value may follow as -j2, -j 2, --jobs=2 or --jobs 2;\n"
    "\"--\" ends the options):\n"
    "  -o, --out DIR        write the outputs into DIR instead of beside each deck\n"
    "  -j, --jobs N         analyse up to N decks at once (default: the number of cores);\n"
    "                       every run has its own engine state\n"
    "      --results FMT    also write the results for scripts: csv (NAME.csv, one row per\n"
    "                       station and problem) or json (NAME.json, per problem its title,\n"
    "                       kind, units, iterations, warnings, stations, maxima and earth\n"
    "                       pressure); may be given twice for both\n"
    "      --keep-scratch   also write the scratch files NAME.BMWALL.001 and NAME.SOILDATA\n"
    "                       beside the outputs (NAME: the deck's name without extension)\n"
    "  -v, --verbose        also show the engine's progress lines\n"
    "  -h, --help           show this text\n"
    "      --version        show the version\n"
    "\n"
    "Without --keep-scratch no scratch file is written; with it every deck has its own.\n"
    "Summaries go to standard output; errors and the engine's messages (soil warnings) to\n"
    "standard error. A deck is never overwritten: a run whose output would be the deck\n"
    "itself or another deck of the run, or would replace something that is not a regular\n"
    "file, is refused, and so are two decks whose outputs would have the same name. Results\n"
    "files are written to a private file beside them and renamed into place when complete.\n"
    "\n"
    "Exit status:\n"
    "  0  every problem converged\n"
    "  3  every run completed, but a problem did not converge, ended off its p-y curves,\n"
    "     exceeded the allowable deflection, hit a singular system or gave results that\n"
    "     are not finite (the summary says which)\n"
    "  2  a report holds an error stop (the report names the record at fault)\n"
    "  1  a deck could not be read, an output could not be written, or the options are\n"
    "     wrong (an unknown option or a bad value: one line on standard error names it)\n"
    "With several decks the first of 1, 2, 3 that applies to any of them is the status.\n";

struct Options {
    std::vector<fs::path> decks;
    fs::path out;
    unsigned jobs = 0;
    bool keep_scratch = false;
    bool verbose = false;
    std::vector<ResultsFormat> results;
};

// Exit statuses, and which one wins when several decks are analysed.
enum Status { kConverged = 0, kCannotRead = 1, kErrorStop = 2, kNotConverged = 3 };

int rank(int status) {
    switch (status) {
        case kCannotRead:
            return 3;
        case kErrorStop:
            return 2;
        case kNotConverged:
            return 1;
        default:
            return 0;
    }
}

struct Outcome {
    std::string text;      // summary for standard output
    std::string messages;  // errors and engine messages for standard error
    int status = kConverged;
    void fail(const fs::path& deck, const std::string& why) {
        messages += "vornel-run: " + deck.string() + ": " + why + "\n";
        status = kCannotRead;
    }
};

// Returns 0 to go on, 1 on a usage error, -1 after --help or --version. Options follow the
// GNU convention: -j2, -j 2, --jobs=2 and --jobs 2 alike, anywhere on the line; "--" ends them.
int parse(int argc, char** argv, Options& o) {
    CLI::App app("", "vornel-run");
    app.set_help_flag();  // the help text is the program's own
    app.allow_extras();   // unknown options are named below
    bool help = false, version = false;
    std::string out, jobs;
    std::vector<std::string> results, decks;
    app.add_flag("-h,--help", help);
    app.add_flag("--version", version);
    // Given twice, the last value holds.
    app.add_option("-o,--out", out)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("-j,--jobs", jobs)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("--results", results)->allow_extra_args(false);
    app.add_flag("--keep-scratch", o.keep_scratch);
    app.add_flag("-v,--verbose", o.verbose);
    app.add_option("decks", decks);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        std::cerr << "vornel-run: " << e.what() << " (see --help).\n";
        return kCannotRead;
    }
    bool options = true;
    for (const std::string& a : app.remaining()) {
        if (options && a == "--") {
            options = false;
            continue;
        }
        if (options && a.size() > 1 && a[0] == '-') {
            std::cerr << "vornel-run: unknown option " << a << " (see --help).\n";
            return kCannotRead;
        }
        decks.push_back(a);
    }
    if (help || version) {
        std::cout << (help ? kHelp : "vornel-run " VORNEL_VERSION_TEXT "\n");
        return -1;
    }
    o.out = out;
    if (!jobs.empty()) {
        int n = 0;
        const auto [end, ec] = std::from_chars(jobs.data(), jobs.data() + jobs.size(), n);
        if (ec != std::errc() || end != jobs.data() + jobs.size() || n < 1) {
            std::cerr << "vornel-run: --jobs needs a number of at least 1, not " << jobs << ".\n";
            return kCannotRead;
        }
        o.jobs = static_cast<unsigned>(n);
    }
    for (const std::string& f : results) {
        if (f != "csv" && f != "json") {
            std::cerr << "vornel-run: --results needs csv or json, not " << f << ".\n";
            return kCannotRead;
        }
        o.results.push_back(f == "csv" ? ResultsFormat::Csv : ResultsFormat::Json);
    }
    for (const std::string& d : decks) o.decks.emplace_back(d);
    if (o.decks.empty()) {
        std::cerr << "vornel-run: no deck given (see --help).\n";
        return kCannotRead;
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

struct Paths {
    fs::path report, plot, monitor;
    std::vector<fs::path> results;
    std::vector<fs::path> scratch;  // with --keep-scratch
    std::vector<fs::path> all() const {
        std::vector<fs::path> v{report, plot, monitor};
        v.insert(v.end(), results.begin(), results.end());
        v.insert(v.end(), scratch.begin(), scratch.end());
        return v;
    }
};

fs::path output_base(const fs::path& deck, const Options& o) {
    return o.out.empty() ? deck : o.out / deck.filename();
}

// The folder and name prefix of a deck's kept scratch files.
fs::path scratch_dir(const fs::path& report) {
    return report.parent_path().empty() ? fs::path(".") : report.parent_path();
}
std::string scratch_prefix(const fs::path& deck) {
    return deck.stem().string() + ".";
}

Paths output_paths(const fs::path& deck, const Options& o) {
    const fs::path base = output_base(deck, o);
    Paths p;
    p.report = fs::path(base).replace_extension(".vn5o");
    p.plot = fs::path(base).replace_extension(".vn5p");
    p.monitor = fs::path(base).replace_extension(".vn5r");
    for (ResultsFormat f : o.results)
        p.results.push_back(
            fs::path(base).replace_extension(f == ResultsFormat::Csv ? ".csv" : ".json"));
    if (o.keep_scratch)
        for (const char* name : {"BMWALL.001", "SOILDATA"})
            p.scratch.push_back(scratch_dir(p.report) / (scratch_prefix(deck) + name));
    return p;
}

bool same_path(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return vornel::tools::same_file(a, b) ||
           fs::absolute(a, ec).lexically_normal() == fs::absolute(b, ec).lexically_normal();
}

// Why the outputs of `deck` must not be written; empty when they may. No deck of the run is
// ever an output, also not through a link, and only regular files are replaced.
std::string refused_outputs(const fs::path& deck, const Paths& paths,
                            const std::vector<fs::path>& decks) {
    std::error_code ec;
    for (const fs::path& out : paths.all()) {
        if (same_path(deck, out))
            return "the output " + out.string() +
                   " would overwrite the deck itself; give the deck another extension (its "
                   "outputs take its name with .vn5o, .vn5p and .vn5r).";
        for (const fs::path& other : decks)
            if (same_path(other, out))
                return "the output " + out.string() + " would overwrite the deck " +
                       other.string() +
                       "; give the decks other names or write the outputs "
                       "into another folder with --out.";
        const fs::file_status st = fs::symlink_status(out, ec);
        const fs::file_status target = fs::status(out, ec);
        if (fs::exists(st) && !fs::is_symlink(st) && !fs::is_regular_file(st))
            return "the output " + out.string() +
                   " exists and is not a regular file; outputs are written only to regular files.";
        if (fs::is_symlink(st) && fs::exists(target) && !fs::is_regular_file(target))
            return "the output " + out.string() +
                   " exists and is not a regular file; outputs are written only to regular files.";
    }
    const fs::path folder = fs::absolute(paths.report, ec).parent_path();
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return "cannot write into the folder " + folder.string() + ": " +
               vornel::tools::errno_reason(errno) + ".";
    return {};
}

void write_results(const fs::path& deck, const Paths& paths, const Options& o,
                   const vornel::EngineState& s, Outcome& r) {
    for (std::size_t i = 0; i < o.results.size(); ++i) {
        const std::string text = o.results[i] == ResultsFormat::Csv
                                     ? vornel::tools::results_csv(s.summaries)
                                     : vornel::tools::results_json(deck.string(), s.summaries);
        if (const std::string why = vornel::tools::replace_file(paths.results[i], text);
            !why.empty())
            r.fail(deck, "cannot write " + paths.results[i].string() + ": " + why + ".");
    }
}

int problem_status(const vornel::EngineState& s) {
    for (const vornel::ProblemSummary& p : s.summaries)
        if (!p.outcome.converged || !p.warnings.empty()) return kNotConverged;
    return kConverged;
}

Outcome analyse(const fs::path& deck, const Options& o, const std::vector<fs::path>& decks) {
    Outcome r;
    r.text = deck.string() + "\n";
    const std::string unreadable = vornel::tools::unreadable_reason(deck);
    if (!unreadable.empty()) {
        r.fail(deck, "cannot read the deck: " + unreadable + ".");
        return r;
    }
    const Paths paths = output_paths(deck, o);
    if (const std::string why = refused_outputs(deck, paths, decks); !why.empty()) {
        r.fail(deck, why);
        return r;
    }
    vornel::RunRequest q;
    q.version = VORNEL_VERSION_TEXT;
    q.input = deck;
    q.report = paths.report;
    q.plot = paths.plot;
    q.monitor = paths.monitor;
    if (o.keep_scratch) {
        q.scratch_dir = scratch_dir(q.report);
        q.scratch_prefix = scratch_prefix(deck);
    }
    q.message_sink = [&r, &deck](const std::string& m) {
        r.messages += "vornel-run: " + deck.string() + ": " + m + "\n";
    };
    if (o.verbose) q.progress_sink = q.message_sink;
    const vornel::EngineState s = vornel::run_analysis(q);
    for (const vornel::ProblemSummary& p : s.summaries) r.text += summary_of(p);
    if (s.input_unreadable || s.output_failed) {
        r.fail(deck, s.stop_reason + ".");
        return r;
    }
    if (s.error_stop) {
        r.text += "  error stop: " + s.stop_reason + "\n";
        r.status = kErrorStop;
    } else {
        r.status = problem_status(s);
    }
    write_results(deck, paths, o, s, r);
    r.text += "  report: " + q.report.string() + "\n";
    return r;
}

// Two decks whose outputs would have the same names (the same name from two folders into
// one --out, or wall.vn5d and wall.dat side by side) would mix their files: both are
// refused. A deck given twice is analysed once.
std::vector<Outcome> refuse_collisions(Options& o) {
    std::vector<Outcome> refused;
    std::map<fs::path, std::vector<fs::path>> by_report;
    std::vector<fs::path> unique;
    std::error_code ec;
    for (const fs::path& d : o.decks) {
        auto& same = by_report[fs::absolute(output_paths(d, o).report, ec).lexically_normal()];
        const bool repeated = std::any_of(same.begin(), same.end(), [&](const fs::path& e) {
            return vornel::tools::same_file(e, d) || e == d;
        });
        if (!repeated) same.push_back(d);
    }
    for (const fs::path& d : o.decks) {
        const auto& same =
            by_report[fs::absolute(output_paths(d, o).report, ec).lexically_normal()];
        if (same.size() == 1) {
            if (same.front() == d && std::find(unique.begin(), unique.end(), d) == unique.end())
                unique.push_back(d);
            continue;
        }
        if (same.front() != d) continue;  // one message per group
        std::string names;
        for (std::size_t i = 0; i < same.size(); ++i)
            names += (i == 0 ? "" : i + 1 == same.size() ? " and " : ", ") + same[i].string();
        Outcome r;
        r.messages = "vornel-run: " + names + " would write the same outputs " +
                     output_paths(d, o).report.string() +
                     " etc.; give the decks different names or analyse them into different "
                     "folders.\n";
        r.status = kCannotRead;
        refused.push_back(r);
    }
    o.decks = unique;
    return refused;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    const int parsed = parse(argc, argv, o);
    if (parsed != 0) return parsed < 0 ? kConverged : kCannotRead;
    std::error_code ec;
    if (!o.out.empty() && !fs::is_directory(o.out, ec) && !fs::create_directories(o.out, ec)) {
        std::cerr << "vornel-run: cannot create the folder " << o.out.string() << ": "
                  << vornel::tools::errno_reason(ec.value()) << ".\n";
        return 1;
    }
    const std::vector<fs::path> given = o.decks;
    std::vector<Outcome> outcomes = refuse_collisions(o);
    const std::size_t first = outcomes.size();
    outcomes.resize(first + o.decks.size());
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned jobs = std::max(
        1u, std::min<unsigned>(o.jobs ? o.jobs : cores, static_cast<unsigned>(o.decks.size())));
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < o.decks.size(); i = next++) {
            outcomes[first + i] = analyse(o.decks[i], o, given);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < jobs; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();

    int status = kConverged;
    for (const Outcome& r : outcomes) {
        std::cerr << r.messages;
        std::cout << r.text;
        if (rank(r.status) > rank(status)) status = r.status;
    }
    return status;
}
