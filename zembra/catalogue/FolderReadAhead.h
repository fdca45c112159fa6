// SPDX-License-Identifier: GPL-3.0-or-later
// Listing the folders a scan will ask for on a second thread, ahead of the scan.
#pragma once

#include "zembra/catalogue/FileProbe.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace zembra {

/// Lists the folders a scan is about to ask for on a thread of its own, in the scan's order,
/// while the scan tests names and lists folders itself: reading thousands of entries is the
/// kernel's work, and two cores do it in about half the time. Each folder is listed once, by
/// whichever thread comes to it first. `lister` must answer from several threads at once.
class FolderReadAhead {
public:
    FolderReadAhead(FolderLister& lister, const std::vector<std::string>& nativeFolders);
    ~FolderReadAhead();
    FolderReadAhead(const FolderReadAhead&) = delete;
    FolderReadAhead& operator=(const FolderReadAhead&) = delete;

    /// The listing of `nativeFolder`, waiting for the other thread when it is reading it;
    /// nothing when it is not one of the folders or was taken before.
    std::optional<FolderContents> take(const std::string& nativeFolder);

private:
    void readAhead();

    FolderLister& lister_;
    std::vector<std::string> folders_; ///< each once, in the scan's order
    std::unordered_map<std::string, std::size_t> index_;
    std::mutex mutex_;
    std::condition_variable listed_;
    std::vector<bool> claimed_;
    std::vector<bool> taken_;
    std::vector<std::optional<FolderContents>> results_;
    std::size_t next_ = 0;
    bool stop_ = false;
    std::thread worker_;
};

} // namespace zembra
