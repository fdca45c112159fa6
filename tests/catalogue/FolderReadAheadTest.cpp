// SPDX-License-Identifier: GPL-3.0-or-later
// Folders listed ahead on a second thread: each once, each answer the one for its folder.
#include "zembra/catalogue/FolderReadAhead.h"

#include <gtest/gtest.h>
#include <map>
#include <mutex>

namespace {

/// Names each folder's one file after the folder, and counts the listings, from any thread.
class NamingLister final : public zembra::FolderLister {
public:
    zembra::FolderContents list(const std::string& folder) override {
        {
            const std::lock_guard lock(mutex);
            ++listings[folder];
        }
        zembra::FolderContents contents;
        contents.files = {folder + ".zip"};
        return contents;
    }
    std::mutex mutex;
    std::map<std::string, int> listings;
};

TEST(FolderReadAhead, EveryFolderIsListedOnceAndHandedOutOnce) {
    NamingLister lister;
    std::vector<std::string> folders;
    for (int i = 0; i < 40; ++i) {
        folders.push_back("f" + std::to_string(i));
    }
    folders.push_back("f3"); // two paths on one folder
    {
        zembra::FolderReadAhead ahead(lister, folders);
        // Asked out of order, as a scan that finds a folder missing may.
        for (const int i : {5, 0, 39, 1, 2, 3, 4}) {
            const auto contents = ahead.take("f" + std::to_string(i));
            ASSERT_TRUE(contents.has_value()) << i;
            EXPECT_EQ(contents->files, std::vector<std::string>{"f" + std::to_string(i) + ".zip"});
        }
        EXPECT_FALSE(ahead.take("f3").has_value()); // handed out already
        EXPECT_FALSE(ahead.take("elsewhere").has_value());
        // The rest is left untaken: the read-ahead stops with the scan.
    }
    for (const auto& [folder, count] : lister.listings) {
        EXPECT_EQ(count, 1) << folder;
    }
}

} // namespace
