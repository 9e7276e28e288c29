// The example decks against their golden outputs, and the comparator itself.
#include "tests/engine/support/golden.h"

#include <gtest/gtest.h>

#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

const char* const kExamples[] = {"cantilever_user_py", "anchored_tieback", "two_stage"};

std::filesystem::path golden_dir() {
    return test::source_dir() / "tests/engine/run/golden";
}

TEST(Golden, Examples) {
    for (const char* name : kExamples) {
        test::TempDir out;
        const std::filesystem::path deck =
            test::source_dir() / "examples" / (std::string(name) + ".vn5d");
        ASSERT_TRUE(std::filesystem::exists(deck)) << deck;
        const test::DeckRun run = test::run_deck_file(deck, out.path());
        EXPECT_FALSE(run.state.error_stop) << name << ": " << run.state.stop_reason;
        for (const auto& [text, ext] :
             {std::pair{&run.report, ".vn5o"}, std::pair{&run.plot, ".vn5p"},
              std::pair{&run.monitor, ".vn5r"}}) {
            const test::GoldenResult r =
                test::compare_golden(*text, golden_dir() / (std::string(name) + ext));
            EXPECT_TRUE(r.ok) << r.message;
        }
    }
}

// A deck whose lines end in carriage return alone, or in line feed alone, gives the outputs of
// the deck as the editor writes it.
TEST(Golden, EveryLineEndGivesTheSameOutputs) {
    for (const char* end : {"\r", "\n"}) {
        for (const char* name : kExamples) {
            test::TempDir dir;
            const std::filesystem::path deck = dir.path() / (std::string(name) + ".vn5d");
            std::string text;
            for (const std::string& line : test::lines_of(test::read_text(
                     test::source_dir() / "examples" / (std::string(name) + ".vn5d")))) {
                text +=
                    (line.empty() || line.back() != '\r' ? line : line.substr(0, line.size() - 1)) +
                    end;
            }
            test::write_text(deck, text);
            const test::DeckRun run = test::run_deck_file(deck, dir.path());
            EXPECT_FALSE(run.state.error_stop) << name << ": " << run.state.stop_reason;
            EXPECT_TRUE(test::compare_golden(run.report,
                                             golden_dir() / (std::string(name) + ".vn5o"), false)
                            .ok)
                << name;
            EXPECT_TRUE(
                test::compare_golden(run.plot, golden_dir() / (std::string(name) + ".vn5p"), false)
                    .ok)
                << name;
        }
    }
}

TEST(GoldenComparator, MasksDateAndFolder) {
    const std::string a =
        "     Path to file locations      : /tmp/a/\n               Date:  March 09, 2015     "
        "Time:  07:05:03\nX\n";
    const std::string b =
        "     Path to file locations      : C:/b/\n               Date:  May 01, 2016     Time:  "
        "11:00:00\nX\n";
    EXPECT_EQ(test::mask_volatile(a), test::mask_volatile(b));
    EXPECT_EQ(test::mask_volatile("no newline"), "no newline");
}

TEST(GoldenComparator, FailsOnADifferingLineOrCount) {
    test::TempDir dir;
    const std::filesystem::path golden = dir.path() / "x.vn5o";
    test::write_text(golden, "one\ntwo\n");
    EXPECT_TRUE(test::compare_golden("one\ntwo\n", golden, false).ok);
    EXPECT_FALSE(std::filesystem::exists(golden.string() + ".actual"));

    const test::GoldenResult changed = test::compare_golden("one\nTWO\n", golden, false);
    EXPECT_FALSE(changed.ok);
    EXPECT_NE(changed.message.find("x.vn5o line 2:\n  expected: \"two\"\n  actual:   \"TWO\""),
              std::string::npos);
    EXPECT_EQ(test::read_text(golden.string() + ".actual"), "one\nTWO\n");

    const test::GoldenResult longer = test::compare_golden("one\ntwo\nthree\n", golden, false);
    EXPECT_FALSE(longer.ok);
    EXPECT_NE(longer.message.find("3 lines, expected 2"), std::string::npos);
    EXPECT_FALSE(test::compare_golden("one\n", golden, false).ok);
    EXPECT_FALSE(test::compare_golden("x", dir.path() / "missing.vn5o", false).ok);
    // The switch rewrites the baseline instead of comparing.
    EXPECT_TRUE(test::compare_golden("new\n", golden, true).ok);
    EXPECT_EQ(test::read_text(golden), "new\n");
}

}  // namespace
}  // namespace vornel
