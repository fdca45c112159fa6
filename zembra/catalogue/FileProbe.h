// SPDX-License-Identifier: GPL-3.0-or-later
// The existence test the scan asks of the file system, in two strengths.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace zembra {

/// Answers whether a regular file of exactly that name exists (a link to one counts).
/// Paths are given in the program's backslash form.
class FileProbe {
public:
    virtual ~FileProbe() = default;
    virtual bool isFile(std::string_view programPath) = 0;
};

/// One existence test per name: simple, and slow when a catalogue of thousands of names is
/// tested against a folder.
class PerNameProbe final : public FileProbe {
public:
    bool isFile(std::string_view programPath) override;
};

/// Reads each folder once and answers from that listing: the same answers as PerNameProbe for
/// as long as the folders do not change, so one is made for each scan.
class FolderListingProbe final : public FileProbe {
public:
    bool isFile(std::string_view programPath) override;

private:
    /// Lets a listing be searched with a string_view, so a test allocates nothing.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>()(name);
        }
    };
    using Listing = std::unordered_set<std::string, NameHash, std::equal_to<>>;
    const Listing& listing(std::string_view folder);

    std::unordered_map<std::string, Listing> listings_; ///< by folder, in program form
    std::string lastFolder_;
    const Listing* lastListing_ = nullptr;
};

} // namespace zembra
