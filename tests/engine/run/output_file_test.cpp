// Output files written through a lent buffer: pieces of every size against the buffer, an
// older file replaced whole or kept, its mode and links, taking the text back, and the files
// it refuses.
#include "engine/run/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/base/free_format_reader.h"
#include "tests/engine/support/test_support.h"

namespace vornel {
namespace {

namespace fs = std::filesystem;

// Text of a given length whose characters tell their place, so that a piece written twice,
// lost or out of order shows.
std::string numbered(std::size_t n, char first = 'a') {
    std::string s(n, ' ');
    for (std::size_t k = 0; k < n; ++k) s[k] = static_cast<char>(first + k % 23);
    return s;
}

TEST(OutputFile, PiecesOfEverySizeAgainstTheBufferArriveInOrder) {
    const test::TempDir dir;
    const fs::path path = dir.path() / "out.txt";
    std::array<char, 64> buffer;
    std::string expected;
    {
        OutputFile file(path, buffer);
        ASSERT_TRUE(file.is_open());
        // Smaller than the room left, exactly filling it, larger than the buffer, one
        // character at a time, and a piece of exactly the buffer's size.
        for (std::size_t n : {10u, 54u, 200u, 1u, 1u, 63u, 64u, 0u, 130u, 5u}) {
            const std::string piece = numbered(n, static_cast<char>('a' + n % 7));
            file.stream() << piece;
            expected += piece;
        }
        file.stream().put('!');
        expected += '!';
        ASSERT_TRUE(file.finish());
    }
    EXPECT_EQ(test::read_text(path), expected);
}

TEST(OutputFile, WithoutABufferEveryPieceGoesStraightThrough) {
    const test::TempDir dir;
    const fs::path path = dir.path() / "out.txt";
    OutputFile file(path);
    file.stream() << "abc" << 'd' << numbered(5000);
    ASSERT_TRUE(file.finish());
    EXPECT_EQ(test::read_text(path), "abcd" + numbered(5000));
}

// The names in a folder, sorted.
std::vector<std::string> names_in(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ino_t inode_of(const fs::path& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0 ? st.st_ino : 0;
}

// The output changes only when a text is complete; the text it held becomes the spare, which
// the next writer fills and swaps in, so no file is created or left over from run to run.
TEST(OutputFile, AnOlderFileIsReplacedWholeOrNotAtAll) {
    const test::TempDir dir;
    const fs::path path = dir.path() / "out.txt", spare = dir.path() / ".out.txt.spare";
    std::array<char, 16> buffer;
    test::write_text(path, numbered(500, 'A'));
    ASSERT_TRUE(write_whole_file(path, "short"));
    EXPECT_EQ(test::read_text(path), "short");
    EXPECT_EQ(test::read_text(spare), numbered(500, 'A'));
    const ino_t first = inode_of(path), second = inode_of(spare);
    {
        OutputFile file(path, buffer);
        file.stream() << numbered(100);
        // Until it is finished the text is the writer's own: the older file is still there.
        EXPECT_EQ(test::read_text(path), "short");
        ASSERT_TRUE(file.finish());
    }
    EXPECT_EQ(test::read_text(path), numbered(100));
    EXPECT_EQ(test::read_text(spare), "short");
    EXPECT_EQ(inode_of(path), second);
    EXPECT_EQ(inode_of(spare), first);
    // Text written and then left without finishing, as when a run is cut short, or a file
    // opened and left without a word: the older file keeps what it held.
    {
        OutputFile file(path, buffer);
        file.stream() << numbered(300);
    }
    { const OutputFile untouched(path, buffer); }
    EXPECT_EQ(test::read_text(path), numbered(100));
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{".out.txt.spare", "out.txt"}));
}

// A writer whose spare another writer holds, or that has none, writes a private temporary
// file beside the output: "." and the output's name and a random tail of ten characters.
// The last writer to finish holds the output, whole.
TEST(OutputFile, ConcurrentWritersEachHaveTheirOwnFile) {
    const test::TempDir dir;
    const fs::path path = dir.path() / "wall.vn5o";
    for (const bool with_spare : {false, true}) {
        if (with_spare) {
            ASSERT_TRUE(write_whole_file(path, "older") && write_whole_file(path, "old"));
        }
        OutputFile first(path), second(path), third(path);
        ASSERT_TRUE(first.is_open() && second.is_open() && third.is_open());
        std::vector<std::string> names = names_in(dir.path());
        std::erase(names, ".wall.vn5o.spare");
        std::erase(names, "wall.vn5o");
        ASSERT_EQ(names.size(), with_spare ? 2u : 3u);
        for (const std::string& n : names) {
            EXPECT_EQ(n.rfind(".wall.vn5o.", 0), 0u) << n;
            EXPECT_EQ(n.size(), std::string(".wall.vn5o.").size() + 10) << n;
        }
        EXPECT_NE(names[0], names[1]);
        first.stream() << "first";
        second.stream() << numbered(3000);
        third.stream() << "third";
        ASSERT_TRUE(second.finish());
        ASSERT_TRUE(third.finish());
        ASSERT_TRUE(first.finish());
        EXPECT_EQ(test::read_text(path), "first");
        // Without an older output there is nothing to keep as the spare.
        const std::vector<std::string> left =
            with_spare ? std::vector<std::string>{".wall.vn5o.spare", "wall.vn5o"}
                       : std::vector<std::string>{"wall.vn5o"};
        EXPECT_EQ(names_in(dir.path()), left);
    }
    // A name of 255 bytes still leaves room for the tail.
    const fs::path longest = dir.path() / std::string(255, 'n');
    ASSERT_TRUE(write_whole_file(longest, "long") && write_whole_file(longest, "longer"));
    EXPECT_EQ(test::read_text(longest), "longer");
}

// Whatever lies under the spare's name that is not a plain file of this user alone is never
// written: a link to another file, a second name of another file, a pipe, a folder.
TEST(OutputFile, APlantedSpareIsPassedBy) {
    const test::TempDir dir;
    const fs::path path = dir.path() / "out.txt", spare = dir.path() / ".out.txt.spare";
    const fs::path victim = dir.path() / "victim.vn5d";
    for (const char* kind : {"link", "hard link", "pipe", "folder"}) {
        test::write_text(victim, "deck");
        test::write_text(path, "old");
        const std::string k = kind;
        if (k == "link") fs::create_symlink(victim, spare);
        if (k == "hard link") fs::create_hard_link(victim, spare);
        if (k == "pipe") {
            ASSERT_EQ(::mkfifo(spare.c_str(), 0600), 0);
        }
        if (k == "folder") fs::create_directory(spare);
        ASSERT_TRUE(write_whole_file(path, "new")) << k;
        EXPECT_EQ(test::read_text(path), "new") << k;
        EXPECT_EQ(test::read_text(victim), "deck") << k;
        EXPECT_EQ(names_in(dir.path()).size(), 3u) << k;  // output, spare, victim
        fs::remove(spare);
    }
}

// The permission bits and the owner of an older output stay; a read-only output is refused
// and kept; a link keeps leading to the output, which is replaced.
TEST(OutputFile, AnOlderFileKeepsItsModeAndLinksStay) {
    const test::TempDir dir;
    const fs::path path = dir.path() / "out.txt";
    test::write_text(path, "old");
    for (const fs::perms mode :
         {fs::perms(0640), fs::perms(0604), fs::perms(0777), fs::perms(0644), fs::perms(0600)}) {
        fs::permissions(path, mode);
        ASSERT_TRUE(write_whole_file(path, "new"));
        EXPECT_EQ(fs::status(path).permissions(), mode);
    }
    if (::geteuid() == 0) {  // only the superuser may hand a file to another owner
        for (const unsigned owner : {65534u, 0u}) {
            ASSERT_EQ(::chown(path.c_str(), owner, owner), 0);
            ASSERT_TRUE(write_whole_file(path, "new"));
            struct stat st;
            ASSERT_EQ(::stat(path.c_str(), &st), 0);
            EXPECT_EQ(st.st_uid, owner);
            EXPECT_EQ(st.st_gid, owner);
        }
    }
    fs::permissions(path, fs::perms(0444));
    const OutputFile read_only(path);
    EXPECT_FALSE(read_only.is_open());
    EXPECT_EQ(read_only.error(), EACCES);
    EXPECT_FALSE(write_whole_file(path, "lost"));
    EXPECT_EQ(test::read_text(path), "new");
    fs::permissions(path, fs::perms(0644));

    const fs::path link = dir.path() / "link.txt";
    fs::create_symlink(path, link);
    ASSERT_TRUE(write_whole_file(link, "through the link"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::read_text(path), "through the link");
    fs::create_symlink(dir.path() / "nowhere.txt", dir.path() / "dangling.txt");
    EXPECT_FALSE(write_whole_file(dir.path() / "dangling.txt", "x"));
    EXPECT_FALSE(fs::exists(dir.path() / "nowhere.txt"));
}

// Written in place, a file keeps its place and is cut to the new text; text left without
// finishing still replaces the older text whole.
TEST(OutputFile, InPlaceOverwritesWhereTheFileLies) {
    const test::TempDir dir;
    const fs::path path = dir.path() / "BMWALL.001";
    test::write_text(path, numbered(500, 'A'));
    const ino_t before = inode_of(path);
    std::array<char, 16> buffer;
    ASSERT_TRUE(write_whole_file(
        path, buffer, [](std::ostream& out) { out << "short"; }, Replacement::in_place));
    EXPECT_EQ(test::read_text(path), "short");
    {
        OutputFile file(path, buffer, Replacement::in_place);
        file.stream() << "cut";
    }
    EXPECT_EQ(test::read_text(path), "cut");
    EXPECT_EQ(inode_of(path), before);
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"BMWALL.001"});
}

TEST(OutputFile, TakingBackGivesTheTextAndStartsAgain) {
    const test::TempDir dir;
    for (bool older : {false, true}) {
        const fs::path path = dir.path() / (older ? "older.txt" : "new.txt");
        if (older) test::write_text(path, numbered(300, 'A'));
        std::array<char, 32> buffer;
        OutputFile file(path, buffer);
        file.stream() << numbered(70) << "tail";
        std::string back;
        ASSERT_TRUE(file.take_back(back));
        EXPECT_EQ(back, numbered(70) + "tail");
        file.stream() << "new " << back;
        ASSERT_TRUE(file.finish());
        EXPECT_EQ(test::read_text(path), "new " + numbered(70) + "tail") << path;
    }
}

TEST(OutputFile, OnlyRegularFilesAreOutputs) {
    const test::TempDir dir;
    const fs::path pipe = dir.path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(OutputFile(pipe).is_open());
    EXPECT_FALSE(OutputFile(dir.path()).is_open());
    EXPECT_FALSE(OutputFile(dir.path() / "no folder" / "out.txt").is_open());
    EXPECT_FALSE(write_whole_file(pipe, "x"));
    EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST(ReadFile, ReadsRegularFilesWholeAndNothingElse) {
    const test::TempDir dir;
    const fs::path deck = dir.path() / "deck.vn5d";
    std::string text;
    test::write_text(deck, numbered(70000));
    ASSERT_TRUE(read_file(deck, text));
    EXPECT_EQ(text, numbered(70000));
    test::write_text(deck, "");
    ASSERT_TRUE(read_file(deck, text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(read_file(dir.path(), text));
    EXPECT_FALSE(read_file(dir.path() / "missing.vn5d", text));
    const fs::path pipe = dir.path() / "pipe.vn5d";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(read_file(pipe, text));
}

}  // namespace
}  // namespace vornel
