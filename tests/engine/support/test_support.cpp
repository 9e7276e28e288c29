#include "tests/engine/support/test_support.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "engine/run/entry.h"

namespace vornel::test {

std::filesystem::path source_dir() {
    return VORNEL_SOURCE_DIR;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vornel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::tm fixed_clock() {
    std::tm t{};
    t.tm_year = 2015 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 9;
    t.tm_hour = 7;
    t.tm_min = 5;
    t.tm_sec = 3;
    return t;
}

std::string read_text(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream buf;
    buf << in.rdbuf();
    return buf.str();
}

void write_text(const std::filesystem::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << text;
}

DeckRun run_deck_file(const std::filesystem::path& deck, const std::filesystem::path& out_dir) {
    RunRequest r;
    r.version = "2015.5.7";
    r.input = deck;
    const std::filesystem::path base = out_dir / deck.filename();
    r.report = std::filesystem::path(base).replace_extension(".vn5o");
    r.plot = std::filesystem::path(base).replace_extension(".vn5p");
    r.monitor = std::filesystem::path(base).replace_extension(".vn5r");
    r.scratch_dir = out_dir;
    r.clock = fixed_clock;
    DeckRun run;
    run.state = run_analysis(r);
    run.report = read_text(r.report);
    run.plot = read_text(r.plot);
    run.monitor = read_text(r.monitor);
    return run;
}

DeckRun run_deck_text(const std::string& deck) {
    TempDir dir;
    write_text(dir.path() / "deck.vn5d", deck);
    return run_deck_file(dir.path() / "deck.vn5d", dir.path());
}

EngineState state_with_report(std::ostringstream& report) {
    EngineState s;
    s.report = &report;
    return s;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace vornel::test
