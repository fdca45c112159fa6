// SPDX-License-Identifier: GPL-3.0-or-later
// A folder listing that gives the entries the test sets, in the test's order.
#pragma once

#include "zembra/menus/FolderListing.h"

#include <map>

namespace testing_fakes {

class FakeFolderListing : public zembra::FolderListing {
public:
    std::optional<std::vector<zembra::FolderEntry>>
    entries(const std::filesystem::path& folder) const override {
        const auto found = folders.find(folder);
        return found == folders.end() ? std::nullopt : std::optional(found->second);
    }

    /// What each folder lists; a folder not here cannot be listed.
    std::map<std::filesystem::path, std::vector<zembra::FolderEntry>> folders;
};

} // namespace testing_fakes
