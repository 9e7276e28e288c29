// A file that a run writes whole: the report, the plot data file, the monitor file and the
// scratch files. The file is opened (or created) when the run starts, so that a folder that
// cannot take it is known at once, and receives its whole text in one write at the end.
//
// An existing file is overwritten in place and then cut to the new length rather than
// truncated to zero first: rewriting a file truncated to zero makes the file system flush it
// to disk at once on close, and creating a fresh file costs a new inode each run; either
// costs more than the whole analysis.
#pragma once

#include <filesystem>
#include <fstream>
#include <string_view>

namespace vornel {

class OutputFile {
  public:
    explicit OutputFile(std::filesystem::path path);

    bool is_open() const { return stream_.is_open(); }

    // Replaces the file's contents by `text` and closes it; false when that failed.
    bool replace_contents(std::string_view text);

  private:
    std::filesystem::path path_;
    std::fstream stream_;
    bool existed_ = false;
};

// Writes `text` as the whole contents of the file at `path`; false when that failed.
bool write_whole_file(const std::filesystem::path& path, std::string_view text);

}  // namespace vornel
