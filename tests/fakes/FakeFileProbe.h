// SPDX-License-Identifier: GPL-3.0-or-later
// A file system of names only: a test says which files exist and sees what was asked.
#pragma once

#include "zembra/catalogue/FileProbe.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace testing_fakes {

class FakeFileProbe final : public zembra::FileProbe {
public:
    std::set<std::string, std::less<>> files; ///< program paths that exist
    std::vector<std::string> asked;           ///< every name asked about, in order

    bool isFile(std::string_view programPath) override {
        asked.emplace_back(programPath);
        return files.find(programPath) != files.end();
    }
    /// Why a folder (program form, with its trailing separator) cannot be listed; a folder not
    /// here can.
    std::map<std::string, std::string, std::less<>> folderProblems;
    std::optional<std::string> folderProblem(std::string_view folder) override {
        const auto found = folderProblems.find(folder);
        return found == folderProblems.end() ? std::nullopt : std::optional(found->second);
    }
};

} // namespace testing_fakes
