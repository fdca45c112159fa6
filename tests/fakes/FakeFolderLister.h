// SPDX-License-Identifier: GPL-3.0-or-later
// Made-up folders for the catalogue's folder readers, keeping each folder asked for in order.
#pragma once

#include "zembra/catalogue/FileProbe.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace testing_fakes {

class FakeFolderLister final : public zembra::FolderLister {
public:
    std::map<std::string, zembra::FolderContents> folders; ///< a folder not here does not exist
    std::vector<std::string> asked;
    std::function<void()> whileListing; ///< what happens on the disk as a folder is read

    zembra::FolderContents list(const std::string& folder) override {
        asked.push_back(folder);
        if (whileListing) {
            whileListing();
        }
        zembra::FolderContents missing;
        missing.problem = "does not exist";
        const auto found = folders.find(folder);
        return found != folders.end() ? found->second : missing;
    }
};

} // namespace testing_fakes
