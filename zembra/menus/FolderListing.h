// SPDX-License-Identifier: GPL-3.0-or-later
// Listing a folder's entries in the order the file system gives them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zembra {

struct FolderEntry {
    std::string name;
    bool isFolder = false; ///< a folder, or a link to one
};

class FolderListing {
public:
    virtual ~FolderListing() = default;
    /// The entries of `folder` without "." and "..", unsorted; empty when it cannot be listed.
    virtual std::optional<std::vector<FolderEntry>>
    entries(const std::filesystem::path& folder) const = 0;
};

/// The file system's own listing.
class SystemFolderListing : public FolderListing {
public:
    std::optional<std::vector<FolderEntry>>
    entries(const std::filesystem::path& folder) const override;
};

} // namespace zembra
