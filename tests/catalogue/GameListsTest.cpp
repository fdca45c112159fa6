// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the catalogue: gamelist.lst, list files, extra.lst and which paths are read.
#include "zembra/catalogue/GameLists.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <memory>

using zembra::StringTable;

namespace {

std::string numberedRecords(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "\"g" + std::to_string(i) + "\",\"Game " + std::to_string(i) + "\"\r\n";
    }
    return text;
}

TEST(GameLists, RecordsAreReadByItemsUpTo4000AndAHalfRecordAtTheEndIsDropped) {
    StringTable table(4000, 2);
    zembra::readGameList("pacman, \"Pac-Man, Midway\"\nmspacman,Ms. Pac-Man  \r\n1942\n", table);
    EXPECT_EQ(table.count(), 2);
    EXPECT_EQ(table.at(1, 2), "Pac-Man, Midway");
    EXPECT_EQ(table.at(2, 2), "Ms. Pac-Man  ");
    EXPECT_EQ(table.at(3, 1), "");
    zembra::readGameList(numberedRecords(4001), table);
    EXPECT_EQ(table.count(), 4000);
    EXPECT_EQ(table.at(4000, 1), "g4000");
}

TEST(GameLists, AShorterMasterListLeavesNoOldEntriesBehind) {
    StringTable master(5000, 2);
    EXPECT_TRUE(zembra::readMasterList(numberedRecords(10), master));
    EXPECT_TRUE(zembra::readMasterList(numberedRecords(4), master));
    EXPECT_EQ(master.count(), 4);
    EXPECT_EQ(master.at(5, 1), "");
    EXPECT_FALSE(zembra::readMasterList(numberedRecords(5001), master));
    EXPECT_EQ(master.count(), 5000);
}

TEST(GameLists, ExtrasAreLabelledRecordsBetweenFreeTextAndOneCutOffByTheEndIsDropped) {
    StringTable extras(4000, 4);
    zembra::readExtras(
        "My extras, for the kids\r\n"
        "{\r\nExe=tetris.exe \r\nCaption=  Tetris \r\nPath=C:\\games\\\r\n"
        "CmdLine=-fs\r\n}\r\n"
        "between records\r\n"
        "  {  \r\nExe=doom.exe\r\nCaption=Doom\r\nPath=D:\\doom\\\r\nCmdLine=\r\n}\r\n"
        "{\r\nExe=quake.exe\r\nCaption=Quake\r\n",
        extras);
    EXPECT_EQ(extras.count(), 2);
    EXPECT_EQ(extras.at(1, 1), "tetris.exe");
    EXPECT_EQ(extras.at(1, 2), "Tetris");
    EXPECT_EQ(extras.at(1, 3), "C:\\games\\");
    EXPECT_EQ(extras.at(1, 4), "-fs");
    EXPECT_EQ(extras.at(2, 3), "D:\\doom\\");
    EXPECT_EQ(extras.at(2, 4), "");
}

TEST(GameLists, AnExtrasRecordWithoutItsDescriptionShiftsTheRest) {
    StringTable extras(4000, 4);
    zembra::readExtras("{\r\nExe=a.exe\r\nPath=C:\\a\\\r\nCmdLine=-x\r\n}\r\n"
                       "{\r\nExe=b.exe\r\nCaption=B\r\nPath=C:\\b\\\r\nCmdLine=\r\n}\r\n",
                       extras);
    // The folder line becomes the description (minus 8 characters), and "}" the arguments;
    // the next record's "{" is taken as the closer, so that record is lost.
    EXPECT_EQ(extras.at(1, 2), "a\\");
    EXPECT_EQ(extras.at(1, 3), "ne=-x");
    EXPECT_EQ(extras.at(1, 4), "");
    EXPECT_EQ(extras.count(), 1);
}

class LoadListsTest : public testing::Test {
protected:
    void SetUp() override {
        state->programFolder = cab.text();
        cab.write("gamelist.lst", numberedRecords(5));
    }

    testing_support::TempFolder cab;
    std::unique_ptr<zembra::ProgramState> state = std::make_unique<zembra::ProgramState>();
};

TEST_F(LoadListsTest, LoadsConfiguredPathsOnlyAndCreatesMissingListFiles) {
    cab.write("l 1.lst", numberedRecords(3));
    cab.write("l 2.lst", numberedRecords(2)); // path 2 is not configured
    state->config.pathRomPrefix[1] = "C:\\roms\\";
    state->config.pathRomPrefix[4] = "C:\\more\\";
    state->config.ki2Dir = "C:\\ki2\\";
    cab.write("l23.lst", "\"ki2\",\"Killer Instinct 2\"\r\n");
    EXPECT_FALSE(zembra::loadLists(*state));
    EXPECT_EQ(state->tables.masterList.count(), 5);
    EXPECT_EQ(state->tables.pathGames[1].count(), 3);
    EXPECT_EQ(state->tables.pathGames[2].count(), 0);
    EXPECT_EQ(state->tables.pathGames[23].at(1, 1), "ki2");
    EXPECT_TRUE(cab.exists("l 4.lst"));
    EXPECT_EQ(cab.read("l 4.lst"), "");
    EXPECT_EQ(state->curPath, 23);
}

TEST_F(LoadListsTest, ExtrasLoadWhenExtraLstExistsAndEndOnPath27) {
    cab.write("extra.lst", "{\r\nExe=a.exe\r\nCaption=A\r\nPath=C:\\a\\\r\nCmdLine=\r\n}\r\n");
    EXPECT_FALSE(zembra::loadLists(*state));
    EXPECT_TRUE(state->found);
    EXPECT_EQ(state->curPath, 27);
    EXPECT_EQ(state->tables.pathGames[27].count(), 1);

    cab.write("extra.lst", "nothing here\r\n");
    EXPECT_FALSE(zembra::loadLists(*state));
    EXPECT_EQ(state->tables.pathGames[27].count(), 0);
}

TEST_F(LoadListsTest, WithoutACatalogueNothingIsLoaded) {
    cab.write("l 1.lst", numberedRecords(3));
    state->config.pathRomPrefix[1] = "C:\\roms\\";
    std::filesystem::remove(cab / "gamelist.lst");
    auto message = zembra::loadLists(*state);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("gamelist.lst is not found"), std::string::npos);
    EXPECT_EQ(state->tables.pathGames[1].count(), 0);

    cab.write("gamelist.lst", numberedRecords(5001));
    message = zembra::loadLists(*state);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("more than 5000"), std::string::npos);
    EXPECT_EQ(state->tables.pathGames[1].count(), 0);
}

TEST_F(LoadListsTest, RowsPastTheEndOfAListKeepWhatTheyHeld) {
    state->config.pathRomPrefix[1] = "C:\\roms\\";
    cab.write("l 1.lst", numberedRecords(3));
    zembra::loadLists(*state);
    cab.write("l 1.lst", "\"x\",\"X\"\r\n");
    zembra::loadLists(*state);
    // Only a rescan empties the tables first.
    EXPECT_EQ(state->tables.pathGames[1].count(), 3);
    EXPECT_EQ(state->tables.pathGames[1].at(1, 1), "x");
    zembra::DeleteList(state->tables);
    zembra::loadLists(*state);
    EXPECT_EQ(state->tables.pathGames[1].count(), 1);
}

} // namespace
