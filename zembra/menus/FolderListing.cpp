// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/FolderListing.h"

#include "common/os/FileSystem.h"

namespace zembra {

std::optional<std::vector<FolderEntry>>
SystemFolderListing::entries(const std::filesystem::path& folder) const {
    common::FolderRead read = common::listFolder(folder);
    if (read.problem) {
        return std::nullopt;
    }
    std::vector<FolderEntry> found;
    found.reserve(read.items.size());
    // Links to skin folders elsewhere count as folders.
    for (common::FolderItem& item : read.items) {
        found.push_back({std::move(item.name), item.kind == common::FileKind::Folder});
    }
    return found;
}

} // namespace zembra
