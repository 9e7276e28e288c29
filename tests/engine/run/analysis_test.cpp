#include "engine/run/analysis.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "engine/run/entry.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> example_decks() {
    std::vector<fs::path> decks;
    for (const auto& e : fs::directory_iterator(test::source_dir() / "examples"))
        if (e.path().extension() == ".vn5d") decks.push_back(e.path());
    std::sort(decks.begin(), decks.end());
    return decks;
}

// The request a file run of `deck` into `out` makes, for the file-free call to show the
// same names in its report header.
RunRequest request_for(const fs::path& deck, const fs::path& out) {
    RunRequest r;
    r.version = "2015.5.7";
    r.input = deck;
    r.report = (out / deck.filename()).replace_extension(".vn5o");
    r.plot = (out / deck.filename()).replace_extension(".vn5p");
    r.monitor = (out / deck.filename()).replace_extension(".vn5r");
    r.clock = test::fixed_clock;
    return r;
}

Analysis analyse_file(const fs::path& deck, const fs::path& out) {
    return analyse_deck(request_for(deck, out), test::read_text(deck), {true, true, true});
}

// Bitwise equality of every number of two runs' problems.
void expect_same_numbers(const std::vector<ProblemSummary>& a,
                         const std::vector<ProblemSummary>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].stations.size(), b[i].stations.size());
        EXPECT_EQ(0, std::memcmp(a[i].stations.data(), b[i].stations.data(),
                                 a[i].stations.size() * sizeof(StationResult)));
        ASSERT_EQ(a[i].pressure.size(), b[i].pressure.size());
        EXPECT_EQ(0, std::memcmp(a[i].pressure.data(), b[i].pressure.data(),
                                 a[i].pressure.size() * sizeof(PressurePoint)));
        EXPECT_EQ(a[i].outcome.iterations, b[i].outcome.iterations);
        EXPECT_EQ(a[i].warnings, b[i].warnings);
        EXPECT_EQ(a[i].max_moment, b[i].max_moment);
    }
}

TEST(Analysis, SameOutputsAsTheFileRunOfEveryExample) {
    for (const fs::path& deck : example_decks()) {
        SCOPED_TRACE(deck.filename().string());
        test::TempDir out;
        const test::DeckRun files = test::run_deck_file(deck, out.path());
        const Analysis memory = analyse_file(deck, out.path());
        // Even with a scratch folder named, the file-free call writes nothing.
        test::TempDir none;
        RunRequest r = request_for(deck, out.path());
        r.scratch_dir = none.path();
        analyse_deck(r, test::read_text(deck));
        EXPECT_TRUE(fs::is_empty(none.path()));
        EXPECT_EQ(memory.report, files.report);
        EXPECT_EQ(memory.plot, files.plot);
        EXPECT_EQ(memory.monitor, files.monitor);
        EXPECT_EQ(memory.error_stop, files.state.error_stop);
        expect_same_numbers(memory.problems, files.state.summaries);
    }
}

TEST(Analysis, EightThreadsGiveTheResultsOfOne) {
    const std::vector<fs::path> decks = example_decks();
    ASSERT_GE(decks.size(), 8u);
    std::vector<Analysis> alone;
    for (std::size_t t = 0; t < 8; ++t) alone.push_back(analyse_file(decks[t], "out"));
    std::vector<std::vector<Analysis>> together(8);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < 8; ++t)
        threads.emplace_back([&, t] {
            for (int k = 0; k < 20; ++k) together[t].push_back(analyse_file(decks[t], "out"));
        });
    for (std::thread& th : threads) th.join();
    for (std::size_t t = 0; t < 8; ++t) {
        SCOPED_TRACE(decks[t].filename().string());
        for (const Analysis& a : together[t]) {
            EXPECT_EQ(a.report, alone[t].report);
            EXPECT_EQ(a.plot, alone[t].plot);
            EXPECT_EQ(a.monitor, alone[t].monitor);
            expect_same_numbers(a.problems, alone[t].problems);
        }
    }
}

TEST(Analysis, ErrorStopCarriesTheReportLine) {
    // Restraint stations must not decrease: 10 before 5.
    const std::string deck =
        "BAD ORDER\r\n1 2\t1\t0\t0\t0 0 1 0 0\r\n10 12\t100\t1E-5\t0\t12\r\n"
        "1\t10\t0\t0\r\n2\t5\t0\t0\r\n0\t10\t1\t1E9\r\n1\r\n1\t0\t0\t1000\t0\t0\r\n0\r\n0\r\n";
    RunRequest r;
    r.version = "2015.5.7";
    r.input = "deck.vn5d";
    const Analysis a = analyse_deck(r, deck);
    EXPECT_TRUE(a.error_stop);
    EXPECT_EQ(a.stop_message, "ERROR STOP -- STATIONS NOT IN ORDER");
    // Not asked for, but kept after a stop for the message to be read in its place.
    EXPECT_NE(a.report.find("\n\n     ERROR STOP -- STATIONS NOT IN ORDER\n"), std::string::npos);
    EXPECT_TRUE(a.problems.empty());
}

}  // namespace
}  // namespace vornel
