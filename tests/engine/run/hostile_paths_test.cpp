// The file names of NAMES.dat, however hostile: the deck is never an output, outputs are only
// regular files, a pipe never blocks the host.
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "engine/run/entry.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

namespace fs = std::filesystem;

const fs::path kExample = test::source_dir() / "examples" / "cantilever_user_py.vn5d";

RunRequest request_in(const fs::path& dir, const fs::path& deck) {
    RunRequest r;
    r.version = "test";
    r.input = deck;
    r.report = dir / "wall.vn5o";
    r.plot = dir / "wall.vn5p";
    r.monitor = dir / "wall.vn5r";
    r.clock = test::fixed_clock;
    return r;
}

// An output path equal to the data file, directly or through a link: nothing is written and
// the deck keeps its content.
TEST(HostilePaths, OutputThatIsTheInputIsRefused) {
    const test::TempDir dir;
    const fs::path deck = dir.path() / "wall.vn5d";
    fs::copy_file(kExample, deck);
    const std::string before = test::read_text(deck);
    RunRequest same = request_in(dir.path(), deck);
    same.report = deck;
    EngineState s = run_analysis(same);
    EXPECT_TRUE(s.output_failed);
    EXPECT_EQ(s.stop_reason, "an output file is the input data file " + deck.string());
    fs::create_symlink(deck, dir.path() / "link.vn5p");
    RunRequest linked = request_in(dir.path(), deck);
    linked.plot = dir.path() / "link.vn5p";
    s = run_analysis(linked);
    EXPECT_TRUE(s.output_failed);
    EXPECT_EQ(test::read_text(deck), before);
    EXPECT_FALSE(fs::exists(dir.path() / "wall.vn5o"));
}

// A pipe as the deck or as an output, a folder as an output: the run ends at once, in order.
TEST(HostilePaths, PipesAndFoldersNeverBlockNorGetReplaced) {
    const test::TempDir dir;
    const fs::path pipe = dir.path() / "pipe.vn5d";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EngineState s = run_analysis(request_in(dir.path(), pipe));
    EXPECT_TRUE(s.input_unreadable);
    const fs::path deck = dir.path() / "wall.vn5d";
    fs::copy_file(kExample, deck);
    RunRequest to_pipe = request_in(dir.path(), deck);
    to_pipe.report = dir.path() / "out.pipe";
    ASSERT_EQ(::mkfifo(to_pipe.report.c_str(), 0600), 0);
    s = run_analysis(to_pipe);
    EXPECT_TRUE(s.output_failed);
    EXPECT_TRUE(fs::is_fifo(to_pipe.report));
    RunRequest to_folder = request_in(dir.path(), deck);
    fs::create_directory(dir.path() / "folder.vn5p");
    to_folder.plot = dir.path() / "folder.vn5p";
    s = run_analysis(to_folder);
    EXPECT_TRUE(s.output_failed);
    EXPECT_TRUE(fs::is_directory(to_folder.plot));
}

}  // namespace
}  // namespace vornel
