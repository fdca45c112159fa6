// SPDX-License-Identifier: GPL-3.0-or-later
// The file system on Linux: POSIX calls behind common/os/FileSystem.h.
#include "common/os/FileSystem.h"

#include "common/text/AtomicFile.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>
#include <vector>

namespace common {
namespace {

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode)) {
        return FileKind::File;
    }
    return S_ISDIR(mode) ? FileKind::Folder : FileKind::Other;
}

FileStatus statusOf(const struct stat& info) {
    FileStatus status;
    status.kind = kindOf(info.st_mode);
    status.size = static_cast<std::uintmax_t>(info.st_size);
    status.modifiedNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    return status;
}

FileStatus unreachable(int error) {
    FileStatus status;
    status.kind = error == ENOENT ? FileKind::Missing : FileKind::Unreachable;
    status.reason = std::strerror(error);
    return status;
}

std::string openProblem(int error) {
    if (error == ENOENT) {
        return "does not exist";
    }
    if (error == ENOTDIR) {
        return "is not a folder";
    }
    return "cannot be read (" + std::string(std::strerror(error)) + ")";
}

const char* folderName(const std::filesystem::path& folder) {
    return folder.empty() ? "." : folder.c_str();
}

/// A stamp in nanoseconds since 1970; false for a time that does not fit (after 2262).
bool nanoseconds(const timespec& time, std::int64_t& ns) {
    return !__builtin_mul_overflow(static_cast<std::int64_t>(time.tv_sec),
                                   std::int64_t{1'000'000'000}, &ns) &&
           !__builtin_add_overflow(ns, static_cast<std::int64_t>(time.tv_nsec), &ns);
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

FileStatus fileStatus(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return unreachable(errno);
    }
    return statusOf(info);
}

ReadFile::ReadFile(const std::filesystem::path& path, bool nonBlocking)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | (nonBlocking ? O_NONBLOCK : 0))) {
    if (fd_ < 0) {
        error_ = errno;
    }
}

ReadFile::~ReadFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool ReadFile::missing() const {
    return error_ == ENOENT;
}

std::string ReadFile::reason() const {
    return std::strerror(error_);
}

FileStatus ReadFile::status() {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        error_ = errno;
        return unreachable(error_ == ENOENT ? EIO : error_);
    }
    return statusOf(info);
}

std::optional<std::size_t> ReadFile::read(char* into, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd_, into, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            error_ = errno;
            return std::nullopt;
        }
    }
}

std::optional<std::size_t> ReadFile::readAt(char* into, std::size_t size, std::uint64_t offset) {
    for (;;) {
        const ssize_t got = ::pread(fd_, into, size, static_cast<off_t>(offset));
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            error_ = errno;
            return std::nullopt;
        }
    }
}

std::optional<std::string>
visitFolder(const std::filesystem::path& folder,
            const std::function<void(std::string_view name, FileKind kind)>& visit) {
    DIR* dir = ::opendir(folderName(folder));
    if (dir == nullptr) {
        return openProblem(errno);
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        FileKind kind = entry->d_type == DT_REG   ? FileKind::File
                        : entry->d_type == DT_DIR ? FileKind::Folder
                                                  : FileKind::Other;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat target {};
            kind = ::fstatat(::dirfd(dir), entry->d_name, &target, 0) == 0 ? kindOf(target.st_mode)
                                                                           : FileKind::Other;
        }
        visit(name, kind);
    }
    ::closedir(dir);
    return std::nullopt;
}

std::optional<std::string>
visitFolderEntries(const std::filesystem::path& folder,
                   const std::function<void(std::string_view name, EntryType type)>& visit) {
    const int fd = ::open(folderName(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return openProblem(errno);
    }
    // A large buffer: a folder of thousands of names is read in a few calls instead of hundreds.
    std::vector<char> buffer(128 * 1024);
    for (;;) {
        const ssize_t got = ::getdents64(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return "cannot be read (" + std::string(std::strerror(error)) + ")";
        }
        if (got == 0) {
            break;
        }
        for (ssize_t at = 0; at < got;) {
            dirent64 entry{};
            const char* record = buffer.data() + at;
            std::memcpy(&entry, record, offsetof(dirent64, d_name));
            at += entry.d_reclen;
            const std::string_view name = record + offsetof(dirent64, d_name);
            if (name == "." || name == "..") {
                continue;
            }
            visit(name, entry.d_type == DT_REG       ? EntryType::File
                        : entry.d_type == DT_DIR     ? EntryType::Folder
                        : entry.d_type == DT_LNK     ? EntryType::Link
                        : entry.d_type == DT_UNKNOWN ? EntryType::Unknown
                                                     : EntryType::Other);
        }
    }
    ::close(fd);
    return std::nullopt;
}

std::optional<FolderStamp> folderStamp(const std::filesystem::path& folder) {
    struct stat info {};
    struct statfs system {};
    // A folder whose stamps say nothing changed may still have become unreadable to us (our
    // group membership changed, not the folder): that is for a listing to say.
    if (::stat(folderName(folder), &info) != 0 || !S_ISDIR(info.st_mode) ||
        ::access(folderName(folder), R_OK | X_OK) != 0 ||
        ::statfs(folderName(folder), &system) != 0) {
        return std::nullopt;
    }
    FolderStamp stamp;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    const bool timesFit =
        nanoseconds(info.st_mtim, stamp.modifiedNs) && nanoseconds(info.st_ctim, stamp.changedNs);
    // Local file systems that stamp a folder at every change of its entries. Network shares
    // and user-space file systems are left out (their stamps may come late or from another
    // clock), and so are FAT, exFAT and NTFS: a stick filled on another system may come back
    // with a folder whose stamp did not change with its entries.
    switch (static_cast<unsigned long>(system.f_type)) {
    case 0xEF53UL:     // ext2, ext3, ext4
    case 0x58465342UL: // xfs
    case 0x9123683EUL: // btrfs
    case 0x01021994UL: // tmpfs
    case 0xF2F52010UL: // f2fs
    case 0x2FC12FC1UL: // zfs
        stamp.reliable = timesFit;
        break;
    default:
        stamp.reliable = false;
    }
    return stamp;
}

std::int64_t wallClockNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

bool replaceFileUnsynced(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string temp = (folder / saveTemporaryPattern(path.filename().string())).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    const bool written = writeAll(fd, bytes);
    ::close(fd);
    if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

FolderRead listFolder(const std::filesystem::path& folder) {
    FolderRead read;
    read.problem = visitFolder(folder, [&](std::string_view name, FileKind kind) {
        read.items.push_back({std::string(name), kind});
    });
    return read;
}

std::optional<std::string> folderProblem(const std::filesystem::path& folder) {
    DIR* dir = ::opendir(folderName(folder));
    if (dir == nullptr) {
        return openProblem(errno);
    }
    ::closedir(dir);
    return std::nullopt;
}

bool sameEntry(const std::filesystem::path& folder, std::string_view first,
               std::string_view second) {
    const std::filesystem::path base = folder.empty() ? std::filesystem::path(".") : folder;
    struct stat a {};
    struct stat b {};
    return ::lstat((base / first).c_str(), &a) == 0 && ::lstat((base / second).c_str(), &b) == 0 &&
           a.st_ino == b.st_ino && a.st_dev == b.st_dev;
}

int removeStaleTemporaries(const std::filesystem::path& folder) {
    DIR* dir = ::opendir(folderName(folder));
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

} // namespace common
