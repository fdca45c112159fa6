// SPDX-License-Identifier: GPL-3.0-or-later
// The scan: which files count, what the list files hold, the limits of 4000 and 5000, and
// rescans that leave unchanged lists alone.
#include "zembra/catalogue/Scan.h"

#include "tests/support/TempFolder.h"
#include "zembra/catalogue/FolderCache.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/Rescan.h"
#include "zembra/catalogue/ScanMessages.h"
#include "zembra/startup/ProgramState.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using zembra::FolderScan;

namespace {

class ScanTest : public testing::Test {
protected:
    void SetUp() override { state->programFolder = cab.text(); }

    /// The catalogue's entries, and files in the cabinet.
    void catalogue(const std::vector<std::pair<std::string, std::string>>& entries,
                   const std::vector<std::string>& files = {}) {
        int row = 1;
        for (const auto& [name, description] : entries) {
            state->tables.masterList.set(row, 1, name);
            state->tables.masterList.set(row++, 2, description);
        }
        for (const std::string& file : files) {
            cab.touch(file);
        }
    }

    /// A catalogue of `count` games named g1, g2, ..., each with a file in each of `folders`.
    void numbered(int count, const std::vector<std::string>& folders = {}) {
        for (int row = 1; row <= count; ++row) {
            state->tables.masterList.set(row, 1, "g" + std::to_string(row));
            state->tables.masterList.set(row, 2, "Game " + std::to_string(row));
            for (const std::string& file : folders) {
                cab.touch(file + "/g" + std::to_string(row) + (file == "roms" ? ".zip" : ".img"));
            }
        }
    }

    /// Rescans as the program does, through the saved folder listings; true when the rescan
    /// ran and every list is as its folder is.
    bool rescan() {
        bool written = true;
        zembra::ScanObserver observer;
        observer.folderDone = [&](const FolderScan& done) {
            written = written && done.outcome == FolderScan::Outcome::Written;
        };
        return !zembra::rescanCatalogue(state->programFolder, state->config, state->tables,
                                        observer) &&
               written;
    }

    /// The folder as quarn.ini holds it: Windows separators, trailing backslash.
    std::string folder(const std::string& name) const { return cab.text() + "\\" + name + "\\"; }

    /// Scans afresh.
    std::vector<FolderScan> scan() {
        zembra::FolderListingProbe probe;
        zembra::ScanObserver observer;
        observer.pathCaption = [this](std::string_view text) { captions.emplace_back(text); };
        observer.listMessage = [this](std::string_view text) { messages.emplace_back(text); };
        observer.folderDone = [this](const FolderScan& done) { results.push_back(done); };
        results.clear();
        EXPECT_FALSE(
            zembra::Scan(state->programFolder, state->config, state->tables, probe, observer)
                .CheckForFiles());
        return results;
    }

    testing_support::TempFolder cab;
    std::unique_ptr<zembra::ProgramState> state = std::make_unique<zembra::ProgramState>();
    std::vector<std::string> captions;
    std::vector<std::string> messages;
    std::vector<FolderScan> results;
};

TEST_F(ScanTest, ListFilesHoldHitsInCatalogueOrderQuotedWithCrLf) {
    catalogue({{"dkong", "Donkey Kong"},
               {"pacman", "Pac-Man"},
               {"nodesc", ""},
               {"sf2", "Street Fighter II"},
               {"galaga", "Galaga, Namco"},
               {"tempest", "Tempest"}},
              {"roms/pacman.zip", "roms/dkong.zip", "roms/nodesc.zip", "roms/galaga.zip",
               "roms/SF2.zip", "roms/sf2.ZIP", "roms/sf2", "roms/readme.txt"});
    std::filesystem::create_directories(cab / "roms" / "tempest.zip"); // a folder, not a game
    // A second path on the same folder gets an identical list file.
    state->config.pathRomPrefix[3] = folder("roms");
    state->config.pathRomPrefix[12] = folder("roms");

    const auto done = scan();
    ASSERT_EQ(done.size(), 2u);
    EXPECT_EQ(done[0].hits, 4); // the game without a description is found, not listed
    EXPECT_EQ(
        cab.read("l 3.lst"),
        "\"dkong\",\"Donkey Kong\"\r\n\"pacman\",\"Pac-Man\"\r\n\"galaga\",\"Galaga, Namco\"\r\n");
    EXPECT_EQ(cab.read("l 12.lst"), cab.read("l 3.lst"));
    EXPECT_EQ(captions, (std::vector<std::string>{"path 3: " + folder("roms"),
                                                  "path 12: " + folder("roms")}));
    EXPECT_EQ(messages, std::vector<std::string>{std::string(zembra::kScanningMessage)});
}

TEST_F(ScanTest, FixedEmulatorsUseTheirOwnFoldersAndExtensions) {
    catalogue(
        {{"sfex", "Street Fighter EX"}, {"afm", "Attack from Mars"}, {"lair", "Dragon's Lair"}},
        {"impact/roms/sfex.zip", "impact/sfex.zip.bak", "vp/tables/afm.vpt", "vp/roms/afm.zip",
         "daphne/lair.txt", "daphne/roms/lair.zip"});
    auto& c = state->config;
    c.impactDir = folder("impact");
    c.vpDir = folder("vp");
    c.daphneDir = folder("daphne");

    scan();
    EXPECT_EQ(cab.read("l21.lst"), "\"sfex\",\"Street Fighter EX\"\r\n");
    EXPECT_EQ(cab.read("l24.lst"), "\"afm\",\"Attack from Mars\"\r\n");
    EXPECT_EQ(cab.read("l26.lst"), "\"lair\",\"Dragon's Lair\"\r\n");
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Impact Roms: ", "Visual Pinball: ", "Daphne: "}));
}

TEST_F(ScanTest, UltraFoldersShareOneListFileWrittenOnce) {
    catalogue({{"ki", "Killer Instinct"}, {"ki2", "Killer Instinct 2"}, {"x", "X"}},
              {"ki/roms/ki2.img", "ki2/roms/ki.img", "ki2/roms/x.zip"});
    state->config.kiDir = folder("ki");
    state->config.ki2Dir = folder("ki2");
    scan();
    // The first folder's hits, then the second's, each in catalogue order.
    EXPECT_EQ(cab.read("l23.lst"),
              "\"ki2\",\"Killer Instinct 2\"\r\n\"ki\",\"Killer Instinct\"\r\n");

    // The second folder alone still fills the list: the unset first one ("roms/" in the
    // current folder) is no fault.
    state->config.kiDir.clear();
    scan();
    EXPECT_EQ(results[1].outcome, FolderScan::Outcome::Written);
    EXPECT_EQ(cab.read("l23.lst"), "\"ki\",\"Killer Instinct\"\r\n");

    // A configured folder that cannot be read keeps the shared list as it was.
    state->config.kiDir = folder("gone");
    scan();
    EXPECT_EQ(results[1].outcome, FolderScan::Outcome::FolderUnreadable);
    EXPECT_EQ(cab.read("l23.lst"), "\"ki\",\"Killer Instinct\"\r\n");
}

TEST_F(ScanTest, QuotesInNamesAreWrittenSoTheyReadBackWhole) {
    catalogue({{"say\"hi", "The \"best\" game, ever"}}, {"roms/say\"hi.zip"});
    state->config.pathRomPrefix[1] = folder("roms");
    scan();
    EXPECT_EQ(cab.read("l 1.lst"), "\"say'hi\",\"The 'best' game, ever\"\r\n");
    zembra::StringTable table(4000, 2);
    zembra::readGameList(cab.read("l 1.lst"), table);
    EXPECT_EQ(table.at(1, 2), "The 'best' game, ever");
}

TEST_F(ScanTest, NamesThatLeaveTheFolderAreNeverLookedFor) {
    // The names themselves are FileProbeTest's; here the scan asks for none that leave.
    catalogue({{"../secret", "Up"}, {"a..b", "Dots"}, {"sub\\galaga", "Backslash"}},
              {"secret.zip", "roms/a..b.zip", "roms/sub/galaga.zip"});
    state->config.pathRomPrefix[1] = folder("roms");
    scan();
    // A backslash is the folder separator of the stored names, and stays inside.
    EXPECT_EQ(cab.read("l 1.lst"), "\"a..b\",\"Dots\"\r\n\"sub\\galaga\",\"Backslash\"\r\n");
}

TEST_F(ScanTest, ACatalogueOfExactly5000EntriesWritesNoListFileAndAListHoldsAtMost4000Hits) {
    numbered(4001, {"roms"});
    numbered(5000);
    cab.write("l 1.lst", "\"kept\",\"Kept\"\r\n");
    state->config.pathRomPrefix[1] = folder("roms");
    auto done = scan();
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].outcome, FolderScan::Outcome::CatalogueFull);
    EXPECT_EQ(cab.read("l 1.lst"), "\"kept\",\"Kept\"\r\n");

    // One entry fewer and the catalogue ends inside the table: the list is written.
    state->tables.masterList.clearRows(5000, 5000);
    done = scan();
    EXPECT_EQ(done[0].outcome, FolderScan::Outcome::Written);
    EXPECT_EQ(zembra::folderOutcomeText(done[0]),
              "4000 games -> l 1.lst (4001 found, but a list holds at most 4000: the first 4000 "
              "are listed)");
    const std::string list = cab.read("l 1.lst");
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 4000);
    EXPECT_TRUE(list.ends_with("\"g4000\",\"Game 4000\"\r\n"));
}

TEST_F(ScanTest, MoreThan5000HitsAbandonTheFolder) {
    numbered(2600, {"ki/roms", "ki2/roms"});
    state->config.kiDir = folder("ki");
    state->config.ki2Dir = folder("ki2");
    cab.write("l23.lst", "\"old\",\"Old\"\r\n");
    const auto done = scan();
    ASSERT_EQ(done.size(), 2u);
    EXPECT_EQ(done[1].outcome, FolderScan::Outcome::TooManyHits);
    EXPECT_EQ(cab.read("l23.lst"), "\"old\",\"Old\"\r\n");
}

TEST_F(ScanTest, ARescanLeavesAnUnchangedListAloneAndReplacesAChangedOne) {
    numbered(3);
    catalogue({}, {"roms/g1.zip", "roms/g3.zip"});
    state->config.pathRomPrefix[1] = folder("roms");
    const auto listStatus = [&] {
        struct stat info {};
        ::stat((cab / "l 1.lst").c_str(), &info);
        return info;
    };
    ASSERT_TRUE(rescan());
    const std::string first = cab.read("l 1.lst");
    const struct stat before = listStatus();

    ASSERT_TRUE(rescan()); // reported as written, as every list that is as the folder is
    EXPECT_EQ(listStatus().st_ino, before.st_ino);
    EXPECT_EQ(cab.read("l 1.lst"), first);

    cab.touch("roms/g2.zip");
    ASSERT_TRUE(rescan());
    EXPECT_NE(listStatus().st_ino, before.st_ino);
    EXPECT_EQ(cab.read("l 1.lst"),
              "\"g1\",\"Game 1\"\r\n\"g2\",\"Game 2\"\r\n\"g3\",\"Game 3\"\r\n");
}

// Which damage to the saved listings is noticed is FolderCacheTest's.
TEST_F(ScanTest, AnUnwritableSavedListingsFileChangesNoAnswer) {
    numbered(3);
    cab.touch("roms/g1.zip");
    state->config.pathRomPrefix[1] = folder("roms");
    std::filesystem::create_directory(cab / zembra::kFolderCacheFile); // cannot be read or replaced
    ASSERT_TRUE(rescan());
    cab.touch("roms/g2.zip");
    ASSERT_TRUE(rescan());
    EXPECT_EQ(cab.read("l 1.lst"), "\"g1\",\"Game 1\"\r\n\"g2\",\"Game 2\"\r\n");
}

} // namespace
