// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/FileProbe.h"

#include "common/text/NativePath.h"

#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace fs = std::filesystem;

namespace zembra {

bool PerNameProbe::isFile(std::string_view programPath) {
    std::error_code ec;
    return fs::is_regular_file(common::nativePath(programPath), ec);
}

const FolderListingProbe::Listing& FolderListingProbe::listing(std::string_view folder) {
    if (lastListing_ != nullptr && folder == lastFolder_) {
        return *lastListing_;
    }
    auto [it, inserted] = listings_.try_emplace(std::string(folder));
    if (inserted) {
        const std::string native = common::nativePathText(folder);
        // readdir hands over each entry's type, so only links cost a look at their target;
        // thousands of files per folder are read in a few milliseconds.
        if (DIR* dir = ::opendir(native.empty() ? "." : native.c_str())) {
            Listing& files = it->second;
            while (const dirent* entry = ::readdir(dir)) {
                bool regular = entry->d_type == DT_REG;
                if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
                    struct stat target {};
                    regular = ::fstatat(::dirfd(dir), entry->d_name, &target, 0) == 0 &&
                              S_ISREG(target.st_mode);
                }
                if (regular) {
                    files.emplace(entry->d_name);
                }
            }
            ::closedir(dir);
        }
    }
    lastFolder_.assign(folder);
    lastListing_ = &it->second;
    return it->second;
}

bool FolderListingProbe::isFile(std::string_view programPath) {
    // Both separators count: on this side of the file-system edge paths keep backslashes.
    const auto slash = programPath.find_last_of("/\\");
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : programPath.substr(0, slash + 1);
    const std::string_view name =
        slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    // "." and ".." are folders, and an empty name is the folder itself.
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    const Listing& files = listing(folder);
    return files.find(name) != files.end();
}

} // namespace zembra
