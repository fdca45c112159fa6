// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/FileProbe.h"

#include "common/text/NativePath.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace zembra {

bool PerNameProbe::isFile(std::string_view programPath) {
    std::error_code ec;
    return fs::is_regular_file(common::nativePath(programPath), ec);
}

const FolderListingProbe::Listing& FolderListingProbe::listing(const std::string& folder) {
    if (lastListing_ != nullptr && folder == lastFolder_) {
        return *lastListing_;
    }
    auto [it, inserted] = listings_.try_emplace(folder);
    if (inserted) {
        std::error_code ec;
        for (fs::directory_iterator entries(folder.empty() ? fs::path(".") : fs::path(folder), ec),
             end;
             !ec && entries != end; entries.increment(ec)) {
            std::error_code typeError;
            // The entry's type comes with the listing; only links cost a look at their target.
            if (entries->is_regular_file(typeError)) {
                it->second.insert(entries->path().filename().string());
            }
        }
    }
    lastFolder_ = folder;
    lastListing_ = &it->second;
    return it->second;
}

bool FolderListingProbe::isFile(std::string_view programPath) {
    const std::string path = common::nativePathText(programPath);
    const auto slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    // "." and ".." are folders, and an empty name is the folder itself.
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    return listing(folder).contains(name);
}

} // namespace zembra
