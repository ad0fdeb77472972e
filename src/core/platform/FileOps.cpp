// SPDX-License-Identifier: MIT
#include "core/platform/FileOps.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace mensurio {

namespace {

[[noreturn]] void throwErrno(const std::string &what) {
    throw std::system_error(errno, std::generic_category(), what);
}

bool writeAll(int fd, const char *data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool FileOps::Exists(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool FileOps::IsReadOnly(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

bool FileOps::ClearReadOnly(const std::string &path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

namespace {

// A new, uniquely named file beside the target, created 0666 so that the umask gives a new
// file the usual permissions.
int createTemporary(const std::string &target, std::string &temporary) {
    static std::atomic<unsigned> counter{0};
    const std::string dir = FileOps::DirectoryOf(target);
    const auto slash = target.find_last_of('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = FileOps::Join(dir, "." + name + "." + std::to_string(::getpid()) + "." +
                                           std::to_string(counter.fetch_add(1)) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            ::flock(fd, LOCK_EX | LOCK_NB); // held while written: RemoveStaleTemporaries keeps it
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void syncDirectory(const std::string &dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // makes the rename itself durable; a failure here loses nothing
        ::close(fd);
    }
}

} // namespace

namespace {

std::string FileNameOf(const std::string &path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.size() <= 18 &&
           text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A process that may still be writing its temporary file: this one, or any that exists
// (EPERM means it exists but belongs to someone else).
bool ProcessMayRun(long pid) {
    if (pid <= 0 || pid == static_cast<long>(::getpid()))
        return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

} // namespace

bool FileOps::IsTemporaryNameOf(const std::string &path, const std::string &entry, long &pid) {
    const std::string prefix = "." + FileNameOf(path) + ".";
    const std::string suffix = ".tmp";
    if (entry.size() <= prefix.size() + suffix.size() || entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string_view middle =
        std::string_view(entry).substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
    const auto dot = middle.find('.');
    if (dot == std::string_view::npos || !AllDigits(middle.substr(0, dot)) ||
        !AllDigits(middle.substr(dot + 1)))
        return false;
    pid = std::stol(std::string(middle.substr(0, dot)));
    return true;
}

int FileOps::RemoveStaleTemporaries(const std::string &path) {
    const std::string dir = DirectoryOf(path);
    DIR *folder = ::opendir(dir.c_str());
    if (folder == nullptr)
        return 0;
    std::vector<std::string> stale;
    while (const dirent *entry = ::readdir(folder)) {
        long pid = 0;
        if (IsTemporaryNameOf(path, entry->d_name, pid) && !ProcessMayRun(pid))
            stale.emplace_back(entry->d_name);
    }
    ::closedir(folder);
    int removed = 0;
    for (const std::string &name : stale) {
        const std::string full = Join(dir, name);
        // Its writer may run where this process cannot see it (another PID namespace, another
        // host on a shared folder): a file still locked is still being written.
        const int fd = ::open(full.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::unlink(full.c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

bool FileOps::RenameIfAbsent(const std::string &from, const std::string &to) {
    // A hard link fails when the target exists, so an existing file is never replaced.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (errno == EEXIST || Exists(to))
        return false;
    // File systems without hard links: the check above and a rename.
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool FileOps::CopyIfAbsent(const std::string &src, const std::string &dst) {
    if (Exists(dst))
        return false;
    const int in = OpenRegularForReading(src);
    if (in < 0)
        return false;
    std::string temporary;
    const int out = createTemporary(dst, temporary);
    if (out < 0) {
        ::close(in);
        return false;
    }
    std::vector<char> buffer(65536);
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        if (!writeAll(out, buffer.data(), static_cast<std::size_t>(n))) {
            ok = false;
            break;
        }
    }
    ::close(in);
    ok = ::fsync(out) == 0 && ok;
    ok = ::close(out) == 0 && ok;
    // Only a complete copy ever gets the target's name.
    ok = ok && RenameIfAbsent(temporary, dst);
    if (!ok)
        ::unlink(temporary.c_str());
    else
        syncDirectory(DirectoryOf(dst));
    return ok;
}

std::string FileOps::ResolveLink(const std::string &path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char *resolved = ::realpath(path.c_str(), nullptr)) {
            std::string result(resolved);
            std::free(resolved);
            return result;
        }
    }
    return path;
}

void FileOps::AtomicReplace(const std::string &path, std::string_view bytes) {
    RemoveStaleTemporaries(path);
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        errno = EISDIR;
        throwErrno("cannot replace " + path);
    }
    std::string temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0)
        throwErrno("cannot create a temporary file beside " + path);
    if (exists) {
        // The new file keeps the mode and, where allowed, the owner of the one it replaces; its
        // owner may always read and write it, or the next start could not read it back.
        ::fchmod(fd, (existing.st_mode & 07777) | S_IRUSR | S_IWUSR);
        [[maybe_unused]] const int owned = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    bool ok = writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    int savedErrno = errno;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        errno = savedErrno;
        throwErrno("cannot write " + path);
    }
    syncDirectory(DirectoryOf(path));
}

std::string FileOps::NotRegularKind(const std::string &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    if (S_ISFIFO(info.st_mode))
        return "a FIFO";
    if (S_ISSOCK(info.st_mode))
        return "a socket";
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return "a device";
    if (S_ISDIR(info.st_mode))
        return "a directory";
    return "not a regular file";
}

int FileOps::OpenRegularForReading(const std::string &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : ENODEV;
        return -1;
    }
    // Without waiting, in case the path was replaced by a FIFO since the look above.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = S_ISDIR(info.st_mode) ? EISDIR : ENODEV;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::string FileOps::ReadAll(const std::string &path) {
    if (const std::string kind = NotRegularKind(path); !kind.empty())
        throw std::system_error(ENODEV, std::generic_category(), path + " is " + kind + ", not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::system_error(errno ? errno : ENOENT, std::generic_category(), "cannot open " + path);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string FileOps::DirectoryOf(const std::string &path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileOps::Join(const std::string &dir, const std::string &name) {
    if (dir.empty())
        return name;
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

} // namespace mensurio
