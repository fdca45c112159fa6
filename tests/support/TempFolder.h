// SPDX-License-Identifier: GPL-3.0-or-later
// A temporary folder per test, removed afterwards, with small file helpers.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace testing_support {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    /// The folder as the program's text form (no trailing separator).
    std::string text() const { return path_.string(); }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    /// Writes `content` to `name` (relative to the folder), creating folders on the way.
    void write(std::string_view name, std::string_view content) const;
    /// Creates an empty file, or several.
    void touch(std::string_view name) const { write(name, ""); }
    void touch(std::initializer_list<std::string_view> names) const {
        for (const std::string_view name : names) {
            write(name, "");
        }
    }
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;

private:
    std::filesystem::path path_;
};

} // namespace testing_support
