// The scratch files after a run: written by the run from what the soil routines handed over,
// into the working folder for runs through NAMES.dat, with the deck's name in front where a
// prefix is asked for, and never needed by the analysis itself.
#include "engine/run/scratch_files.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/run/entry.h"
#include "engine/soil/scratch_text.h"
#include "tests/engine/support/golden.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

std::filesystem::path example(const char* name) {
    return test::source_dir() / "examples" / name;
}

RunRequest request_for(const std::filesystem::path& deck, const std::filesystem::path& out) {
    RunRequest r;
    r.version = "2015.5.7";
    r.input = deck;
    r.report = out / deck.filename().replace_extension(".vn5o");
    r.plot = out / deck.filename().replace_extension(".vn5p");
    r.monitor = out / deck.filename().replace_extension(".vn5r");
    r.clock = test::fixed_clock;
    return r;
}

// Through NAMES.dat both files land in the working folder, the staged deck leaving those of
// its last stage, which are what the soil routines handed over for it.
TEST(ScratchFiles, ThroughNamesDatInTheWorkingFolder) {
    const test::TempDir dir;
    const std::filesystem::path deck = example("anchored_three_stage.vn5d");
    test::write_text(dir.path() / "NAMES.dat", "2015.5.7\n" + deck.string() + "\n" +
                                                   (dir.path() / "A.vn5o").string() + "\n" +
                                                   (dir.path() / "A.vn5p").string() + "\n" +
                                                   (dir.path() / "A.vn5r").string() + "\n");
    ASSERT_EQ(enter_in(dir.path(), 7, {}), 0);
    const std::string bmwall = test::read_text(dir.path() / kPressureScratchName);
    const std::string soildata = test::read_text(dir.path() / kCurveScratchName);

    const EngineState s = run_analysis(request_for(deck, dir.path()));
    EXPECT_EQ(bmwall, soil::bmwall_text(s.handover.pressure));
    EXPECT_EQ(soildata, soil::soildata_text(s));
    EXPECT_EQ(bmwall.substr(0, 5), " 482\n");     // the last stage's table
    EXPECT_EQ(soildata.substr(0, 6), "   10\n");  // the last stage's records
    EXPECT_EQ(test::lines_of(soildata).size(), 1u + 10u * 35u);
}

// With a prefix every deck has its own files, so decks run side by side never share them;
// without a folder nothing is written, and the outputs are the same either way.
TEST(ScratchFiles, PerDeckNamesAndNoneWithoutAFolder) {
    const test::TempDir dir;
    RunRequest with = request_for(example("cantilever_layered.vn5d"), dir.path() / "with");
    std::filesystem::create_directories(dir.path() / "with");
    with.scratch_dir = dir.path() / "with";
    with.scratch_prefix = "cantilever_layered.";
    run_analysis(with);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "with/cantilever_layered.BMWALL.001"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "with/cantilever_layered.SOILDATA"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "with/BMWALL.001"));

    RunRequest without = request_for(example("cantilever_layered.vn5d"), dir.path() / "without");
    std::filesystem::create_directories(dir.path() / "without");
    run_analysis(without);
    EXPECT_EQ(std::vector<std::filesystem::path>(
                  std::filesystem::directory_iterator(dir.path() / "without"), {})
                  .size(),
              3u);
    EXPECT_EQ(test::read_text(without.report), test::read_text(with.report));
    EXPECT_EQ(test::read_text(without.plot), test::read_text(with.plot));
}

// A scratch file that cannot be written changes nothing of the analysis: one console
// message, the same report.
TEST(ScratchFiles, UnwritableFolderIsAMessageNotAStop) {
    const test::TempDir dir;
    RunRequest r = request_for(example("cantilever_layered.vn5d"), dir.path());
    r.scratch_dir = dir.path() / "missing";
    std::vector<std::string> messages;
    r.message_sink = [&](const std::string& m) { messages.push_back(m); };
    r.progress_sink = r.message_sink;
    const EngineState s = run_analysis(r);
    EXPECT_FALSE(s.error_stop);
    ASSERT_EQ(messages.size(), 3u);  // the generator's progress line, then one per file
    EXPECT_EQ(messages[0], " READ SOIL DATA....");
    EXPECT_EQ(messages[1],
              "cannot write the scratch file " + (r.scratch_dir / "BMWALL.001").string());
    EXPECT_EQ(messages[2],
              "cannot write the scratch file " + (r.scratch_dir / "SOILDATA").string());
    const test::GoldenResult g = test::compare_golden(
        test::read_text(r.report),
        test::source_dir() / "tests/engine/soil/golden/cantilever_layered.vn5o");
    EXPECT_TRUE(g.ok) << g.message;
}

}  // namespace
}  // namespace vornel
