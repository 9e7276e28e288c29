#include "engine/run/output_file.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace vornel {

OutputFile::OutputFile(std::filesystem::path path, std::span<char> buffer)
    : path_(std::move(path)), buffer_(buffer), stream_(this) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    // Only a new or an existing regular file is written: a pipe would block the run, and a
    // device or a folder is not an output. One look at the file tells which, and how long it
    // is: the size of anything but a regular file is an error, and so is a missing file.
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path_, ec);
    if (!ec) {
        file_ = std::fopen(path_.c_str(), "r+b");
        if (file_) {
            existed_ = true;
            old_size_ = size;
        }
    } else if (ec != std::errc::no_such_file_or_directory) {
        return;
    }
    // Read and write, so that a caller can take its text back; a file that may only be
    // written is still an output.
    if (!file_) file_ = std::fopen(path_.c_str(), "w+b");
    if (!file_) file_ = std::fopen(path_.c_str(), "wb");
    // The buffer above is the only one: the C library's own would copy every byte again.
    if (file_) std::setvbuf(file_, nullptr, _IONBF, 0);
}

OutputFile::~OutputFile() {
    if (!file_) return;
    // A file that received text is never left as new text over an older file's tail.
    if (written_ > 0 || pptr() != pbase()) {
        finish();
    } else {
        std::fclose(file_);
    }
}

void OutputFile::fail() {
    if (error_ == 0) error_ = errno != 0 ? errno : -1;
}

bool OutputFile::put_through(const char* text, std::size_t n) {
    if (n == 0) return true;
    if (!file_ || error_ != 0) return false;
    errno = 0;
    if (std::fwrite(text, 1, n, file_) != n) {
        fail();
        return false;
    }
    written_ += n;
    return true;
}

bool OutputFile::drain() {
    const std::size_t n = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return put_through(buffer_.data(), n);
}

OutputFile::int_type OutputFile::overflow(int_type c) {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    if (buffer_.empty()) return put_through(&ch, 1) ? c : traits_type::eof();
    *pptr() = ch;
    pbump(1);
    return c;
}

std::streamsize OutputFile::xsputn(const char* text, std::streamsize n) {
    if (n <= 0) return 0;
    const auto count = static_cast<std::size_t>(n);
    const auto room = static_cast<std::size_t>(epptr() - pptr());
    if (count <= room) {
        std::memcpy(pptr(), text, count);
        pbump(static_cast<int>(count));
        return n;
    }
    // A piece larger than the room left fills the buffer, which goes to the file whole; the
    // rest goes straight on when it is a buffer or more, else into the emptied buffer.
    if (room > 0) {
        std::memcpy(pptr(), text, room);
        pbump(static_cast<int>(room));
    }
    if (!drain()) return 0;
    const char* rest = text + room;
    const std::size_t left = count - room;
    if (left >= buffer_.size()) return put_through(rest, left) ? n : 0;
    std::memcpy(pptr(), rest, left);
    pbump(static_cast<int>(left));
    return n;
}

int OutputFile::sync() {
    return drain() ? 0 : -1;
}

bool OutputFile::finish() {
    if (!file_) return false;
    bool ok = drain() && error_ == 0;
    errno = 0;
    if (ok && existed_ && old_size_ > written_) {
        std::error_code ec;
        std::filesystem::resize_file(path_, written_, ec);
        if (ec) {
            errno = ec.value();
            fail();
            ok = false;
        }
    }
    errno = 0;
    if (std::fclose(file_) != 0 && ok) {
        fail();
        ok = false;
    }
    file_ = nullptr;
    if (!ok && error_ > 0) errno = error_;
    return ok;
}

bool OutputFile::take_back(std::string& text) {
    if (!file_ || !drain() || error_ != 0) return false;
    text.assign(static_cast<std::size_t>(written_), '\0');
    errno = 0;
    if (std::fseek(file_, 0, SEEK_SET) != 0 ||
        std::fread(text.data(), 1, text.size(), file_) != text.size() ||
        std::fseek(file_, 0, SEEK_SET) != 0) {
        fail();
        return false;
    }
    written_ = 0;
    return true;
}

bool write_whole_file(const std::filesystem::path& path, std::span<char> buffer,
                      const std::function<void(std::ostream&)>& write) {
    OutputFile file(path, buffer);
    if (!file.is_open()) return false;
    write(file.stream());
    return file.finish();
}

bool write_whole_file(const std::filesystem::path& path, std::string_view text) {
    return write_whole_file(path, {}, [text](std::ostream& out) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    });
}

}  // namespace vornel
