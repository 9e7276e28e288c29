// A file that a run writes: the report, the plot data file, the monitor file and the scratch
// files. The file is opened (or created) when the run starts, so that a folder that cannot
// take it is known at once. Text written to `stream()` goes to the file in large pieces
// through a fixed buffer that the caller lends while the run goes on, so that a report of a
// few hundred kilobytes is never held, grown and copied in memory. Without a buffer every
// piece goes to the file as it comes, which suits text that is already whole.
//
// An existing file is overwritten in place and then cut to the new length rather than
// truncated to zero first: rewriting a file truncated to zero makes the file system flush it
// to disk at once on close, and creating a fresh file costs a new inode each run; either
// costs more than the whole analysis.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <ostream>
#include <span>
#include <streambuf>
#include <string>
#include <string_view>

namespace vornel {

class OutputFile : private std::streambuf {
  public:
    explicit OutputFile(std::filesystem::path path, std::span<char> buffer = {});
    ~OutputFile() override;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool is_open() const { return file_ != nullptr; }

    // Where the file's text is written; the text is the file's whole contents.
    std::ostream& stream() { return stream_; }

    // Writes what is still buffered, cuts the file to the text written and closes it; false
    // when any part of that failed, with errno set to the first failure's cause.
    bool finish();

    // Reads back all the text written so far into `text` and starts the file again from its
    // beginning, for a caller that must change what it wrote; false when that failed.
    bool take_back(std::string& text);

  private:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize n) override;
    int sync() override;
    bool drain();
    bool put_through(const char* text, std::size_t n);
    void fail();

    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
    std::span<char> buffer_;
    std::ostream stream_;
    std::uintmax_t old_size_ = 0;  // the length of the file that was there, if any
    std::uintmax_t written_ = 0;
    int error_ = 0;  // errno of the first failed write, -1 for a failure without one
    bool existed_ = false;
};

// Writes what `write` puts on its stream, through `buffer`, as the whole contents of the
// file at `path`; false when that failed.
bool write_whole_file(const std::filesystem::path& path, std::span<char> buffer,
                      const std::function<void(std::ostream&)>& write);
// Writes `text` as the whole contents of the file at `path`; false when that failed.
bool write_whole_file(const std::filesystem::path& path, std::string_view text);

}  // namespace vornel
