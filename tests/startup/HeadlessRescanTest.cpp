// SPDX-License-Identifier: GPL-3.0-or-later
// `zembra --rescan` on a small cabinet: what it prints, writes and returns.
#include "zembra/startup/HeadlessRescan.h"

#include "tests/support/QuarnIniBuilder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

class HeadlessRescanTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string root = cab.text() + "/";
        values.paths[1].romFolder = root + "roms/";
        values.paths[1].title = "MAME";
        values.paths[2].romFolder = root + "roms/";
        values.kiDir = root + "ki/";
        values.ki2Dir = root + "ki2/";
        cab.write("gamelist.lst", "pacman,\"Pac-Man (Midway 1980)\"\r\n"
                                  "galaga,\"Galaga (Namco 1981)\"\r\n"
                                  "ki,\"Killer Instinct (Rare 1994)\"\r\n"
                                  "ki2,\"Killer Instinct 2 (Rare 1995)\"\r\n");
        cab.touch({"roms/pacman.zip", "roms/galaga.zip", "ki/roms/ki.img", "ki2/roms/ki2.img"});
    }

    int run() {
        out.str("");
        err.str("");
        return zembra::runHeadlessRescan(cab.text(), out, err);
    }

    testing_support::TempFolder cab;
    testing_support::QuarnValues values;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(HeadlessRescanTest, WritesEveryListFilePrintsOneLinePerPathAndWarnsOnStandardError) {
    cab.write("quarn.ini", testing_support::joinLines(testing_support::quarnLines(values)));
    cab.write("extra.lst", "{\r\nExe=a.exe\r\nCaption=A\r\nPath=/a/\r\nCmdLine=\r\n}\r\n");
    cab.write("gamelist.lst", cab.read("gamelist.lst") + ",\"Nameless\"\r\n");
    ASSERT_EQ(run(), 0) << err.str();
    const std::string root = cab.text() + "/";
    EXPECT_EQ(out.str(), "path 1: " + root + "roms/  2 games -> l 1.lst\n" + "path 2: " + root +
                             "roms/  2 games -> l 2.lst\n" + "Ultra 64: " + root + "ki/roms/ + " +
                             root + "ki2/roms/  2 games -> l23.lst\n" +
                             "Scanned 3 paths against 4 games in the catalogue; 1 extra listed.\n");
    EXPECT_TRUE(cab.exists("l 2.lst")); // what the lists hold is the scan's (ScanTest)
    EXPECT_EQ(err.str(),
              "zembra: " + root + "gamelist.lst, line 5: a game without a set name is skipped\n");
}

TEST_F(HeadlessRescanTest, ACatalogueWithNothingToListStopsBeforeAnyListIsTouched) {
    cab.write("quarn.ini", testing_support::joinLines(testing_support::quarnLines(values)));
    cab.write("gamelist.lst", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    cab.write("l 1.lst", "\"kept\",\"Kept\"\r\n");
    EXPECT_EQ(run(), zembra::kRescanCannotRun);
    EXPECT_EQ(cab.read("l 1.lst"), "\"kept\",\"Kept\"\r\n");
}

TEST_F(HeadlessRescanTest, WhatCouldNotBeScannedOrSavedGoesToStandardErrorAndFailsTheRun) {
    const std::string root = cab.text() + "/";
    values.paths[2].romFolder = root + "unmounted/";
    values.paths[3].romFolder = root + "roms/";
    cab.write("quarn.ini", testing_support::joinLines(testing_support::quarnLines(values)));
    cab.write("l 2.lst", "\"kept\",\"Kept\"\r\n");
    std::filesystem::create_directory(cab / "l 3.lst"); // cannot be replaced
    EXPECT_EQ(run(), zembra::kRescanIncomplete);
    EXPECT_EQ(cab.read("l 2.lst"), "\"kept\",\"Kept\"\r\n");
    for (const std::string& said : {"path 2: " + root + "unmounted/  not scanned: " + root +
                                        "unmounted/ does not exist; l 2.lst left as it was",
                                    "path 3: " + root + "roms/  not written: cannot replace",
                                    std::string("2 lists were not rewritten")}) {
        EXPECT_NE(err.str().find(said), std::string::npos) << err.str();
    }
    // What worked, before and after the failures, is still reported where it always was.
    EXPECT_NE(out.str().find("path 1: " + root + "roms/  2 games -> l 1.lst"), std::string::npos);
    EXPECT_NE(out.str().find("Ultra 64: "), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("not "), std::string::npos) << out.str();
}

} // namespace
