// Output files written through a lent buffer: pieces of every size against the buffer, an
// older file of another length, taking the text back, and the files it refuses.
#include "engine/run/output_file.h"

#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <string>

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

TEST(OutputFile, AnOlderFileOfAnotherLengthIsReplacedWhole) {
    const test::TempDir dir;
    const fs::path path = dir.path() / "out.txt";
    std::array<char, 16> buffer;
    test::write_text(path, numbered(500, 'A'));
    ASSERT_TRUE(write_whole_file(path, "short"));
    EXPECT_EQ(test::read_text(path), "short");
    {
        OutputFile file(path, buffer);
        file.stream() << numbered(100);
        ASSERT_TRUE(file.finish());
    }
    EXPECT_EQ(test::read_text(path), numbered(100));
    // Text written and then left without finishing still replaces the whole older file; a
    // file opened and left without a word keeps what it held.
    test::write_text(path, numbered(500, 'A'));
    {
        OutputFile file(path, buffer);
        file.stream() << "cut";
    }
    EXPECT_EQ(test::read_text(path), "cut");
    { const OutputFile untouched(path, buffer); }
    EXPECT_EQ(test::read_text(path), "cut");
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
