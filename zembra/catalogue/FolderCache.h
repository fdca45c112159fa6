// SPDX-License-Identifier: GPL-3.0-or-later
// The folder listings of the last scan, kept so that folders that did not change are not read
// again.
#pragma once

#include "common/os/FileSystem.h"
#include "zembra/catalogue/FileProbe.h"
#include "zembra/catalogue/NameSet.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

/// What the folder cache asks of the file system besides the listings themselves; the disk's
/// in the program, a made-up one in tests.
class FolderStamps {
public:
    virtual ~FolderStamps() = default;
    /// The folder's identity and change stamps; nothing when it cannot be asked.
    virtual std::optional<common::FolderStamp> stamp(const std::string& nativeFolder) = 0;
    /// The wall clock, in the stamps' nanoseconds.
    virtual std::int64_t nowNs() = 0;
    /// Whether `nativePath` is a regular file now, links followed.
    virtual bool isFile(const std::string& nativePath) = 0;
};

class DiskFolderStamps final : public FolderStamps {
public:
    std::optional<common::FolderStamp> stamp(const std::string& nativeFolder) override;
    std::int64_t nowNs() override;
    bool isFile(const std::string& nativePath) override;
};

/// How long before a listing a folder's stamps must already have been set for the listing to be
/// kept: the coarsest stamps (2 seconds on FAT) would not show a change made in the same tick.
inline constexpr std::int64_t kStampTrustNs = 2'000'000'000;

/// A lister that answers a folder from the listing an earlier scan saved when the folder's
/// identity and stamps are those it had then, and lists it through `lister` otherwise. Its
/// answers are always those a fresh listing would give: a folder changed in any way is listed
/// again, and entries whose kind a listing cannot know (links) are looked at on every scan.
/// `list` may be called from several threads at once.
class FolderCache final : public FolderLister {
public:
    /// `lister` and `stamps` must outlive the cache.
    FolderCache(FolderLister& lister, FolderStamps& stamps);

    /// Takes the listings an earlier scan saved. Bytes that are damaged, cut short, of another
    /// version or too large are ignored: every folder is then listed.
    /// The listings' names and tables are read where they lie in `bytes`, which the cache keeps.
    void load(std::string bytes);

    FolderContents list(const std::string& nativeFolder) override;

    /// Whether the listings to save differ from those loaded.
    bool changed() const;
    /// The listings of the folders this scan asked for that can be trusted next time.
    std::string save() const;
    /// Folders answered from the saved listings so far.
    int reused() const;

    /// The largest cache file read: beyond it the file is not the cache's.
    static constexpr std::size_t kMaxBytes = 64u * 1024 * 1024;

private:
    struct Entry {
        common::FolderStamp stamp;
        bool caseInsensitive = false;
        std::shared_ptr<const NameSet> files; ///< regular files as listed, links left out
        std::string followed; ///< names looked at on every scan, each ending in a NUL
    };
    using Entries = std::map<std::string, std::shared_ptr<const Entry>, std::less<>>;

    FolderLister& lister_;
    FolderStamps& stamps_;
    mutable std::mutex mutex_;
    Entries loaded_;
    Entries kept_;       ///< what `save` writes
    bool dirty_ = false; ///< a new listing to save, or a loaded one to drop
    int reused_ = 0;
};

/// The name of the cache file in the program folder.
inline constexpr std::string_view kFolderCacheFile = "folders.cache";

} // namespace zembra
