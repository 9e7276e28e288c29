#include "engine/run/output_file.h"

#include <system_error>
#include <utility>

namespace vornel {

OutputFile::OutputFile(std::filesystem::path path) : path_(std::move(path)) {
    std::error_code ec;
    // Only a new or an existing regular file is written: a pipe would block the run, and a
    // device or a folder is not an output.
    const std::filesystem::file_status st = std::filesystem::status(path_, ec);
    if (std::filesystem::exists(st) && !std::filesystem::is_regular_file(st)) return;
    existed_ = std::filesystem::is_regular_file(st);
    if (existed_) stream_.open(path_, std::ios::binary | std::ios::in | std::ios::out);
    if (!stream_.is_open()) {
        existed_ = false;
        stream_.open(path_, std::ios::binary | std::ios::out | std::ios::trunc);
    }
}

bool OutputFile::replace_contents(std::string_view text) {
    if (!stream_.is_open()) return false;
    stream_.write(text.data(), static_cast<std::streamsize>(text.size()));
    stream_.close();
    if (!stream_) return false;
    if (!existed_) return true;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path_, ec);
    if (ec) return false;
    if (size > text.size()) std::filesystem::resize_file(path_, text.size(), ec);
    return !ec;
}

bool write_whole_file(const std::filesystem::path& path, std::string_view text) {
    OutputFile file(path);
    if (!file.is_open()) return false;
    return file.replace_contents(text);
}

}  // namespace vornel
