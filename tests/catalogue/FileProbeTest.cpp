// SPDX-License-Identifier: GPL-3.0-or-later
// Reading each folder once must answer exactly as one existence test per name.
#include "zembra/catalogue/FileProbe.h"

#include "tests/fakes/FakeFolderLister.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// What both disk probes answer for ordinary names is held in FileProbeContractTest; these are
// the names a folder listing could get wrong where one test per name would not.
TEST(FileProbe, FolderListingAnswersOddNamesAsOneTestPerName) {
    testing_support::TempFolder cab;
    cab.touch({"roms/sub/dkong.zip", "romsextra.zip"});
    const std::string roms = cab.text() + "\\roms\\";
    zembra::FolderListingProbe listing;
    zembra::PerNameProbe perName;
    for (const char* name :
         {"sub/dkong.zip", "..\\romsextra.zip", ".zip", "", "..", "sub\\..\\sub\\dkong.zip"}) {
        EXPECT_EQ(listing.isFile(roms + name), perName.isFile(roms + name)) << name;
    }
}

TEST(FileProbe, AFolderThatIgnoresCaseMatchesNamesInAnyCase) {
    // A folder as a FAT stick or a Windows share lists it, and the same names on a disk that
    // tells case apart.
    testing_fakes::FakeFolderLister lister;
    testing_support::TempFolder stick;
    for (const std::string& folder :
         {std::string("/stick/roms/"), std::string("/disk/roms/"), stick.text() + "/"}) {
        lister.folders[folder].files = {"PACMAN.ZIP", "Galaga.zip"};
        lister.folders[folder].caseInsensitive = folder != "/disk/roms/";
    }
    zembra::FolderListingProbe probe(lister);
    struct Row {
        const char* path;
        bool found;
    } rows[] = {
        {"\\stick\\roms\\PacMan.Zip", true}, {"\\stick\\roms\\GALAGA.ZIP", true},
        {"\\stick\\roms\\dkong.zip", false}, {"/disk/roms/pacman.zip", false},
        {"/disk/roms/PACMAN.ZIP", true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(probe.isFile(row.path), row.found) << row.path;
    }
    EXPECT_EQ(lister.asked, (std::vector<std::string>{"/stick/roms/", "/disk/roms/"}));

    // Letters beyond ASCII are left to the file system's own rule: it is asked directly.
    stick.touch("Pokémon.zip");
    EXPECT_TRUE(probe.isFile(stick.text() + "\\Pokémon.zip"));
    EXPECT_FALSE(probe.isFile(stick.text() + "\\POKÉMON.zip")); // this disk tells case apart
}

TEST(FileProbe, CaseRulesAndUnreadableFoldersAreFoundOnTheDisk) {
    testing_support::TempFolder cab;
    cab.touch("roms/Pacman.zip");
    zembra::DiskFolderLister lister;
    const auto roms = lister.list((cab / "roms/").string());
    EXPECT_FALSE(roms.caseInsensitive); // the test folder's file system tells case apart
    EXPECT_EQ(roms.files, std::vector<std::string>{"Pacman.zip"});

    if (::geteuid() != 0) {
        fs::create_directory(cab / "locked");
        fs::permissions(cab / "locked", fs::perms::none);
        EXPECT_EQ(zembra::FolderListingProbe().folderProblem(cab.text() + "/locked/"),
                  "cannot be read (Permission denied)");
        fs::permissions(cab / "locked", fs::perms::owner_all);
    }
}

TEST(FileProbe, OnlyNamesInsideTheFolderStayInIt) {
    for (const char* name : {"pacman", "a..b", "sub\\dkong", "...", "x\\.\\y"}) {
        EXPECT_TRUE(zembra::staysInFolder(name)) << name;
    }
    for (const char* name : {"..", "../x", "sub/x", "/etc/passwd", "a\\..\\..\\b", "..\\x"}) {
        EXPECT_FALSE(zembra::staysInFolder(name)) << name;
    }
}

} // namespace
