// SPDX-License-Identifier: GPL-3.0-or-later
// The name sets that hold saved listings, and scans through folder listings answering as one
// test per name would.
#include "tests/support/TempFolder.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/NameSet.h"
#include "zembra/catalogue/Scan.h"
#include "zembra/startup/ProgramState.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace fs = std::filesystem;

namespace {

TEST(NameSet, FindsExactlyTheNamesPutIn) {
    std::string packed;
    for (int i = 0; i < 3000; ++i) { // beyond any first size: the table grows on the way
        packed += "p" + std::to_string(i) + ".zip" + '\0';
    }
    packed += '\0'; // an empty name between two NULs is no name
    zembra::NameSet set;
    set.adoptPacked(packed); // the storage of an empty set
    for (int i = 0; i < 3000; ++i) {
        set.insert("g" + std::to_string(i) + ".zip");
    }
    set.insert("g7.zip");
    EXPECT_EQ(set.size(), 6000u);
    for (const char* name : {"g0.zip", "g2999.zip", "p0.zip", "p2999.zip"}) {
        EXPECT_TRUE(set.contains(name)) << name;
    }
    using namespace std::literals;
    for (const std::string_view name : {""sv, "G0.zip"sv, "g0.zi"sv, "p0.zip\0"sv}) {
        EXPECT_FALSE(set.contains(name)) << name;
    }
}

/// A set taken back from names and slots saved one after the other (the slots unaligned).
std::optional<zembra::NameSet> fromSaved(const std::string& names, const std::string& slots) {
    const auto saved = std::make_shared<const std::string>(names + slots);
    const std::string_view bytes = *saved;
    return zembra::NameSet::fromSaved(saved, bytes.substr(0, names.size()),
                                      bytes.substr(names.size()));
}

TEST(NameSet, ASavedTableIsTakenBackOnlyWhenEverySearchStaysInItsNames) {
    zembra::NameSet set;
    for (int i = 0; i < 40; ++i) {
        set.insert("n" + std::to_string(i) + ".zip");
    }
    std::string slots;
    set.saveSlots(slots);
    const std::string names(set.packed());
    std::optional<zembra::NameSet> restored = fromSaved(names, slots);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->size(), 40u);
    EXPECT_TRUE(restored->contains("n39.zip"));
    EXPECT_FALSE(restored->contains("n40.zip"));
    zembra::NameSet grown = *restored; // a copy that changes leaves the saved bytes alone
    grown.insert("n40.zip");
    EXPECT_TRUE(grown.contains("n40.zip"));
    EXPECT_TRUE(grown.contains("n0.zip"));
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
        EXPECT_FALSE(fromSaved(row.names, row.slots)) << row.damage;
    }
}

/// A whole scan through the folders' listings, against the same scan with one test per name:
/// every list file, every folder's outcome and the scan table left behind must be the same.
TEST(ScanThroughListings, AnswersAsOneTestPerName) {
    testing_support::TempFolder cab;
    const std::string root = cab.text() + "\\";
    const std::vector<std::pair<std::string, std::string>> odd = {
        {"sub\\deep", "Through a sub-folder"},
        {"../up", "Leaves"},
        {"a/b", "Leaves too"},
        {"UPPER", "Case"},
        {"\xC3\x89lan", "Beyond ASCII"},
        {"dup", "Twice"},
        {"dup", "Twice"},
        {"q\"uote", "Quoted"},
        {"nodesc", ""}};
    std::vector<std::pair<std::string, std::string>> master = odd;
    for (int n = 1; master.size() < 4600; ++n) {
        master.emplace_back("g" + std::to_string(n), "Game " + std::to_string(n));
    }
    // Path 1 holds more than 4000 hits, path 2 a few (the scan table's rows past 4000 keep
    // path 1's), path 3 is configured without its last separator, Ultra 64 pairs two folders.
    for (std::size_t row = 0; row < 4300; ++row) {
        cab.touch("roms1/" + master[row].first + ".zip");
    }
    cab.touch("up.zip");
    for (const char* name : {"g5", "g9", "sub/deep", "UPPER", "g4500"}) {
        cab.touch(std::string("roms2/") + name + ".zip");
    }
    for (const char* name : {"roms3g2.zip", "roms3g3.zip", "ki/roms/g1.img", "ki2/roms/g1.img",
                             "ki2/roms/g7.img", "ki2/roms/dup.img"}) {
        cab.touch(name);
    }
    struct Run {
        std::unique_ptr<zembra::ProgramState> state = std::make_unique<zembra::ProgramState>();
        std::vector<zembra::FolderScan> done;
    };
    const auto scanWith = [&](zembra::FileProbe& probe, const std::string& program) {
        Run run;
        fs::create_directory(cab / program);
        run.state->programFolder = root + program;
        for (std::size_t row = 0; row < master.size(); ++row) {
            run.state->tables.masterList.set(static_cast<int>(row) + 1, 1, master[row].first);
            run.state->tables.masterList.set(static_cast<int>(row) + 1, 2, master[row].second);
        }
        run.state->tables.scanList.set(4999, 1, "left from before");
        zembra::EmulatorConfig& config = run.state->config;
        config.pathRomPrefix[1] = root + "roms1\\";
        config.pathRomPrefix[2] = root + "roms2\\";
        config.pathRomPrefix[3] = root + "roms3";
        config.kiDir = root + "ki\\";
        config.ki2Dir = root + "ki2\\";
        zembra::ScanObserver observer;
        observer.folderDone = [&](const zembra::FolderScan& done) { run.done.push_back(done); };
        EXPECT_FALSE(
            zembra::Scan(run.state->programFolder, config, run.state->tables, probe, observer)
                .CheckForFiles());
        return run;
    };
    zembra::FolderListingProbe listing;
    zembra::PerNameProbe perName;
    const Run fast = scanWith(listing, "fast");
    const Run plain = scanWith(perName, "plain");
    ASSERT_EQ(fast.done.size(), plain.done.size());
    for (std::size_t i = 0; i < fast.done.size(); ++i) {
        const zembra::FolderScan& a = fast.done[i];
        const zembra::FolderScan& b = plain.done[i];
        EXPECT_EQ(std::tie(a.path, a.hits, a.listHits, a.written, a.outcome),
                  std::tie(b.path, b.hits, b.listHits, b.written, b.outcome))
            << a.caption;
        EXPECT_EQ(cab.read("fast/" + a.listFile), cab.read("plain/" + b.listFile)) << a.listFile;
    }
    EXPECT_GT(fast.done[0].hits, 4000);
    EXPECT_EQ(fast.done[1].hits, 5);
    for (int row = 1; row <= zembra::kMasterRows; ++row) {
        for (int column : {1, 2}) {
            ASSERT_EQ(fast.state->tables.scanList.at(row, column),
                      plain.state->tables.scanList.at(row, column))
                << row;
        }
    }
    EXPECT_FALSE(fast.state->tables.scanList.at(4100, 1).empty()); // path 1's
    EXPECT_EQ(fast.state->tables.scanList.at(4999, 1), "left from before");
}

} // namespace
