// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/Rescan.h"

#include "common/os/FileSystem.h"
#include "common/text/NativePath.h"
#include "zembra/catalogue/FolderCache.h"
#include "zembra/catalogue/GameLists.h"

namespace zembra {
namespace {

/// The saved listings, or nothing when there are none, or none that could be the cache's.
std::string readCacheFile(const std::filesystem::path& path) {
    common::ReadFile file(path, true);
    if (!file.isOpen()) {
        return {};
    }
    const common::FileStatus status = file.status();
    if (status.kind != common::FileKind::File || status.size > FolderCache::kMaxBytes) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(status.size), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const auto got = file.read(bytes.data() + filled, bytes.size() - filled);
        if (!got || *got == 0) {
            return {}; // cut short while it was read: listed afresh
        }
        filled += *got;
    }
    return bytes;
}

} // namespace

std::optional<std::string> scanFolders(const std::string& programFolder,
                                       const EmulatorConfig& config, GameTables& tables,
                                       ScanObserver observer) {
    const std::filesystem::path cacheFile =
        common::nativePath(programFolder + "\\" + std::string(kFolderCacheFile));
    DiskFolderLister lister;
    DiskFolderStamps stamps;
    FolderCache cache(lister, stamps);
    cache.load(readCacheFile(cacheFile));
    FolderListingProbe probe(cache, true);
    auto message = Scan(programFolder, config, tables, probe, std::move(observer)).CheckForFiles();
    if (cache.changed()) {
        // Only an optimisation: a cache that cannot be saved costs the next scan a listing.
        common::replaceFileUnsynced(cacheFile, cache.save());
    }
    return message;
}

std::optional<std::string> rescanCatalogue(const std::string& programFolder,
                                           const EmulatorConfig& config, GameTables& tables,
                                           ScanObserver observer) {
    // A catalogue that cannot be used stops everything before a list is touched.
    if (auto refused = catalogueRefusal(programFolder, tables)) {
        return refused;
    }
    DeleteList(tables);
    return scanFolders(programFolder, config, tables, std::move(observer));
}

} // namespace zembra
