// SPDX-License-Identifier: GPL-3.0-or-later
// Saving many files at once, each as safely as a single save, for about the cost of one.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace common {

/// Files to replace together. Each is saved as `writeFileAtomically` saves one (temporary file
/// in the same folder, rename over the old one, so a power cut leaves every file whole, old or
/// new), but the disk is waited on once for the whole batch instead of twice per file: all the
/// temporaries are written, then synced together, then renamed, then each folder is synced.
class SaveBatch {
public:
    /// Queues `bytes` to replace `path` (a link is followed, as a single save does).
    void add(std::filesystem::path path, std::string bytes);
    /// The same, but a file that already holds exactly `bytes` is left as it is (no temporary,
    /// no wait for the disk) and counts as replaced. The file is compared now, so that the
    /// batch keeps no copy of the bytes of a file left alone.
    void addUnlessSame(std::filesystem::path path, std::string_view bytes);

    std::size_t size() const { return saves_.size(); }

    /// Saves everything queued and empties the batch. Returns, for each file in the order it
    /// was added, an empty text when it was replaced or the reason when it was not (its old
    /// content then stays). A file that cannot be replaced at all (a folder in its place, a
    /// folder that cannot be written) fails alone. A write or sync that fails (a full disk, an
    /// I/O error) fails the whole batch before any file is replaced, so the files of one batch
    /// stay from one save.
    std::vector<std::string> commit();

private:
    struct Save {
        std::filesystem::path path;
        std::string bytes;
        bool same = false; ///< the file held the bytes already when they were added
    };
    std::vector<Save> saves_;
};

} // namespace common
