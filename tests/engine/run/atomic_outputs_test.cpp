// Outputs are whole or untouched: two runs writing the same outputs at once, in threads of
// one process and as two vornel-run processes, leave each output equal to one run's; an output
// that cannot be written keeps its older text and the entry point says so with status 2.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "engine/run/entry.h"
#include "tests/engine/support/golden.h"
#include "tests/engine/support/test_support.h"

extern char** environ;

namespace vornel {
namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 3> kOutputs = {".vn5o", ".vn5p", ".vn5r"};

// Two different decks, both named wall.vn5d (in folders a and b), so that their outputs in
// one folder share their names.
struct TwoDecks {
    TwoDecks() {
        for (const auto& [name, folder] :
             {std::pair{"two_stage", "a"}, std::pair{"cantilever_user_py", "b"}}) {
            fs::create_directory(dir.path() / folder);
            decks.push_back(dir.path() / folder / "wall.vn5d");
            fs::copy_file(test::source_dir() / "examples" / (std::string(name) + ".vn5d"),
                          decks.back());
        }
        fs::create_directory(out);
    }
    test::TempDir dir;
    fs::path out = dir.path() / "out";
    std::vector<fs::path> decks;
};

std::array<std::string, 3> outputs_in(const fs::path& out, bool mask = false) {
    std::array<std::string, 3> texts;
    for (std::size_t k = 0; k < kOutputs.size(); ++k) {
        texts[k] = test::read_text(out / (std::string("wall") + kOutputs[k]));
        if (mask) texts[k] = test::mask_volatile(texts[k]);
    }
    return texts;
}

// Each output equals the one of the first deck's run or of the second's, entirely.
void expect_whole(const std::array<std::string, 3>& got,
                  const std::array<std::array<std::string, 3>, 2>& runs, int round) {
    for (std::size_t k = 0; k < kOutputs.size(); ++k) {
        EXPECT_TRUE(got[k] == runs[0][k] || got[k] == runs[1][k])
            << "round " << round << ": wall" << kOutputs[k] << " is neither run's";
    }
}

RunRequest request_for(const fs::path& deck, const fs::path& out) {
    RunRequest r;
    r.version = "2015.5.7";
    r.input = deck;
    r.report = out / "wall.vn5o";
    r.plot = out / "wall.vn5p";
    r.monitor = out / "wall.vn5r";
    r.clock = test::fixed_clock;
    return r;
}

// The second run starts later and later into the first, so that the two meet at every stage
// of writing: early, in the middle, while the first closes its files.
TEST(AtomicOutputs, TwoRunsInThreadsNeverMixAnOutput) {
    using Clock = std::chrono::steady_clock;
    const TwoDecks d;
    std::array<std::array<std::string, 3>, 2> runs;
    Clock::duration longest{};
    for (std::size_t k = 0; k < 2; ++k) {
        const Clock::time_point start = Clock::now();
        ASSERT_FALSE(run_analysis(request_for(d.decks[k], d.out)).output_failed);
        longest = std::max(longest, Clock::now() - start);
        runs[k] = outputs_in(d.out);
    }
    ASSERT_NE(runs[0][0], runs[1][0]);
    constexpr int kRounds = 120;
    for (int round = 0; round < kRounds; ++round) {
        const std::size_t first = round % 2;
        const Clock::duration delay = longest * (round / 2) / (kRounds / 2);
        std::vector<std::thread> threads;
        threads.emplace_back([&] { run_analysis(request_for(d.decks[first], d.out)); });
        threads.emplace_back([&] {
            for (const Clock::time_point at = Clock::now() + delay; Clock::now() < at;) {
            }
            run_analysis(request_for(d.decks[1 - first], d.out));
        });
        for (std::thread& t : threads) t.join();
        expect_whole(outputs_in(d.out), runs, round);
    }
}

// Runs vornel-run on `deck` with its outputs in `out`; returns the process.
pid_t start_runner(const fs::path& deck, const fs::path& out) {
    const std::string runner = std::string(VORNEL_BINARY_DIR) + "/bin/vornel-run";
    std::vector<std::string> args = {runner, "--out", out.string(), deck.string()};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, runner.c_str(), &quiet, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&quiet);
    return pid;
}

int wait_for(pid_t pid) {
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status)
                                                                             : -1;
}

TEST(AtomicOutputs, TwoRunnerProcessesNeverMixAnOutput) {
    if (!fs::exists(std::string(VORNEL_BINARY_DIR) + "/bin/vornel-run")) {
        GTEST_SKIP() << "vornel-run is not built";
    }
    const TwoDecks d;
    std::array<std::array<std::string, 3>, 2> runs;
    for (std::size_t k = 0; k < 2; ++k) {
        ASSERT_EQ(wait_for(start_runner(d.decks[k], d.out)), 0);
        runs[k] = outputs_in(d.out, true);
    }
    for (int round = 0; round < 12; ++round) {
        const pid_t first = start_runner(d.decks[0], d.out);
        const pid_t second = start_runner(d.decks[1], d.out);
        EXPECT_EQ(wait_for(first), 0);
        EXPECT_EQ(wait_for(second), 0);
        expect_whole(outputs_in(d.out, true), runs, round);
    }
}

// The entry point through NAMES.dat: 0 when every output was written, 2 when one could not
// be, which then keeps the text it held; the others are written all the same.
TEST(AtomicOutputs, AnOutputNotWrittenKeepsItsTextAndGivesStatusTwo) {
    test::TempDir dir;
    const fs::path base = dir.path() / "wall";
    fs::copy_file(test::source_dir() / "examples" / "cantilever_user_py.vn5d",
                  base.string() + ".vn5d");
    std::string names = "2015.5.7\n";
    for (const char* ext : {".vn5d", ".vn5o", ".vn5p", ".vn5r"})
        names += base.string() + ext + "\n";
    test::write_text(dir.path() / "NAMES.dat", names);
    ASSERT_EQ(enter_in(dir.path(), 7, {}), 0);
    const std::array<std::string, 3> written = outputs_in(dir.path());
    const auto older = [&] {
        for (const char* ext : kOutputs)
            test::write_text(base.string() + ext, std::string("older ") + ext);
    };

    // A file system that takes no more than 4 KB of a file (as a full disk would): the report
    // and the plot file fail, the short monitor file is written.
    older();
    const auto handler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit full{4096, limit.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    const int status = enter_in(dir.path(), 7, {});
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, handler);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(outputs_in(dir.path()),
              (std::array<std::string, 3>{"older .vn5o", "older .vn5p", written[2]}));

    // A read-only report is refused before anything is written.
    older();
    fs::permissions(base.string() + ".vn5o", fs::perms(0444));
    EXPECT_EQ(enter_in(dir.path(), 7, {}), 2);
    EXPECT_EQ(outputs_in(dir.path()),
              (std::array<std::string, 3>{"older .vn5o", "older .vn5p", "older .vn5r"}));
    fs::permissions(base.string() + ".vn5o", fs::perms(0644));
    EXPECT_EQ(enter_in(dir.path(), 7, {}), 0);
    EXPECT_EQ(outputs_in(dir.path()), written);
}

}  // namespace
}  // namespace vornel
