// SPDX-License-Identifier: GPL-3.0-or-later
// What every folder listing promises the settings screens, held against the file system's own
// listing and against the fake the screen tests use.
#include "tests/fakes/FakeFolderListing.h"
#include "tests/support/Contract.h"
#include "tests/support/TempFolder.h"
#include "zembra/menus/FolderListing.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using zembra::FolderEntry;

class DiskWorld {
public:
    void file(const std::string& name) { folder_.touch(name); }
    void folder(const std::string& name) { fs::create_directories(folder_ / name); }
    void linkToFolder(const std::string& name, const std::string& target) {
        fs::create_directory_symlink(folder_ / target, folder_ / name);
    }
    fs::path at(const std::string& name) const { return folder_ / name; }
    zembra::FolderListing& listing() { return listing_; }

private:
    testing_support::TempFolder folder_;
    zembra::SystemFolderListing listing_;
};

/// The fake, told of the same folders; names are taken one level deep, as the test makes them.
class FakeWorld {
public:
    void file(const std::string& name) { add(name, false); }
    void folder(const std::string& name) {
        add(name, true);
        fake_.folders[at(name)];
    }
    void linkToFolder(const std::string& name, const std::string&) { add(name, true); }
    fs::path at(const std::string& name) const { return fs::path("/top") / name; }
    zembra::FolderListing& listing() { return fake_; }

private:
    void add(const std::string& name, bool isFolder) {
        const fs::path path = at(name);
        fake_.folders[path.parent_path()].push_back({path.filename().string(), isFolder});
    }
    testing_fakes::FakeFolderListing fake_;
};

template <typename World>
using FolderListingContract = testing_support::Contract<World>;

using Listings = ::testing::Types<DiskWorld, FakeWorld>;
TYPED_TEST_SUITE(FolderListingContract, Listings);

TYPED_TEST(FolderListingContract,
           ListsEveryEntryOnceWithLinksToFoldersAsFoldersAndNothingForAMissingFolder) {
    auto& world = this->world;
    world.folder("skins");
    world.folder("skins/plain");
    world.file("skins/readme.txt");
    world.linkToFolder("skins/elsewhere", "skins/plain");
    const auto entries = world.listing().entries(world.at("skins")).value();
    std::vector<std::pair<std::string, bool>> listed;
    for (const FolderEntry& entry : entries)
        listed.emplace_back(entry.name, entry.isFolder);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::pair<std::string, bool>>{
                          {"elsewhere", true}, {"plain", true}, {"readme.txt", false}}));
    // An empty folder can be listed; a folder that is not there cannot.
    EXPECT_TRUE(world.listing().entries(world.at("skins/plain")).value().empty());
    EXPECT_FALSE(world.listing().entries(world.at("nowhere")));
}

} // namespace
