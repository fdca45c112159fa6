// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace zembra {

std::optional<std::vector<FolderEntry>>
SystemFolderListing::entries(const std::filesystem::path& folder) const {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return std::nullopt;
    }
    std::vector<FolderEntry> found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        bool isFolder = entry->d_type == DT_DIR;
        // Links to skin folders elsewhere count as folders, as do entries of file systems that
        // do not say what they are.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            isFolder =
                ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        found.push_back({name, isFolder});
    }
    ::closedir(dir);
    return found;
}

} // namespace zembra
