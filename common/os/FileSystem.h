// SPDX-License-Identifier: GPL-3.0-or-later
// The file system as both programs use it: status, reading, folder listings and safe saves.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

/// What a name is, links followed to their target.
enum class FileKind { Missing, File, Folder, Other, Unreachable };

struct FileStatus {
    FileKind kind = FileKind::Missing;
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0; ///< last change, nanoseconds since 1970
    std::string reason;          ///< the system's words when it is Unreachable (a link loop...)
};

/// The status of `path`, its links followed.
FileStatus fileStatus(const std::filesystem::path& path);

/// A file opened for reading, closed with the object.
class ReadFile {
public:
    /// `nonBlocking`, so a pipe of that name cannot hang the reader.
    explicit ReadFile(const std::filesystem::path& path, bool nonBlocking = false);
    ~ReadFile();
    ReadFile(const ReadFile&) = delete;
    ReadFile& operator=(const ReadFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    /// The open failed because there is no such file.
    bool missing() const;
    /// The system's words for the last failure ("Permission denied").
    std::string reason() const;
    /// The open file's status; Unreachable when it cannot be asked.
    FileStatus status();
    /// Reads the next bytes, up to `size`: how many (0 at the end), nothing on an error.
    std::optional<std::size_t> read(char* into, std::size_t size);
    /// The same from `offset`, leaving the reading place alone.
    std::optional<std::size_t> readAt(char* into, std::size_t size, std::uint64_t offset);

private:
    int fd_ = -1;
    int error_ = 0;
};

struct FolderItem {
    std::string name;
    FileKind kind = FileKind::Other; ///< a link counts as what it points at
};

struct FolderRead {
    std::vector<FolderItem> items; ///< unsorted, without "." and ".."
    /// Why the folder cannot be listed, in words that follow its name ("does not exist").
    std::optional<std::string> problem;
};

/// Hands each entry of `folder` (empty: the current folder) to `visit`, without "." and "..";
/// returns why the folder cannot be listed, nothing when it could. Only links and entries of
/// file systems that do not say what they are cost a look at their target, so thousands of
/// names take milliseconds.
std::optional<std::string>
visitFolder(const std::filesystem::path& folder,
            const std::function<void(std::string_view name, FileKind kind)>& visit);

/// What a folder entry is as the folder itself says, links not followed.
enum class EntryType { File, Folder, Link, Unknown, Other };

/// Hands each entry of `folder` (empty: the current folder) to `visit` with the type the folder
/// records for it, without looking at any entry itself; returns why the folder cannot be listed.
std::optional<std::string>
visitFolderEntries(const std::filesystem::path& folder,
                   const std::function<void(std::string_view name, EntryType type)>& visit);

/// A folder's identity and change stamps: any entry added, removed or renamed changes them.
struct FolderStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t modifiedNs = 0; ///< nanoseconds since 1970
    std::int64_t changedNs = 0;
    /// The folder's file system keeps its folders' stamps up to date itself (a local disk):
    /// not a network share or a user-space file system, whose stamps can lag behind a change.
    bool reliable = false;
};

/// The stamps of `folder`, its links followed; nothing when it cannot be asked.
std::optional<FolderStamp> folderStamp(const std::filesystem::path& folder);

/// The wall clock, as file systems stamp their changes: nanoseconds since 1970.
std::int64_t wallClockNs();

/// Replaces `path` with `bytes` through a temporary file and a rename, without waiting for the
/// disk: other programs never see a half-written file, but after a power cut the file may hold
/// anything, so it is only for files that check themselves and can be rebuilt. False when any
/// step fails (no temporary is left behind).
bool replaceFileUnsynced(const std::filesystem::path& path, std::string_view bytes);

/// Lists `folder` (empty: the current folder). Only links and entries of file systems that do
/// not say what they are cost a look at their target, so thousands of names take milliseconds.
FolderRead listFolder(const std::filesystem::path& folder);

/// Why `folder` cannot be listed, as in FolderRead; nothing when it can.
std::optional<std::string> folderProblem(const std::filesystem::path& folder);

/// Whether two names in `folder` are the same entry (not following links): how a folder that
/// ignores case is recognised.
bool sameEntry(const std::filesystem::path& folder, std::string_view first,
               std::string_view second);

/// Replaces `path` with `bytes`: writes a temporary file in the same folder, syncs it,
/// renames it over the old file and syncs the folder. After a power cut the file holds either
/// its old or its new content. Returns false, with the reason in `error`, when any step fails;
/// the old file is then untouched and no temporary file is left behind.
///
/// A `path` that is a symbolic link is not replaced: its target is (the link stays). Before
/// saving, the temporaries that earlier saves into the folder left behind when they were killed
/// are removed.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error = nullptr);

/// The file a save of `path` really replaces: a link is followed to its target (through
/// further links), so the link stays and its target is updated. A dangling link names the file
/// to create.
std::filesystem::path saveTarget(const std::filesystem::path& path);

/// Removes the temporaries of saves into `folder` that did not finish: files named like a
/// save's temporary, regular, owned by this user and not held by a save in progress (a save
/// keeps its temporary locked). Returns how many were removed.
int removeStaleTemporaries(const std::filesystem::path& folder);

/// Writes every byte to the open file `fd`, going on after interruptions; false (with errno
/// set) when the system refuses.
bool writeAll(int fd, std::string_view bytes);

} // namespace common
