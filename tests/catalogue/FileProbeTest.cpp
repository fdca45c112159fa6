// SPDX-License-Identifier: GPL-3.0-or-later
// Reading each folder once must answer exactly as one existence test per name.
#include "zembra/catalogue/FileProbe.h"

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

TEST(FileProbe, FolderListingAnswersAsOneTestPerName) {
    testing_support::TempFolder cab;
    cab.touch("roms/pacman.zip");
    cab.touch("roms/Galaga.zip");
    cab.touch("roms/sub/dkong.zip");
    cab.touch("romsextra.zip");
    fs::create_directories(cab / "roms" / "folder.zip");
    fs::create_symlink(cab / "roms" / "pacman.zip", cab / "roms" / "linked.zip");
    fs::create_symlink(cab / "roms" / "absent.zip", cab / "roms" / "broken.zip");
    fs::create_directory_symlink(cab / "roms" / "sub", cab / "roms" / "sublink.zip");

    const std::string roms = cab.text() + "\\roms\\";
    const std::vector<std::string> candidates = {
        roms + "pacman.zip",
        roms + "PACMAN.zip",
        roms + "galaga.zip",
        roms + "Galaga.zip",
        roms + "folder.zip",
        roms + "linked.zip",
        roms + "broken.zip",
        roms + "sublink.zip",
        roms + "sub\\dkong.zip",
        roms + "sub/dkong.zip",
        roms + "..\\romsextra.zip",
        cab.text() + "\\roms" + "extra.zip",
        roms + ".zip",
        roms,
        roms + "..",
        cab.text() + "\\nowhere\\pacman.zip",
        roms + "pacman.zip\\",
    };
    zembra::FolderListingProbe listing;
    zembra::PerNameProbe perName;
    for (const auto& candidate : candidates) {
        EXPECT_EQ(listing.isFile(candidate), perName.isFile(candidate)) << candidate;
    }
    EXPECT_TRUE(listing.isFile(roms + "pacman.zip"));
    EXPECT_TRUE(listing.isFile(roms + "linked.zip"));
    EXPECT_FALSE(listing.isFile(roms + "PACMAN.zip"));
}

TEST(FileProbe, ListingIsTakenOncePerFolder) {
    testing_support::TempFolder cab;
    cab.touch("roms/a.zip");
    zembra::FolderListingProbe listing;
    const std::string roms = cab.text() + "/roms/";
    EXPECT_TRUE(listing.isFile(roms + "a.zip"));
    cab.touch("roms/b.zip");
    // Added after the folder was read: seen by the next scan's probe, not this one.
    EXPECT_FALSE(listing.isFile(roms + "b.zip"));
    EXPECT_TRUE(zembra::FolderListingProbe().isFile(roms + "b.zip"));
}

} // namespace
