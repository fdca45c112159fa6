// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/FolderReadAhead.h"

namespace zembra {

FolderReadAhead::FolderReadAhead(FolderLister& lister,
                                 const std::vector<std::string>& nativeFolders)
    : lister_(lister) {
    for (const std::string& folder : nativeFolders) {
        if (index_.emplace(folder, folders_.size()).second) {
            folders_.push_back(folder);
        }
    }
    claimed_.assign(folders_.size(), false);
    taken_.assign(folders_.size(), false);
    results_.resize(folders_.size());
    // One folder gives the other thread nothing to do beside the scan.
    if (folders_.size() > 1) {
        worker_ = std::thread([this] { readAhead(); });
    }
}

FolderReadAhead::~FolderReadAhead() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    if (worker_.joinable()) {
        worker_.join();
    }
}

void FolderReadAhead::readAhead() {
    for (;;) {
        std::size_t folder = 0;
        {
            const std::lock_guard lock(mutex_);
            while (next_ < folders_.size() && claimed_[next_]) {
                ++next_;
            }
            if (stop_ || next_ == folders_.size()) {
                return;
            }
            folder = next_++;
            claimed_[folder] = true;
        }
        FolderContents contents = lister_.list(folders_[folder]);
        {
            const std::lock_guard lock(mutex_);
            results_[folder] = std::move(contents);
        }
        listed_.notify_all();
    }
}

std::optional<FolderContents> FolderReadAhead::take(const std::string& nativeFolder) {
    const auto found = index_.find(nativeFolder);
    if (found == index_.end()) {
        return std::nullopt;
    }
    const std::size_t folder = found->second;
    std::unique_lock lock(mutex_);
    if (taken_[folder]) {
        return std::nullopt;
    }
    taken_[folder] = true;
    if (!claimed_[folder]) {
        // Not reached by the other thread yet: listed here, while it reads the next ones.
        claimed_[folder] = true;
        lock.unlock();
        return lister_.list(nativeFolder);
    }
    listed_.wait(lock, [&] { return results_[folder].has_value(); });
    std::optional<FolderContents> contents = std::move(results_[folder]);
    results_[folder].reset();
    return contents;
}

} // namespace zembra
