// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/FileProbe.h"

#include "common/os/FileSystem.h"
#include "common/text/NativePath.h"
#include "zembra/catalogue/FolderReadAhead.h"

#include <algorithm>

namespace zembra {
namespace {

std::string_view folderOf(std::string_view programPath) {
    // Both separators count: on this side of the file-system edge paths keep backslashes. A
    // plain loop: find_last_of searches its set once for every character, thousands of names a
    // folder.
    for (std::size_t end = programPath.size(); end > 0; --end) {
        if (programPath[end - 1] == '/' || programPath[end - 1] == '\\') {
            return programPath.substr(0, end);
        }
    }
    return {};
}

void foldCase(std::string_view name, std::string& out) {
    out.assign(name);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
}

/// The name with the case of every ASCII letter flipped; empty when it has no letter.
std::string flippedCase(std::string_view name) {
    std::string out(name);
    bool changed = false;
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
            changed = true;
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
            changed = true;
        }
    }
    return changed ? out : std::string();
}

} // namespace

std::optional<std::string> folderReadProblem(const std::string& nativeFolder) {
    return common::folderProblem(nativeFolder);
}

bool staysInFolder(std::string_view setName) {
    if (setName.find('/') != std::string_view::npos) {
        return false;
    }
    // A backslash is a separator once the name reaches the disk, so ".." between them climbs.
    std::size_t start = 0;
    while (start <= setName.size()) {
        const std::size_t end = std::min(setName.find('\\', start), setName.size());
        if (setName.substr(start, end - start) == "..") {
            return false;
        }
        start = end + 1;
    }
    return true;
}

bool PerNameProbe::isFile(std::string_view programPath) {
    return common::fileStatus(common::nativePath(programPath)).kind == common::FileKind::File;
}

std::optional<std::string> PerNameProbe::folderProblem(std::string_view folder) {
    return folderReadProblem(common::nativePathText(folder));
}

FolderContents DiskFolderLister::list(const std::string& nativeFolder) {
    FolderContents contents;
    std::string sample;
    std::string probeName;
    std::string target;
    contents.problem = common::visitFolderEntries(
        nativeFolder, [&](std::string_view name, common::EntryType type) {
            if (type == common::EntryType::Link || type == common::EntryType::Unknown) {
                // Only a look at the entry itself says what it is now.
                contents.followed.emplace_back(name);
                target = nativeFolder;
                if (!target.empty() && target.back() != '/') {
                    target += '/';
                }
                target += name;
                if (common::fileStatus(target).kind == common::FileKind::File) {
                    contents.files.emplace_back(name);
                }
            } else if (type == common::EntryType::File) {
                contents.files.emplace_back(name);
            }
            if (probeName.empty()) {
                probeName = flippedCase(name);
                sample = name;
            }
        });
    // A case-sensitive folder has no such name, or (rarely) a different file under it.
    contents.caseInsensitive =
        !probeName.empty() && common::sameEntry(nativeFolder, sample, probeName);
    return contents;
}

FolderListingProbe::FolderListingProbe()
    : ownLister_(std::make_unique<DiskFolderLister>()), lister_(*ownLister_) {}

FolderListingProbe::FolderListingProbe(FolderLister& lister, bool readAhead)
    : lister_(lister), readAhead_(readAhead) {}

FolderListingProbe::~FolderListingProbe() = default;

void FolderListingProbe::expectFolders(const std::vector<std::string>& folders) {
    if (!readAhead_) {
        return;
    }
    std::vector<std::string> native;
    native.reserve(folders.size());
    for (const std::string& folder : folders) {
        native.push_back(common::nativePathText(folder));
    }
    ahead_.reset();
    ahead_ = std::make_unique<FolderReadAhead>(lister_, native);
}

const FolderListingProbe::Listing& FolderListingProbe::listing(std::string_view folder) {
    if (lastListing_ != nullptr && folder == lastFolder_) {
        return *lastListing_;
    }
    auto [it, inserted] = listings_.try_emplace(std::string(folder));
    if (inserted) {
        const std::string native = common::nativePathText(folder);
        std::optional<FolderContents> ahead = ahead_ ? ahead_->take(native) : std::nullopt;
        FolderContents contents = ahead ? std::move(*ahead) : lister_.list(native);
        Listing& listing = it->second;
        listing.caseInsensitive = contents.caseInsensitive;
        listing.problem = std::move(contents.problem);
        std::size_t bytes = 0;
        for (const std::string& name : contents.files) {
            bytes += name.size() + 1;
        }
        if (listing.caseInsensitive) {
            // Folded, the ready set's names need a set of their own; folding leaves the NULs
            // between them as they are.
            if (contents.fileSet) {
                listing.names.reserve(contents.fileSet->size() + contents.files.size(),
                                      contents.fileSet->packed().size() + bytes);
                foldCase(contents.fileSet->packed(), folded_);
                listing.names.adoptPacked(std::move(folded_));
                folded_.clear();
            } else {
                listing.names.reserve(contents.files.size(), bytes);
            }
            for (const std::string& name : contents.files) {
                foldCase(name, folded_);
                listing.names.insert(folded_);
            }
        } else {
            listing.fileSet = std::move(contents.fileSet);
            listing.names.reserve(contents.files.size(), bytes);
            for (const std::string& name : contents.files) {
                listing.names.insert(name);
            }
        }
    }
    lastFolder_.assign(folder);
    lastListing_ = &it->second;
    return it->second;
}

bool FolderListingProbe::isFile(std::string_view programPath) {
    const std::string_view folder = folderOf(programPath);
    const std::string_view name = programPath.substr(folder.size());
    // "." and ".." are folders, and an empty name is the folder itself.
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    const Listing& files = listing(folder);
    if (files.caseInsensitive) {
        foldCase(name, folded_);
        if (files.names.contains(folded_)) {
            return true;
        }
        // Letters beyond ASCII fold by the file system's own tables: it is asked itself.
        const bool ascii = std::all_of(name.begin(), name.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        return !ascii && PerNameProbe().isFile(programPath);
    }
    const std::uint64_t hash = NameSet::hashOf(name);
    return (files.fileSet && files.fileSet->contains(name, hash)) ||
           files.names.contains(name, hash);
}

std::optional<ListedFolder> FolderListingProbe::listedFolder(std::string_view folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') {
        return std::nullopt;
    }
    const Listing& files = listing(folder);
    // An empty set is left out: each name asked of it would still cost a search.
    return ListedFolder{files.fileSet.get(), files.names.size() > 0 ? &files.names : nullptr,
                        files.caseInsensitive};
}

std::optional<std::string> FolderListingProbe::folderProblem(std::string_view folder) {
    return listing(folder).problem;
}

} // namespace zembra
