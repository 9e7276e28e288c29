// Malformed decks: every read error and every count or station outside the storage ends
// the run in order (message, closing line, whole plot blocks), never the process.
#include <sstream>

#include <gtest/gtest.h>

#include "engine/base/free_format_reader.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

// Reads a plot file as the viewer does (a stream of tokens) and returns the number of whole
// blocks, or -1 when it runs off the end, meets a token of the wrong kind, finds a block
// count that differs from the blocks present, or has tokens left over.
int whole_plot_blocks(const std::string& plot) {
    std::istringstream in(plot);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;) tokens.push_back(t);
    std::size_t i = 0;
    bool bad = false;
    auto real = [&]() {
        double v = 0.0;
        if (i >= tokens.size() || !parse_real(tokens[i++], v)) bad = true;
        return v;
    };
    auto integer = [&]() {
        const double v = real();
        if (v != static_cast<long long>(v) || v < 0) bad = true;
        return static_cast<long long>(v);
    };
    int blocks = 0;
    long long announced = -1;
    while (i < tokens.size() && !bad) {
        for (long long n = integer(), k = 0; k < 4 * n && !bad; ++k) real();
        integer();
        for (long long curves = integer(), c = 0; c < curves && !bad; ++c) {
            real();
            for (long long n = integer(), k = 0; k < 2 * n && !bad; ++k) real();
        }
        const long long nres = integer();
        if (announced >= 0 && nres != announced) bad = true;
        announced = nres;
        const long long nodes = integer();
        integer();
        for (long long k = 0; k < 5 * nodes && !bad; ++k) real();
        ++blocks;
    }
    if (bad || announced != blocks) return -1;
    return blocks;
}

bool ends_in_order(const test::DeckRun& run) {
    const std::string closing = "\n\n\n\n     END OF ANALYSIS                             \n";
    return run.report.size() > closing.size() &&
           run.report.compare(run.report.size() - closing.size(), closing.size(), closing) == 0;
}

std::vector<std::string> deck_lines(const char* name) {
    std::vector<std::string> lines;
    for (std::string l : test::lines_of(test::read_text(test::source_dir() / "examples" / name))) {
        lines.push_back(l + "\n");
    }
    return lines;
}

TEST(MalformedDeck, PlotReaderChecksWholeBlocks) {
    EXPECT_EQ(whole_plot_blocks(" 0\n 1 0\n 1 0 1\n"), 1);
    EXPECT_EQ(whole_plot_blocks(" 0\n 1 0\n 2 0 1\n"), -1);            // announces a second block
    EXPECT_EQ(whole_plot_blocks(" 0\n 1 0\n 1 1 1\n 1 2 3 4\n"), -1);  // a node record short
}

// A deck cut after any of its lines ends with a message naming the record, the closing
// line and a plot file of whole blocks.
TEST(MalformedDeck, EveryTruncationEndsInOrder) {
    for (const char* name :
         {"cantilever_user_py.vn5d", "anchored_tieback.vn5d", "two_stage.vn5d"}) {
        const std::vector<std::string> lines = deck_lines(name);
        std::string deck;
        for (std::size_t n = 0; n + 1 < lines.size(); ++n) {
            deck += lines[n];
            const test::DeckRun run = test::run_deck_text(deck);
            ASSERT_TRUE(run.state.error_stop) << name << " cut after line " << n + 1;
            EXPECT_NE(run.report.find("     ERROR STOP -- END OF FILE IN "), std::string::npos)
                << name << " cut after line " << n + 1;
            EXPECT_TRUE(ends_in_order(run)) << name << " cut after line " << n + 1;
            EXPECT_GE(whole_plot_blocks(run.plot), 1) << name << " cut after line " << n + 1;
        }
    }
}

// A value that is not a number in any line after the title stops the run at that line.
TEST(MalformedDeck, EveryGarbledLineEndsInOrder) {
    const std::vector<std::string> lines = deck_lines("two_stage.vn5d");
    for (std::size_t n = 1; n < lines.size(); ++n) {
        if (lines[n].find("Stage No") != std::string::npos) continue;  // a title
        std::string deck;
        for (std::size_t k = 0; k < lines.size(); ++k)
            deck += k == n ? "1.2.3 " + lines[k] : lines[k];
        const test::DeckRun run = test::run_deck_text(deck);
        ASSERT_TRUE(run.state.error_stop) << "line " << n + 1;
        EXPECT_NE(run.report.find("MALFORMED"), std::string::npos) << "line " << n + 1;
        EXPECT_NE(run.report.find(", LINE " + std::to_string(n + 1) + "\n"), std::string::npos)
            << "line " << n + 1;
        EXPECT_TRUE(ends_in_order(run)) << "line " << n + 1;
        EXPECT_GE(whole_plot_blocks(run.plot), 1) << "line " << n + 1;
    }
}

// Counts and stations outside what the tables hold, each with its message.
TEST(MalformedDeck, StorageLimits) {
    const std::string head = "LIMITS\r\n";
    const std::string wall = "20 6\t10\t1E-5\t0\t12\r\n";
    const std::string stiff = "0\t20\t1\t1E9\r\n";
    struct Case {
        std::string deck;
        std::string message;
    } cases[] = {
        {head + "1 0\t1\t0\t0\t0 0 1 0 0\r\n500 6\t10\t1E-5\t0\t12\r\n",
         "     ERROR STOP -- NUMBER OF INCREMENTS 500 OUTSIDE 1..407 IN WALL PROPERTIES, LINE 3"},
        {head + "1 21\t1\t0\t0\t0 0 1 0 0\r\n" + wall, "     TOO MUCH DATA FOR AVAILABLE STORAGE"},
        {head + "1 0\t1\t0\t0\t1 64 1 0 0\r\n" + wall + stiff + "0\r\n0\r\n",
         "     TOO MUCH DATA FOR AVAILABLE STORAGE"},
        {head + "1 0\t1\t0\t0\t1 2 1 0 0\r\n" + wall + stiff + "0\r\n0\r\n12\t40\t1\t1\r\n",
         "     ERROR STOP -- NUMBER OF POINTS 40 OUTSIDE 2..34 IN P-Y CURVE 1, LINE 7"},
        {head + "1 0\t1\t0\t0\t0 0 1 21 0\r\n" + wall + stiff + "0\r\n0\r\n",
         "     ERROR STOP -- NUMBER OF MOMENT-EI SETS 21 OUTSIDE 0..20 IN CONTROL LINE"},
        {head + "1 0\t1\t0\t0\t0 0 1 1 0\r\n" + wall + stiff + "0\r\n0\r\n0\t20\t101\r\n",
         "     ERROR STOP -- NUMBER OF POINTS 101 OUTSIDE 1..100 IN MOMENT-EI SET 1, LINE 7"},
        {head + "1 0\t1\t0\t0\t0 0 1 0 0\r\n" + wall + "0\t30\t1\t1E9\r\n",
         "     ERROR STOP -- STATION 30 OUTSIDE -3..23 IN STIFFNESS ROW 1, LINE 4"},
        {head + "1 0\t1\t0\t0\t0 0 1 0 1\r\n" + wall + stiff +
             "0\r\n0\r\n900\t1\t2E7\t10\t0\t8\r\n",
         "     ERROR STOP -- STATION 1800 OUTSIDE -3..23 IN TIEBACK ROW 1, LINE 7"},
        {head + "1 0\t1\t0\t0\t0 0 1 0 0\r\n" + wall + "0\t22\t1\t1E9\r\n0\r\n0\r\n0\r\n",
         "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        {head + "1 0\t1\t0\t0\t0 0 1 0 0\r\n" + wall + stiff + "-2\r\n",
         "     ERROR STOP -- COUNT -2 IS NEGATIVE IN CONCENTRATED-LOAD COUNT, LINE 5"},
    };
    for (const Case& c : cases) {
        const test::DeckRun run = test::run_deck_text(c.deck);
        EXPECT_TRUE(run.state.error_stop) << c.message;
        EXPECT_NE(run.report.find("\n\n" + c.message + "\n"), std::string::npos) << c.message;
        EXPECT_TRUE(ends_in_order(run)) << c.message;
        EXPECT_EQ(run.plot, " 0\n 1 0\n 1 0 1\n") << c.message;
    }
}

TEST(MalformedDeck, EmptyAndBinaryFiles) {
    for (const std::string& deck :
         {std::string(), std::string("\0\1\2\3", 4), std::string("\r\n\r\n")}) {
        const test::DeckRun run = test::run_deck_text(deck);
        EXPECT_TRUE(run.state.error_stop);
        EXPECT_TRUE(ends_in_order(run));
        EXPECT_EQ(whole_plot_blocks(run.plot), 1);
    }
}

}  // namespace
}  // namespace vornel
