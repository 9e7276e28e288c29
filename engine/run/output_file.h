// A file that a run writes: the report, the plot data file, the monitor file and the scratch
// files. The text is written to a file of the writer's own in the output's folder and put in
// the output's place by one rename once it is complete. A reader, a second run writing the
// same output at the same time, or a run that dies half way therefore never meets a file that
// holds part of one text and part of another: the output holds the whole text of one run, or
// what it held before. A write that fails leaves the older output as it was.
//
// The writer's file is the output's spare, "." and the output's name and ".spare": the text
// the output held before the last run, which that run swapped out of the output's place. A
// writer takes the spare only under an exclusive lock and only while it is a plain file of
// this user with no other name, writes it, and swaps it with the output. Creating and
// deleting a file per output and run costs many times the whole analysis on a journalling file
// system; swapping two names costs one rename. When there is no spare yet, or another writer
// holds it, the writer creates a private temporary file instead, exclusively and never through
// a link, under "." and the output's name and a random tail; the older output then becomes the
// spare. A run that dies half way leaves at most a spare or a temporary file behind.
//
// The writer's file is opened when the run starts, so that a folder that cannot take the
// output is known at once. Text written to `stream()` goes to the file in large pieces through
// a fixed buffer that the caller lends while the run goes on, so that a report of a few
// hundred kilobytes is never held, grown and copied in memory. Without a buffer every piece
// goes to the file as it comes, which suits text that is already whole.
//
// An output that exists keeps its permission bits, owner and group; one that is read-only (no
// write permission bit, or none for this process) is refused and stays as it is, and so is one
// whose owner or group cannot be given to the new text. An output that is a link keeps the
// link: the file it leads to is replaced. A reader that holds the older output open while two
// more runs replace it may see the spare's new text.
//
// The new text is not forced to the disk before the rename: the outputs are derived from the
// deck and cost a fraction of a second to make again, while a forced write costs more than the
// whole analysis. The rename alone keeps every output whole against a failing or competing
// process; after a power failure the file system may show an older or an empty output.
//
// A file written in place (the scratch files in the entry point's own hand-over folder, where
// no one else writes) is overwritten where it lies and cut to the new length.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <span>
#include <streambuf>
#include <string>
#include <string_view>

namespace vornel {

enum class Replacement { whole, in_place };

class OutputFile : private std::streambuf {
  public:
    explicit OutputFile(std::filesystem::path path, std::span<char> buffer = {},
                        Replacement how = Replacement::whole);
    // A file left without finish() is abandoned: the older output stays.
    ~OutputFile() override;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False when the output is refused or no file could be opened for it.
    bool is_open() const { return fd_ >= 0; }
    // errno of the first failure (-1 for one without a cause), 0 while all went well.
    int error() const { return error_; }
    // The file the output's name leads to now (device and inode), when it exists.
    bool replaces(dev_t device, ino_t inode) const {
        return existed_ && device == old_device_ && inode == old_inode_;
    }

    // Where the file's text is written; the text is the file's whole contents.
    std::ostream& stream() { return stream_; }

    // Writes what is still buffered, closes the file and puts it in the output's place;
    // false when any part of that failed, with errno set to the first failure's cause, and
    // the older output then stays.
    bool finish();

    // Reads back all the text written so far into `text` and starts the file again from its
    // beginning, for a caller that must change what it wrote; false when that failed.
    bool take_back(std::string& text);

  private:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize n) override;
    int sync() override;
    bool open_in_place();
    bool open_replacement();
    bool claim_spare(struct stat& st);
    bool create_temporary();
    bool put_in_place();
    bool drain();
    bool put_through(const char* text, std::size_t n);
    void fail();
    void abandon();

    std::filesystem::path target_;  // the file replaced: the output, or where its link leads
    Replacement how_;
    uid_t user_;                // the effective user, who owns what this writer creates
    std::string written_name_;  // the spare or the temporary file; empty in place
    std::string spare_name_;
    bool writing_spare_ = false;
    bool old_becomes_spare_ = false;  // the older output may be written by the next run
    int fd_ = -1;
    std::span<char> buffer_;
    std::ostream stream_;
    std::uintmax_t written_ = 0;
    std::uintmax_t extent_ = 0;  // the file's length, which the text written may fall short of
    int error_ = 0;              // errno of the first failure, -1 for a failure without one
    bool existed_ = false;
    dev_t old_device_ = 0;
    ino_t old_inode_ = 0;
};

// Writes what `write` puts on its stream, through `buffer`, as the whole contents of the
// file at `path`; false when that failed.
bool write_whole_file(const std::filesystem::path& path, std::span<char> buffer,
                      const std::function<void(std::ostream&)>& write,
                      Replacement how = Replacement::whole);
// Writes `text` as the whole contents of the file at `path`; false when that failed.
bool write_whole_file(const std::filesystem::path& path, std::string_view text);

}  // namespace vornel
