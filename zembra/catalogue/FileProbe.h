// SPDX-License-Identifier: GPL-3.0-or-later
// The existence test the scan asks of the file system, in two strengths.
#pragma once

#include "zembra/catalogue/NameSet.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zembra {

class FolderReadAhead;

/// A folder's names as a probe that lists folders holds them: lets a scan test thousands of
/// names against it with hashes it computed once.
struct ListedFolder {
    const NameSet* files = nullptr; ///< may be null
    const NameSet* more = nullptr;  ///< may be null
    /// The names are folded to lower case, and a name beyond ASCII must be asked of the file
    /// system itself.
    bool caseInsensitive = false;

    /// Whether `name` (a leaf name, folded when caseInsensitive) with NameSet::hashOf `hash`
    /// is a regular file of the folder.
    bool contains(std::string_view name, std::uint64_t hash) const {
        return (files != nullptr && files->contains(name, hash)) ||
               (more != nullptr && more->contains(name, hash));
    }
};

/// Answers whether a regular file of that name exists (a link to one counts), with the file
/// system's own case rules. Paths are given in the program's backslash form.
class FileProbe {
public:
    virtual ~FileProbe() = default;
    virtual bool isFile(std::string_view programPath) = 0;
    /// Why the folder (program form, with its trailing separator) cannot be listed, in words
    /// that follow its name ("does not exist", "cannot be read (Permission denied)"); nothing
    /// when it can. A folder that cannot be read holds no answer: the scan keeps its old list.
    virtual std::optional<std::string> folderProblem(std::string_view folder) = 0;
    /// The folders (program form) the scan is about to ask about, in its order: a probe may
    /// start reading them.
    virtual void expectFolders(const std::vector<std::string>& /*folders*/) {}
    /// The names of `folder` (program form, with its trailing separator), when the probe
    /// answers from a listing of it: `isFile` of a leaf name of it gives the same answer as
    /// ListedFolder::contains (a miss beyond ASCII in a folder that ignores case aside). Valid
    /// until the probe is next used.
    virtual std::optional<ListedFolder> listedFolder(std::string_view /*folder*/) {
        return std::nullopt;
    }
};

/// One existence test per name: simple, and slow when a catalogue of thousands of names is
/// tested against a folder.
class PerNameProbe final : public FileProbe {
public:
    bool isFile(std::string_view programPath) override;
    std::optional<std::string> folderProblem(std::string_view folder) override;
};

/// What the listing probe learns of one folder.
struct FolderContents {
    std::vector<std::string> files; ///< names of the regular files (and links to them)
    /// More regular files as a name set of the names as listed: how saved listings are handed
    /// over without a string for each name, or a set built again. May be null.
    std::shared_ptr<const NameSet> fileSet;
    /// Names whose kind was found by following them (links, entries of a file system that does
    /// not say what they are), whatever they turned out to be: their answer can change without
    /// the folder changing.
    std::vector<std::string> followed;
    /// The folder's file system ignores case (FAT, exFAT, a Windows share, a casefolded
    /// folder): "PACMAN.ZIP" is the file asked for as "pacman.zip".
    bool caseInsensitive = false;
    std::optional<std::string> problem; ///< why it could not be read, as for folderProblem
};

/// Reads a folder for the listing probe; the disk's in the program, a made-up one in tests.
class FolderLister {
public:
    virtual ~FolderLister() = default;
    /// `nativeFolder` is a native path; empty means the current folder.
    virtual FolderContents list(const std::string& nativeFolder) = 0;
};

/// Reads the folder from the disk. Whether it ignores case is found out by asking for one of
/// its names with the case of its letters flipped: only such a folder answers with the same
/// file.
class DiskFolderLister final : public FolderLister {
public:
    FolderContents list(const std::string& nativeFolder) override;
};

/// Reads each folder once and answers from that listing: the same answers as PerNameProbe for
/// as long as the folders do not change, so one is made for each scan.
class FolderListingProbe final : public FileProbe {
public:
    FolderListingProbe();
    /// Lists folders through `lister`, which must outlive the probe. With `readAhead`, the
    /// folders a scan expects are listed on a second thread ahead of it (FolderReadAhead), so
    /// `lister` must then answer from two threads at once.
    explicit FolderListingProbe(FolderLister& lister, bool readAhead = false);
    ~FolderListingProbe() override;

    bool isFile(std::string_view programPath) override;
    std::optional<std::string> folderProblem(std::string_view folder) override;
    void expectFolders(const std::vector<std::string>& folders) override;
    std::optional<ListedFolder> listedFolder(std::string_view folder) override;

private:
    struct Listing {
        /// The lister's ready set, when the folder does not ignore case.
        std::shared_ptr<const NameSet> fileSet;
        /// The other names as listed, or every name folded to lower case when the folder
        /// ignores case.
        NameSet names;
        bool caseInsensitive = false;
        std::optional<std::string> problem;
    };
    const Listing& listing(std::string_view folder);

    std::unique_ptr<FolderLister> ownLister_;
    FolderLister& lister_;
    bool readAhead_ = false;
    std::unique_ptr<FolderReadAhead> ahead_;
    std::unordered_map<std::string, Listing> listings_; ///< by folder, in program form
    std::string lastFolder_;
    const Listing* lastListing_ = nullptr;
    std::string folded_; ///< reused for the lower-case form of a name
};

/// Why a native folder cannot be listed, in words following its name; nothing when it can.
std::optional<std::string> folderReadProblem(const std::string& nativeFolder);

/// Whether a set name stays inside the folder it is looked for in. A name with a "/" or a ".."
/// part could reach any file of the disk, so it is never looked for.
bool staysInFolder(std::string_view setName);

} // namespace zembra
