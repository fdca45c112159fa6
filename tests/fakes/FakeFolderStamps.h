// SPDX-License-Identifier: GPL-3.0-or-later
// Folder stamps and a clock that a test sets, for the folder cache (no file is live).
#pragma once

#include "zembra/catalogue/FolderCache.h"

#include <map>
#include <string>

namespace testing_fakes {

class FakeFolderStamps final : public zembra::FolderStamps {
public:
    /// Each folder's stamps; a folder not here cannot be asked.
    std::map<std::string, common::FolderStamp> stamps;
    std::int64_t now = 1'000'000'000'000'000'000; ///< the wall clock, in nanoseconds

    std::optional<common::FolderStamp> stamp(const std::string& nativeFolder) override {
        const auto found = stamps.find(nativeFolder);
        return found == stamps.end() ? std::nullopt : std::optional(found->second);
    }
    std::int64_t nowNs() override { return now; }
    bool isFile(const std::string&) override { return false; }
};

} // namespace testing_fakes
