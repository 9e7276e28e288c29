#include "tools/replace_file.h"

#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vornel::tools {

namespace {

std::string random_suffix() {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device random;
    std::string s;
    for (int i = 0; i < 12; ++i) s += kDigits[random() % (sizeof kDigits - 1)];
    return s;
}

bool write_all(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string replace_file(const std::filesystem::path& target, const std::string& content) {
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        std::string name = ".";
        name.append(target.filename().string()).append(".").append(random_suffix());
        temporary = folder / name.append(".part");
        // The mode is the usual one less the umask, as for a file written in place.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return std::strerror(errno);
    }
    if (fd < 0) return std::strerror(EEXIST);
    bool ok = write_all(fd, content) && ::fsync(fd) == 0;
    int code = errno;
    // Some file systems report a failed write only when the file is closed.
    if (::close(fd) != 0 && ok) ok = false, code = errno;
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) ok = false, code = errno;
    if (!ok) {
        ::unlink(temporary.c_str());
        return std::strerror(code);
    }
    return {};
}

}  // namespace vornel::tools
