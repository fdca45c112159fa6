// SPDX-License-Identifier: GPL-3.0-or-later
// Saves on Linux: temporaries written and synced together, then renamed, then folders synced.
#include "common/os/SaveBatch.h"

#include "common/os/FileSystem.h"
#include "common/text/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {
namespace {

std::string reason(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

/// One file on its way: the temporary written next to it, still open and locked.
struct Staged {
    std::filesystem::path target;
    std::filesystem::path folder;
    std::string temp;
    int fd = -1;
    bool same = false; ///< already held the new content: left alone
};

/// Creates the temporary for `target`, locked (so another save's clean-up leaves it alone)
/// and with the old file's permissions, or the usual ones for a new file.
int openTemporary(const std::filesystem::path& target, const std::filesystem::path& folder,
                  std::string& temp) {
    temp = (folder / saveTemporaryPattern(target.filename().string())).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return -1;
    }
    ::flock(fd, LOCK_EX);
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode = ::umask(0);
        ::umask(mode);
        mode = 0666 & ~mode;
    }
    ::fchmod(fd, mode);
    return fd;
}

/// Whether the regular file `target` holds exactly `bytes`: its size is asked first, so a file
/// of another length is not read.
bool holdsAlready(const std::filesystem::path& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool same = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                static_cast<std::uintmax_t>(info.st_size) == bytes.size();
    char chunk[16384];
    while (same && !bytes.empty()) {
        const ssize_t got = ::read(fd, chunk, std::min(sizeof chunk, bytes.size()));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        same = got > 0 && std::memcmp(chunk, bytes.data(), static_cast<std::size_t>(got)) == 0;
        bytes.remove_prefix(got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    // Nothing more than the size said: a file still growing is not the same.
    same = same && ::read(fd, chunk, 1) == 0;
    ::close(fd);
    return same;
}

void discard(Staged& staged) {
    if (staged.fd >= 0) {
        ::unlink(staged.temp.c_str());
        ::close(staged.fd);
        staged.fd = -1;
    }
}

/// Waits until every temporary's bytes are on the disk. The writeback of all of them is
/// started first, so their blocks are allocated together and the first sync commits the
/// file system's journal for all; the later syncs find little left to do.
bool syncAll(std::vector<Staged>& staged, std::string& error) {
#ifdef SYNC_FILE_RANGE_WRITE
    for (const Staged& file : staged) {
        if (file.fd >= 0) {
            ::sync_file_range(file.fd, 0, 0, SYNC_FILE_RANGE_WRITE);
        }
    }
#endif
    for (const Staged& file : staged) {
        if (file.fd >= 0 && ::fdatasync(file.fd) != 0) {
            const int failure = errno;
            error = reason("cannot write " + file.target.string(), failure);
            return false;
        }
    }
    return true;
}

} // namespace

void SaveBatch::add(std::filesystem::path path, std::string bytes) {
    saves_.push_back({std::move(path), std::move(bytes)});
}

void SaveBatch::addUnlessSame(std::filesystem::path path, std::string_view bytes) {
    if (holdsAlready(saveTarget(path), bytes)) {
        saves_.push_back({std::move(path), {}, true});
        return;
    }
    saves_.push_back({std::move(path), std::string(bytes)});
}

std::vector<std::string> SaveBatch::commit() {
    std::vector<Save> saves = std::move(saves_);
    saves_.clear();
    std::vector<std::string> errors(saves.size());
    std::vector<Staged> staged(saves.size());
    std::set<std::filesystem::path> folders;
    std::string batchError;

    // Every temporary written; a write that fails stops the batch with nothing replaced.
    for (std::size_t i = 0; i < saves.size() && batchError.empty(); ++i) {
        Staged& file = staged[i];
        file.target = saveTarget(saves[i].path);
        if (saves[i].same) {
            file.same = true;
            continue;
        }
        file.folder =
            file.target.has_parent_path() ? file.target.parent_path() : std::filesystem::path(".");
        if (folders.insert(file.folder).second) {
            // Saves cut short by a kill or a power cut leave their temporaries; they go now.
            removeStaleTemporaries(file.folder);
        }
        struct stat info {};
        if (::stat(file.target.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            errors[i] = reason("cannot replace " + file.target.string(), EISDIR);
            continue;
        }
        file.fd = openTemporary(file.target, file.folder, file.temp);
        if (file.fd < 0) {
            const int error = errno;
            errors[i] = reason("cannot create a temporary file in " + file.folder.string(), error);
            continue;
        }
        if (!writeAll(file.fd, saves[i].bytes)) {
            const int error = errno;
            batchError = reason("cannot write " + file.target.string(), error);
        }
    }
    if (batchError.empty()) {
        syncAll(staged, batchError);
    }
    if (!batchError.empty()) {
        for (std::size_t i = 0; i < saves.size(); ++i) {
            discard(staged[i]);
            if (errors[i].empty() && !staged[i].same) {
                errors[i] = batchError;
            }
        }
        return errors;
    }

    // Every new content is on the disk: each rename now swaps a whole old file for a whole new
    // one, in one step of the file system's journal.
    for (std::size_t i = 0; i < saves.size(); ++i) {
        Staged& file = staged[i];
        if (file.fd < 0) {
            continue;
        }
        if (::rename(file.temp.c_str(), file.target.c_str()) != 0) {
            const int error = errno;
            errors[i] = reason("cannot replace " + file.target.string(), error);
            discard(file);
            continue;
        }
        // Closed after the rename, so the lock covers the whole life of the temporary name.
        ::close(file.fd);
        file.fd = -1;
    }
    for (const std::filesystem::path& folder : folders) {
        const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd >= 0) {
            ::fsync(dirFd);
            ::close(dirFd);
        }
    }
    return errors;
}

// One file is a batch of one: the same steps, the same messages.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error) {
    SaveBatch batch;
    batch.add(path, std::string(bytes));
    const std::vector<std::string> errors = batch.commit();
    if (errors.front().empty()) {
        return true;
    }
    if (error != nullptr) {
        *error = errors.front();
    }
    return false;
}

} // namespace common
