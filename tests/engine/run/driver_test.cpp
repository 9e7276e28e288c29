#include "engine/run/driver.h"

#include <gtest/gtest.h>

#include "engine/run/entry.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

using test::run_deck_text;

// A cantilever of 10 increments fixed at its toe, loaded at its top.
std::string problem(const std::string& title, int stages, int continuation, int restraints = 2) {
    std::string d = title + "\r\n";
    d +=
        "1 " + std::to_string(restraints) + "\t1\t0\t0\t0 0 " + std::to_string(stages) + " 0 0\r\n";
    d += "10 12\t100\t1E-5\t0\t12\r\n";
    for (int k = 0; k < restraints; ++k) d += (k % 2 ? "2\t10\t0\t0\r\n" : "1\t10\t0\t0\r\n");
    d += "0\t10\t1\t1E9\r\n1\r\n1\t0\t0\t1000\t0\t0\r\n0\r\n";
    return d + std::to_string(continuation) + "\r\n";
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

std::string padded(std::string s, std::size_t n) {
    s.resize(n, ' ');
    return s;
}

// The results headers of a plot file: the lines of three integers.
std::vector<std::string> results_headers(const std::string& plot) {
    std::vector<std::string> out;
    for (const std::string& l : test::lines_of(plot)) {
        if (count(l, " ") == 3 && l.find('.') == std::string::npos && l.size() < 16)
            out.push_back(l);
    }
    return out;
}

TEST(Driver, SingleProblem) {
    const test::DeckRun run = run_deck_text(problem("ONE WALL", 1, 0));
    EXPECT_FALSE(run.state.error_stop);
    EXPECT_EQ(count(run.report, "VORNEL for Windows, Version 2015.5.7    \n"), 1u);
    EXPECT_EQ(count(run.report, "\n\n\n\n     END OF ANALYSIS                             \n"), 1u);
    EXPECT_EQ(count(run.report, "\n      " + padded("ONE WALL", 70) + "\n"), 2u);
    EXPECT_EQ(results_headers(run.plot), (std::vector<std::string>{" 1 12 1"}));
    EXPECT_EQ(run.plot.substr(0, 8), " 0\n 1 0\n");
    EXPECT_EQ(count(run.monitor, "     ITERATION MONITOR DATA\n"), 1u);
}

TEST(Driver, ShortTermThenLongTerm) {
    const test::DeckRun run =
        run_deck_text(problem("SHORT AND LONG", 1, 9) + problem("SHORT AND LONG", 1, 0));
    EXPECT_FALSE(run.state.error_stop);
    EXPECT_EQ(count(run.report, "\n      Long Term :  " + padded("SHORT AND LONG", 70) + "\n"), 2u);
    // The second header follows two empty lines after the first problem's results.
    EXPECT_EQ(count(run.report, "\n\n\n     ===="), 1u);
    EXPECT_EQ(results_headers(run.plot), (std::vector<std::string>{" 2 12 1", " 2 12 1"}));
    EXPECT_EQ(count(run.monitor, "     ITERATION MONITOR DATA\n"), 2u);
}

TEST(Driver, ThreeStages) {
    const test::DeckRun run =
        run_deck_text(problem("STAGED WALL", 3, 1) + problem(" Stage No : 2", 3, 2) +
                      problem(" Stage No : 3", 3, 3));
    EXPECT_FALSE(run.state.error_stop);
    for (int k = 1; k <= 3; ++k) {
        const std::string heading =
            "\n      Stage No : " + std::to_string(k) + "  " + padded("STAGED WALL", 70) + "\n";
        EXPECT_EQ(count(run.report, heading), 2u) << k;
    }
    EXPECT_EQ(results_headers(run.plot),
              (std::vector<std::string>{" 3 12 1", " 3 12 1", " 3 12 1"}));
    EXPECT_EQ(count(run.report, "END OF ANALYSIS"), 1u);
}

// An error in the second of three stages: two whole blocks, each header counting two, the
// second carrying the rows computed last.
TEST(Driver, ErrorStopInAStageKeepsWholeBlocks) {
    const test::DeckRun run =
        run_deck_text(problem("STAGED WALL", 3, 1) + problem(" Stage No : 2", 3, 2, 21));
    EXPECT_TRUE(run.state.error_stop);
    EXPECT_EQ(results_headers(run.plot), (std::vector<std::string>{" 2 12 1", " 2 12 1"}));
    const std::vector<std::string> lines = test::lines_of(run.plot);
    ASSERT_EQ(lines.size(), 2u * (3u + 12u));
    EXPECT_EQ(lines[15], " 0");
    EXPECT_EQ(lines[16], " 1 0");
    EXPECT_EQ(lines[18], lines[3]);  // the rows of stage 1, computed last
}

// The plot file takes each block as it closes; an error stop later sets the counts in the
// blocks already written, also over an older, longer plot file of the same name.
TEST(Driver, ErrorStopOverAnOlderPlotFileSetsEveryCount) {
    const test::DeckRun fresh =
        run_deck_text(problem("STAGED WALL", 3, 1) + problem(" Stage No : 2", 3, 2, 21));
    test::TempDir dir;
    const std::filesystem::path deck = dir.path() / "deck.vn5d";
    test::write_text(deck, problem("STAGED WALL", 3, 1) + problem(" Stage No : 2", 3, 1) +
                               problem(" Stage No : 3", 3, 2));
    const test::DeckRun longer = test::run_deck_file(deck, dir.path());
    ASSERT_EQ(results_headers(longer.plot).size(), 3u);
    test::write_text(deck, problem("STAGED WALL", 3, 1) + problem(" Stage No : 2", 3, 2, 21));
    const test::DeckRun over = test::run_deck_file(deck, dir.path());
    EXPECT_TRUE(over.state.error_stop);
    EXPECT_EQ(over.plot, fresh.plot);
    // The report names its folder, which differs; it holds no tail of the longer one.
    EXPECT_EQ(over.report.size(), fresh.report.size());
}

TEST(Driver, MissingContinuationCodeStillWritesTheResults) {
    std::string deck = problem("NO END", 1, 0);
    deck.resize(deck.size() - 3);  // drop the continuation code
    const test::DeckRun run = run_deck_text(deck);
    EXPECT_TRUE(run.state.error_stop);
    EXPECT_NE(run.report.find("     ERROR STOP -- END OF FILE IN CONTINUATION CODE, LINE 9\n"),
              std::string::npos);
    EXPECT_EQ(results_headers(run.plot), (std::vector<std::string>{" 1 12 1"}));
    EXPECT_EQ(run.state.summaries.size(), 1u);
}

TEST(Entry, WrongInterfaceCodeTouchesNoFile) {
    test::TempDir dir;
    test::write_text(dir.path() / "NAMES.dat", "2015.5.7\nA.vn5d\nA.vn5o\nA.vn5p\nA.vn5r\n");
    for (int code : {6, 8}) EXPECT_EQ(enter_in(dir.path(), code, {}), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    EXPECT_EQ(enter(6), 1);
}

// NAMES.dat written on Windows: carriage returns and trailing blanks are not part of a name.
TEST(Entry, NamesFileWithWindowsLineEnds) {
    test::TempDir dir;
    const std::string base = (dir.path() / "wall").string();
    test::write_text(dir.path() / "wall.vn5d", problem("ENTRY", 1, 0));
    test::write_text(dir.path() / "NAMES.dat", "2015.5.7\r\n" + base + ".vn5d  \r\n" + base +
                                                   ".vn5o\r\n" + base + ".vn5p\r\n" + base +
                                                   ".vn5r \r\n");
    EXPECT_EQ(enter_in(dir.path(), 7, {}), 0);
    for (const char* ext : {".vn5o", ".vn5p", ".vn5r"}) {
        EXPECT_TRUE(std::filesystem::exists(base + ext)) << ext;
    }
    EXPECT_NE(test::read_text(base + ".vn5o").find("Name of input data file     : wall.vn5d\n"),
              std::string::npos);
}

TEST(Entry, IncompleteNamesFileEndsTheCallWithoutReading) {
    test::TempDir dir;
    test::write_text(dir.path() / "NAMES.dat", "2015.5.7\r\nA.vn5d\r\nA.vn5o\r\n");
    std::vector<std::string> messages;
    EXPECT_EQ(enter_in(dir.path(), 7, [&](const std::string& m) { messages.push_back(m); }), 0);
    EXPECT_EQ(messages, (std::vector<std::string>{" PLEASE CREATE AN INPUT DATA FILE AND SAVE IT",
                                                  " BEFORE COMPUTATION.  TRY IT AGAIN!"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(Entry, UnreadableInputIsReportedInOrder) {
    test::TempDir dir;
    RunRequest r;
    r.version = "2015.5.7";
    r.input = dir.path() / "missing.vn5d";
    r.report = dir.path() / "missing.vn5o";
    r.plot = dir.path() / "missing.vn5p";
    r.monitor = dir.path() / "missing.vn5r";
    r.clock = test::fixed_clock;
    const EngineState s = run_analysis(r);
    EXPECT_TRUE(s.input_unreadable);
    EXPECT_EQ(test::read_text(r.report),
              "\n\n     ERROR STOP -- CANNOT OPEN THE INPUT DATA FILE missing.vn5d\n"
              "\n\n\n     END OF ANALYSIS                             \n");
    EXPECT_EQ(test::read_text(r.plot), " 0\n 0 0\n 1 0 0\n");
}

}  // namespace
}  // namespace vornel
