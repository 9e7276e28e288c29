// Checks the command-line tools make on the files they are given, before anything is read or
// written, with the reasons in plain words.
#pragma once

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vornel::tools {

inline std::string errno_reason(int code) {
    switch (code) {
        case ENOENT:
        case ENOTDIR:
            return "no such file";
        case EISDIR:
            return "is a directory";
        case EACCES:
        case EPERM:
            return "permission denied";
        default:
            return std::strerror(code);
    }
}

// Why `path` cannot be read as an input file; empty when it can. Only regular files are
// inputs: a pipe or a device could block the reader for ever. The file is opened without
// waiting, so that not even the check blocks.
inline std::string unreadable_reason(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno_reason(errno);
    if (S_ISDIR(st.st_mode)) return "is a directory";
    if (!S_ISREG(st.st_mode)) return "is not a regular file";
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno_reason(errno);
    ::close(fd);
    return {};
}

// True when both paths name one existing file (links followed, hard links included).
inline bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace vornel::tools
