// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {
namespace {

constexpr std::string_view kTempMark = ".tmp-";
constexpr std::size_t kTempRandom = 6; // the XXXXXX mkstemp fills in

bool fail(std::string* error, const std::string& what) {
    if (error != nullptr) {
        *error = what + ": " + std::strerror(errno);
    }
    return false;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

bool isAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

std::filesystem::path saveTarget(const std::filesystem::path& path) {
    std::filesystem::path target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return target;
        }
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec) {
            return target;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target; // a loop: the rename reports it
}

bool isSaveTemporaryName(std::string_view name) {
    if (name.size() < 1 + 1 + kTempMark.size() + kTempRandom || name.front() != '.') {
        return false;
    }
    const std::string_view random = name.substr(name.size() - kTempRandom);
    const std::string_view mark =
        name.substr(name.size() - kTempRandom - kTempMark.size(), kTempMark.size());
    for (const char c : random) {
        if (!isAlnum(c)) {
            return false;
        }
    }
    return mark == kTempMark;
}

int removeStaleTemporaries(const std::filesystem::path& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    int removed = 0;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isSaveTemporaryName(entry->d_name)) {
            continue;
        }
        // Only our own regular files, and only when no save holds them: a save keeps its
        // temporary locked until the rename, and a killed one has let go of the lock.
        // Non-blocking, so a pipe of such a name cannot hold the save up.
        const int fd =
            ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (::unlinkat(dirFd, entry->d_name, 0) == 0) {
                ++removed;
            }
        }
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool writeFileAtomically(const std::filesystem::path& requested, std::string_view bytes,
                         std::string* error) {
    const std::filesystem::path path = saveTarget(requested);
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    // Saves cut short by a kill or a power cut leave their temporaries; they go now.
    removeStaleTemporaries(folder);
    std::string name = ".";
    name += path.filename().string();
    name += kTempMark;
    name.append(kTempRandom, 'X');
    std::string temp = (folder / name).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return fail(error, "cannot create a temporary file in " + folder.string());
    }
    // Held until the file is closed, so another save's clean-up leaves this one alone.
    ::flock(fd, LOCK_EX);
    // An existing file keeps its permissions; a new one gets the usual ones.
    struct stat old {};
    const mode_t mode =
        ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~currentUmask());
    const bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    if (!written) {
        ::unlink(temp.c_str());
        ::close(fd);
        errno = savedErrno;
        return fail(error, "cannot write " + path.string());
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(temp.c_str());
        ::close(fd);
        errno = renameErrno;
        return fail(error, "cannot replace " + path.string());
    }
    // Closed after the rename, so the lock covers the whole life of the temporary name; the
    // data is already on the disk.
    ::close(fd);
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

} // namespace common
