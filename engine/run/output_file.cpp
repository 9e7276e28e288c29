#include "engine/run/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>
#include <utility>

namespace vornel {
namespace {

// The random tail of a temporary file's name. Names need only differ between writers: the
// file is created exclusively, so a name that is taken, or planted as a link, is passed by.
std::string random_tail() {
    thread_local std::mt19937_64 bits([] {
        std::random_device device;
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        return (static_cast<std::uint64_t>(device()) << 32) ^ static_cast<std::uint64_t>(now) ^
               static_cast<std::uint64_t>(::getpid());
    }());
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string tail(11, '.');
    std::uint64_t v = bits();
    for (std::size_t k = 1; k < tail.size(); ++k) {
        tail[k] = kDigits[v % 36];
        v /= 36;
    }
    return tail;
}

// "." and the output's name and `tail`, within the 255 bytes a name may have.
std::string hidden_name(const std::filesystem::path& target, const std::string& tail) {
    std::string name = target.filename().string();
    name.resize(std::min<std::size_t>(name.size(), 255 - 1 - tail.size()));
    return (target.parent_path() / ("." + name + tail)).string();
}

// Read-only is read-only for everyone, the superuser too.
bool writable(const std::filesystem::path& path, const struct stat& st, uid_t user) {
    if ((st.st_mode & 0222) == 0) return false;
    if (user == 0) return true;
    if (st.st_uid == user) return (st.st_mode & S_IWUSR) != 0;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// Follows a link to the file it leads to. An output that exists may be replaced only when it
// is a regular file that this process may write; false with errno set otherwise.
bool resolve(std::filesystem::path& target, struct stat& st, bool& exists, uid_t user) {
    exists = false;
    if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISLNK(st.st_mode)) {
        std::error_code ec;
        std::filesystem::path resolved = std::filesystem::canonical(target, ec);
        if (ec) {
            errno = ec.value();
            return false;
        }
        target = std::move(resolved);
        if (::stat(target.c_str(), &st) != 0) return false;
    }
    exists = true;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    if (!writable(target, st, user)) {
        errno = EACCES;
        return false;
    }
    return true;
}

// An exclusive lock on the whole file that belongs to this open file, so that it keeps
// writers apart in one process as well as in several, also on a network file system; false
// at once when another writer holds it.
bool lock(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &whole) == 0;
}

// The new text takes the older output's owner, group and permission bits (in that order,
// since a change of owner clears the set-user-ID bit). `mine` is the new file's status.
bool keep_owner_and_mode(int fd, const struct stat& old, const struct stat& mine) {
    if ((mine.st_uid != old.st_uid || mine.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        return false;
    }
    if ((mine.st_mode & 07777) == (old.st_mode & 07777) && mine.st_uid == old.st_uid &&
        mine.st_gid == old.st_gid) {
        return true;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

OutputFile::OutputFile(std::filesystem::path path, std::span<char> buffer, Replacement how)
    : target_(std::move(path)), how_(how), user_(::geteuid()), buffer_(buffer), stream_(this) {
#ifdef VORNEL_OUTPUTS_IN_PLACE
    how_ = Replacement::in_place;  // the benchmarks' baseline: every output overwritten in place
#endif
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    errno = 0;
    if (!(how_ == Replacement::in_place ? open_in_place() : open_replacement())) fail();
}

bool OutputFile::open_in_place() {
    struct stat old;
    if (!resolve(target_, old, existed_, user_)) return false;
    fd_ = ::open(target_.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (existed_) extent_ = static_cast<std::uintmax_t>(old.st_size);
    return fd_ >= 0;
}

bool OutputFile::open_replacement() {
    struct stat old;
    if (!resolve(target_, old, existed_, user_)) return false;
    if (existed_) {
        old_device_ = old.st_dev;
        old_inode_ = old.st_ino;
    }
    // The older output is worth keeping for the next run only when it is this user's and has
    // no other name that writing it would change.
    old_becomes_spare_ = existed_ && old.st_nlink == 1 && old.st_uid == user_;
    spare_name_ = hidden_name(target_, ".spare");
    struct stat mine;
    if (claim_spare(mine)) {
        writing_spare_ = true;
        written_name_ = spare_name_;
        extent_ = static_cast<std::uintmax_t>(mine.st_size);
    } else if (!create_temporary()) {
        return false;
    }
    if (existed_ &&
        ((!writing_spare_ && ::fstat(fd_, &mine) != 0) || !keep_owner_and_mode(fd_, old, mine))) {
        const int cause = errno;
        abandon();
        errno = cause;
        return false;
    }
    return true;
}

// The spare is taken only when it is a plain file of this user with no other name, no other
// writer holds it, and it is still the spare once locked (a writer that swapped it into the
// output's place held the lock until then).
bool OutputFile::claim_spare(struct stat& st) {
    const int fd =
        ::open(spare_name_.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat named;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1 && st.st_uid == user_ &&
        lock(fd) && ::fstatat(AT_FDCWD, spare_name_.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == st.st_dev && named.st_ino == st.st_ino) {
        fd_ = fd;
        return true;
    }
    ::close(fd);
    return false;
}

bool OutputFile::create_temporary() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        written_name_ = hidden_name(target_, random_tail());
        fd_ =
            ::open(written_name_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ >= 0) return true;
        if (errno != EEXIST) break;
    }
    written_name_.clear();
    return false;
}

// Swaps the new text with the older output, whose file then lies under the writer's name and
// becomes the spare or goes. Without an older output (or on a file system that cannot swap
// names) the new text is renamed into place.
bool OutputFile::put_in_place() {
    const char* mine = written_name_.c_str();
    if (::renameat2(AT_FDCWD, mine, AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) == 0) {
        if (writing_spare_) {
            if (!old_becomes_spare_) ::unlink(mine);
        } else if (!old_becomes_spare_ || ::renameat2(AT_FDCWD, mine, AT_FDCWD, spare_name_.c_str(),
                                                      RENAME_NOREPLACE) != 0) {
            ::unlink(mine);
        }
        return true;
    }
    if (errno != ENOENT && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return false;
    return ::rename(mine, target_.c_str()) == 0;
}

OutputFile::~OutputFile() {
    // A file written in place that received text is never left as new text over an older
    // file's tail.
    if (how_ == Replacement::in_place && fd_ >= 0 && (written_ > 0 || pptr() != pbase())) {
        finish();
    } else {
        abandon();
    }
}

void OutputFile::abandon() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    if (!written_name_.empty() && !writing_spare_) ::unlink(written_name_.c_str());
    written_name_.clear();
}

void OutputFile::fail() {
    if (error_ == 0) error_ = errno != 0 ? errno : -1;
}

bool OutputFile::put_through(const char* text, std::size_t n) {
    if (n == 0) return true;
    if (fd_ < 0 || error_ != 0) return false;
    while (n > 0) {
        errno = 0;
        const ssize_t put = ::write(fd_, text, n);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            if (put == 0) errno = ENOSPC;
            fail();
            return false;
        }
        text += put;
        n -= static_cast<std::size_t>(put);
        written_ += static_cast<std::uintmax_t>(put);
    }
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
    bool ok = fd_ >= 0 && drain() && error_ == 0;
    if (fd_ >= 0) {
        errno = 0;
        if (ok && extent_ > written_ && ::ftruncate(fd_, static_cast<off_t>(written_)) != 0) {
            fail();
            ok = false;
        }
        // The lock on the spare lasts until it is in the output's place; the close tells of a
        // write that a file system carried out late.
        const int hold = writing_spare_ ? ::dup(fd_) : -1;
        if (writing_spare_ && hold < 0 && ok) {
            fail();
            ok = false;
        }
        errno = 0;
        if (::close(fd_) != 0 && ok) {
            fail();
            ok = false;
        }
        fd_ = -1;
        errno = 0;
        if (ok && !written_name_.empty() && !put_in_place()) {
            fail();
            ok = false;
        }
        if (!ok && !writing_spare_ && !written_name_.empty()) ::unlink(written_name_.c_str());
        if (hold >= 0) ::close(hold);
        written_name_.clear();
    }
    if (!ok) errno = error_ > 0 ? error_ : EIO;
    return ok;
}

bool OutputFile::take_back(std::string& text) {
    if (fd_ < 0 || !drain() || error_ != 0) return false;
    text.assign(static_cast<std::size_t>(written_), '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        errno = 0;
        const ssize_t n =
            ::pread(fd_, text.data() + got, text.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            fail();
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    if (::lseek(fd_, 0, SEEK_SET) != 0) {
        fail();
        return false;
    }
    extent_ = std::max(extent_, written_);
    written_ = 0;
    return true;
}

bool write_whole_file(const std::filesystem::path& path, std::span<char> buffer,
                      const std::function<void(std::ostream&)>& write, Replacement how) {
    OutputFile file(path, buffer, how);
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
