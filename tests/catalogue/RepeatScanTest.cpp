// SPDX-License-Identifier: GPL-3.0-or-later
// Scans one after another: the saved listings and the list files left alone when unchanged.
#include "tests/support/TempFolder.h"
#include "zembra/catalogue/FolderCache.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/NameSet.h"
#include "zembra/catalogue/Rescan.h"
#include "zembra/startup/ProgramState.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

TEST(NameSet, FindsExactlyTheNamesPutIn) {
    for (const bool adopted : {false, true}) {
        zembra::NameSet set;
        EXPECT_FALSE(set.contains("a.zip"));
        std::string packed;
        for (int i = 0; i < 3000; ++i) { // beyond any first size: the table grows on the way
            packed += "p" + std::to_string(i) + ".zip" + '\0';
        }
        packed += '\0'; // an empty name between two NULs is no name
        if (adopted) {
            set.adoptPacked(packed); // the storage of an empty set
        }
        for (int i = 0; i < 3000; ++i) {
            set.insert("g" + std::to_string(i) + ".zip");
        }
        set.insertPacked(adopted ? std::string("p7.zip") + '\0' : packed);
        set.insert("g7.zip");
        EXPECT_EQ(set.size(), 6000u);
        for (const char* name : {"g0.zip", "g2999.zip", "p0.zip", "p2999.zip"}) {
            EXPECT_TRUE(set.contains(name)) << name;
        }
        using namespace std::literals;
        for (const std::string_view name :
             {""sv, "g3000.zip"sv, "G0.zip"sv, "g0.zi"sv, "g0.zip "sv, "p0.zip\0"sv}) {
            EXPECT_FALSE(set.contains(name)) << name;
        }
    }
}

TEST(NameSet, ASavedTableIsTakenBackOnlyWhenEverySearchStaysInItsNames) {
    zembra::NameSet set;
    for (int i = 0; i < 40; ++i) {
        set.insert("n" + std::to_string(i) + ".zip");
    }
    std::string slots;
    set.saveSlots(slots);
    const std::string names(set.packed());
    const auto restored = zembra::NameSet::fromSaved(names, slots);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->size(), 40u);
    EXPECT_TRUE(restored->contains("n39.zip"));
    EXPECT_FALSE(restored->contains("n40.zip"));

    std::size_t used = 0; // the first slot that holds a name
    while (slots.substr(used, 4) == std::string(4, '\0')) {
        used += 8;
    }
    const auto withSlot = [&](std::uint32_t at, std::uint16_t size) {
        std::string damaged = slots;
        for (int i = 0; i < 4; ++i) {
            damaged[used + i] = static_cast<char>((at >> (8 * i)) & 0xFF);
        }
        damaged[used + 4] = static_cast<char>(size & 0xFF);
        damaged[used + 5] = static_cast<char>(size >> 8);
        return damaged;
    };
    struct Row {
        const char* damage;
        std::string names;
        std::string slots;
    };
    std::string full = slots; // every slot taken: a search for a missing name would not end
    for (std::size_t at = 0; at < full.size(); at += 8) {
        full.replace(at, 8, slots.substr(used, 8));
    }
    const std::vector<Row> rows = {
        {"a name beyond the block", names, withSlot(static_cast<std::uint32_t>(names.size()), 1)},
        {"a size past the block's end", names, withSlot(1, 60000)},
        {"a name that does not end at a NUL", names, withSlot(1, 2)},
        {"a name that does not start after a NUL", names, withSlot(2, 5)},
        {"no free slot", names, full},
        {"a table that is no power of two", names, slots.substr(8)},
        {"a cut slot", names, slots.substr(0, slots.size() - 3)},
        {"names without their last NUL", names.substr(0, names.size() - 1), slots},
    };
    for (const Row& row : rows) {
        EXPECT_FALSE(zembra::NameSet::fromSaved(row.names, row.slots)) << row.damage;
    }
}

class RepeatScan : public testing::Test {
protected:
    void SetUp() override {
        state->programFolder = cab.text();
        for (int row = 1; row <= 3; ++row) {
            state->tables.masterList.set(row, 1, "g" + std::to_string(row));
            state->tables.masterList.set(row, 2, "Game " + std::to_string(row));
        }
        state->config.pathRomPrefix[1] = cab.text() + "\\roms\\";
        cab.touch("roms/g1.zip");
        cab.touch("roms/g3.zip");
    }

    bool scan() {
        bool written = true;
        zembra::ScanObserver observer;
        observer.folderDone = [&](const zembra::FolderScan& done) {
            written = written && done.outcome == zembra::FolderScan::Outcome::Written;
        };
        return !zembra::rescanCatalogue(state->programFolder, state->config, state->tables,
                                        observer) &&
               written;
    }

    struct stat listStatus() const {
        struct stat info {};
        ::stat((cab / "l 1.lst").c_str(), &info);
        return info;
    }

    testing_support::TempFolder cab;
    std::unique_ptr<zembra::ProgramState> state = std::make_unique<zembra::ProgramState>();
};

TEST_F(RepeatScan, AnUnchangedListIsLeftAloneAndAChangedOneReplaced) {
    ASSERT_TRUE(scan());
    const std::string first = cab.read("l 1.lst");
    const struct stat before = listStatus();

    ASSERT_TRUE(scan()); // reported as written, as every list that is as the folder is
    const struct stat same = listStatus();
    EXPECT_EQ(same.st_ino, before.st_ino);
    EXPECT_EQ(same.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(cab.read("l 1.lst"), first);

    cab.touch("roms/g2.zip");
    ASSERT_TRUE(scan());
    EXPECT_NE(listStatus().st_ino, before.st_ino);
    EXPECT_EQ(cab.read("l 1.lst"),
              "\"g1\",\"Game 1\"\r\n\"g2\",\"Game 2\"\r\n\"g3\",\"Game 3\"\r\n");
}

TEST_F(RepeatScan, ADamagedForeignOrUnwritableCacheFileChangesNoAnswer) {
    for (const std::string& bytes : {std::string("ZMBFOLD\n garbage"), std::string(100000, 'x')}) {
        cab.write(std::string(zembra::kFolderCacheFile), bytes);
        ASSERT_TRUE(scan());
        EXPECT_EQ(cab.read("l 1.lst"), "\"g1\",\"Game 1\"\r\n\"g3\",\"Game 3\"\r\n");
    }
    fs::remove(cab / std::string(zembra::kFolderCacheFile));
    fs::create_directory(cab / std::string(zembra::kFolderCacheFile)); // cannot be read or replaced
    ASSERT_TRUE(scan());
    cab.touch("roms/g2.zip");
    ASSERT_TRUE(scan());
    EXPECT_EQ(cab.read("l 1.lst"),
              "\"g1\",\"Game 1\"\r\n\"g2\",\"Game 2\"\r\n\"g3\",\"Game 3\"\r\n");
}

} // namespace
