// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the catalogue: gamelist.lst, list files, extra.lst and which paths are read.
#include "zembra/catalogue/GameLists.h"

#include "tests/support/TempFolder.h"
#include "zembra/startup/ProgramState.h"

#include <gtest/gtest.h>
#include <memory>
#include <tuple>

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
    EXPECT_EQ(std::tuple(table.count(), table.at(1, 2), table.at(2, 2)),
              std::tuple(2, "Pac-Man, Midway", "Ms. Pac-Man  "));
    zembra::readGameList(numberedRecords(4001), table);
    EXPECT_EQ(std::tuple(table.count(), table.at(4000, 1)), std::tuple(4000, "g4000"));
}

TEST(GameLists, AShorterMasterListLeavesNoOldEntriesBehind) {
    StringTable master(5000, 2);
    EXPECT_TRUE(zembra::readMasterList(numberedRecords(10), master).fits);
    EXPECT_TRUE(zembra::readMasterList(numberedRecords(4), master).fits);
    EXPECT_EQ(master.at(5, 1), "");
    EXPECT_FALSE(zembra::readMasterList(numberedRecords(5001), master).fits);
    EXPECT_EQ(master.count(), 5000);
}

TEST(GameLists, BlankLinesAndNamelessRecordsDoNotEndTheCatalogue) {
    StringTable master(5000, 2);
    const std::string text = numberedRecords(100) + "\r\n  \r\n" + numberedRecords(2) +
                             ",\"No name\"\r\n\"\",\"Quoted nothing\"\r\n" +
                             "last,\"Last\"\r\n\r\n";
    const auto reading = zembra::readMasterList(text, master);
    EXPECT_EQ(std::tuple(master.count(), master.at(103, 1)), std::tuple(103, "last"));
    EXPECT_EQ(reading.emptyNameLines, (std::vector<int>{105, 106}));

    // A binary file is not a catalogue at all.
    EXPECT_TRUE(zembra::readMasterList(std::string("pac\0man,x\r\n", 12), master).notText);
    EXPECT_EQ(master.count(), 0);
}

TEST(GameLists, ExtrasAreLabelledRecordsBetweenFreeTextAndOneCutOffIsDropped) {
    StringTable extras(4000, 4);
    zembra::readExtras(
        "My extras, for the kids\r\n"
        "{\r\nExe=tetris.exe \r\nCaption=  Tetris \r\nPath=C:\\games\\\r\n"
        "CmdLine=-fs\r\n}\r\n"
        "between records\r\n"
        "  {  \r\nExe=doom.exe\r\nCaption=Doom\r\nPath=D:\\doom\\\r\nCmdLine=\r\n}\r\n"
        "{\r\nExe=quake.exe\r\nCaption=Quake\r\nPath=Q:\\\r\nCmdLine=\r\n",
        extras);
    // The last record lacks only its closing line, and is not stored either.
    EXPECT_EQ(std::tuple(extras.count(), extras.at(1, 1), extras.at(1, 2), extras.at(1, 4),
                         extras.at(2, 3)),
              std::tuple(2, "tetris.exe", "Tetris", "-fs", "D:\\doom\\"));

    // Labels are counted in characters: an accented one (UTF-8, or Windows-1252 once decoded)
    // keeps its value whole.
    extras.clear();
    zembra::readExtras("{\r\nExé=a.exe\r\nLégende=Aé\r\nPfäd=/a/\r\nCmdLine=\r\n}\r\n", extras);
    EXPECT_EQ(extras.at(1, 2), "Aé");

    // A record without its description shifts the rest.
    extras.clear();
    zembra::readExtras("{\r\nExe=a.exe\r\nPath=C:\\a\\\r\nCmdLine=-x\r\n}\r\n"
                       "{\r\nExe=b.exe\r\nCaption=B\r\nPath=C:\\b\\\r\nCmdLine=\r\n}\r\n",
                       extras);
    // The folder line becomes the description (minus 8 characters), and so on down; the next
    // record's "{" is taken as the closer, so that record is lost.
    EXPECT_EQ(std::tuple(extras.count(), extras.at(1, 2)), std::tuple(1, "a\\"));
}

class LoadListsTest : public testing::Test {
protected:
    void SetUp() override {
        state->programFolder = cab.text();
        cab.write("gamelist.lst", numberedRecords(5));
    }

    std::optional<std::string> load() {
        return zembra::loadLists(state->programFolder, state->config, state->tables,
                                 state->curPath);
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
    EXPECT_FALSE(load());
    const auto& games = state->tables.pathGames;
    EXPECT_EQ(std::tuple(games[1].count(), games[2].count(), games[23].at(1, 1), state->curPath),
              std::tuple(3, 0, "ki2", 23));
    EXPECT_EQ(cab.read("l 4.lst"), "");
}

// That extras load and the lists then open on them is StartChecksTest's.
// The command-line rescan counts the extras without loading them; it must say what the browser
// will list.
TEST_F(LoadListsTest, CountingTheExtrasAgreesWithLoadingThem) {
    const std::string record = "{\r\nExe=a.exe\r\nCaption=A\r\nPath=/a/\r\nCmdLine=\r\n}\r\n";
    std::string many;
    for (int i = 0; i < 4002; ++i) {
        many += record;
    }
    for (const std::string& text :
         {std::string(), record + "free text\r\n" + record,
          record + "{\r\nExe=\r\nCaption=B\r\nPath=/b/\r\nCmdLine=\r\n}\r\n" + record,
          record + "{\r\nExe=c.exe\r\nCaption=C\r\n", many}) {
        cab.write("extra.lst", text);
        zembra::InputExtras(cab.text(), state->tables);
        EXPECT_EQ(zembra::countExtras(cab.text()), state->tables.pathGames[27].count())
            << text.substr(0, 120);
    }
}

TEST_F(LoadListsTest, WithoutACatalogueNothingIsLoaded) {
    cab.write("l 1.lst", numberedRecords(3));
    state->config.pathRomPrefix[1] = "C:\\roms\\";
    const struct {
        std::optional<std::string> catalogue; ///< none: no gamelist.lst at all
        const char* said;
    } rows[] = {
        {std::nullopt, "gamelist.lst is missing"},
        {numberedRecords(5001), "none of them is used"}, // more than 5000 games
        // Blank or binary: no game to list.
        {"\r\n \r\n", ""},
        {std::string("\x7F\0\x01\0", 4), ""},
    };
    for (const auto& row : rows) {
        std::filesystem::remove(cab / "gamelist.lst");
        if (row.catalogue) {
            cab.write("gamelist.lst", *row.catalogue);
        }
        const auto message = load();
        ASSERT_TRUE(message) << row.said;
        EXPECT_NE(message->find(row.said), std::string::npos) << *message;
        EXPECT_EQ(state->tables.pathGames[1].count(), 0) << *message;
    }
}

TEST_F(LoadListsTest, RowsPastTheEndOfAListKeepWhatTheyHeld) {
    state->config.pathRomPrefix[1] = "C:\\roms\\";
    cab.write("l 1.lst", numberedRecords(3));
    load();
    cab.write("l 1.lst", "\"x\",\"X\"\r\n");
    load();
    // Only a rescan empties the tables first.
    EXPECT_EQ(std::tuple(state->tables.pathGames[1].count(), state->tables.pathGames[1].at(1, 1)),
              std::tuple(3, "x"));
    zembra::DeleteList(state->tables);
    load();
    EXPECT_EQ(state->tables.pathGames[1].count(), 1);
}

} // namespace
