// SPDX-License-Identifier: GPL-3.0-or-later
// Saved folder listings: reused only while a folder's stamps say it is unchanged, never wrong.
#include "zembra/catalogue/FolderCache.h"

#include "tests/fakes/FakeFolderLister.h"
#include "tests/fakes/FakeFolderStamps.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kSecond = 1'000'000'000;
const std::string kRoms = "/cab/roms/";
using Files = std::set<std::string>;

std::set<std::string> filesOf(const zembra::FolderContents& contents) {
    std::set<std::string> files(contents.files.begin(), contents.files.end());
    for (std::string_view rest = contents.fileSet ? contents.fileSet->packed() : std::string_view();
         !rest.empty();) {
        const std::size_t end = rest.find('\0');
        files.emplace(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    return files;
}

/// Scans one after another, each with a new cache that starts from what the last one saved.
struct Scans {
    testing_fakes::FakeFolderLister lister;
    testing_fakes::FakeFolderStamps stamps;
    std::string saved;
    bool lastChanged = false;

    Scans() {
        stamps.stamps[kRoms] = {7, 100, stamps.now - 60 * kSecond, stamps.now - 60 * kSecond, true};
        lister.folders[kRoms].files = {"a.zip", "b.zip"};
    }
    std::set<std::string> scan(const std::string& folder = kRoms) {
        zembra::FolderCache cache(lister, stamps);
        cache.load(saved);
        const std::set<std::string> files = filesOf(cache.list(folder));
        lastChanged = cache.changed();
        if (lastChanged) {
            saved = cache.save();
        }
        return files;
    }
};

TEST(FolderCache, AFolderIsListedAgainWhenAnyStampDiffers) {
    struct Row {
        const char* change;
        std::function<void(common::FolderStamp&)> apply;
        bool listedAgain;
    };
    const std::vector<Row> rows = {
        {"nothing", [](common::FolderStamp&) {}, false},
        // A rename or a chmod moves only the change time.
        {"changed a nanosecond later", [](common::FolderStamp& s) { ++s.changedNs; }, true},
        {"another folder, the same times", [](common::FolderStamp& s) { ++s.inode; }, true},
        {"a network share", [](common::FolderStamp& s) { s.reliable = false; }, true},
    };
    for (const Row& row : rows) {
        Scans scans;
        EXPECT_EQ(scans.scan(), (Files{"a.zip", "b.zip"}));
        // The disk changes as the stamps say; a listing reused would not show it.
        scans.lister.folders[kRoms].files = {"a.zip", "c.zip"};
        row.apply(scans.stamps.stamps[kRoms]);
        EXPECT_EQ(scans.scan(),
                  row.listedAgain ? Files({"a.zip", "c.zip"}) : Files({"a.zip", "b.zip"}))
            << row.change;
        EXPECT_EQ(scans.lastChanged, row.listedAgain) << row.change;
    }
}

TEST(FolderCache, AListingIsTrustedOnlyWhenItsStampsWereAlreadyTwoSecondsOld) {
    for (const std::int64_t age : {2 * kSecond - 1, 2 * kSecond}) {
        Scans scans;
        common::FolderStamp& stamp = scans.stamps.stamps[kRoms];
        stamp.modifiedNs = scans.stamps.now - 60 * kSecond;
        stamp.changedNs = scans.stamps.now - age; // a rename, a chmod: only ctime moves
        scans.scan();
        // A change in the same tick of a coarse clock leaves the stamps as they were.
        scans.lister.folders[kRoms].files = {"a.zip", "b.zip", "late.zip"};
        scans.stamps.now += 10 * kSecond;
        const bool trusted = age >= 2 * kSecond;
        EXPECT_EQ(scans.scan().count("late.zip"), trusted ? 0u : 1u) << age;
    }
}

TEST(FolderCache, AFolderReplacedWhileItIsReadIsNotKept) {
    // The ROM folder is a link re-pointed to another set just as it is read: the names read are
    // the other set's and must not be kept under the first one's stamps.
    Scans scans;
    const common::FolderStamp first = scans.stamps.stamps[kRoms];
    scans.lister.folders[kRoms].files = {"other.zip"};
    scans.lister.whileListing = [&] { ++scans.stamps.stamps[kRoms].inode; };
    EXPECT_EQ(scans.scan(), (Files{"other.zip"}));
    scans.lister.whileListing = nullptr;
    scans.stamps.stamps[kRoms] = first; // the link points at the first set again
    scans.lister.folders[kRoms].files = {"a.zip"};
    EXPECT_EQ(scans.scan(), (Files{"a.zip"}));
}

TEST(FolderCache, AFolderThatCannotBeReadOrAskedIsNeverKept) {
    Scans scans;
    scans.stamps.stamps["/cab/gone/"] = scans.stamps.stamps[kRoms]; // stamps, then a failure
    for (const std::string folder : {"/cab/gone/", "/cab/nostamp/"}) {
        scans.scan(folder);
        scans.scan(folder);
    }
    EXPECT_EQ(scans.lister.asked.size(), 4u);
    EXPECT_TRUE(scans.saved.empty());
}

TEST(FolderCache, DamagedSavedListingsAreIgnoredAndRebuilt) {
    Scans good;
    good.lister.folders[kRoms].caseInsensitive = true;
    good.scan();
    const std::string valid = good.saved;
    ASSERT_FALSE(valid.empty());
    struct Row {
        const char* damage;
        std::function<std::string(std::string)> apply;
    };
    const std::vector<Row> rows = {
        {"none", [](std::string b) { return b; }},
        {"cut in the body", [](std::string b) { return b.substr(0, b.size() - 3); }},
        {"a byte of the body changed",
         [](std::string b) { return b.replace(b.size() - 4, 1, "A"); }},
        {"another version", [](std::string b) { return b.replace(8, 1, "\x7F"); }},
    };
    for (const Row& row : rows) {
        Scans scans;
        scans.lister.folders[kRoms].caseInsensitive = true;
        scans.saved = row.apply(valid);
        scans.lister.folders[kRoms].files = {"c.zip"};
        const bool intact = std::string(row.damage) == "none";
        zembra::FolderCache cache(scans.lister, scans.stamps);
        cache.load(scans.saved);
        const zembra::FolderContents contents = cache.list(kRoms);
        EXPECT_EQ(filesOf(contents), intact ? Files({"a.zip", "b.zip"}) : Files({"c.zip"}))
            << row.damage;
        EXPECT_TRUE(contents.caseInsensitive) << row.damage;
        EXPECT_EQ(cache.changed(), !intact) << row.damage; // rebuilt whole
    }
}

/// The disk's stamps with a clock ten seconds ahead, so that a listing is trusted at once.
class StampsAhead final : public zembra::FolderStamps {
public:
    std::optional<common::FolderStamp> stamp(const std::string& folder) override {
        return disk.stamp(folder);
    }
    std::int64_t nowNs() override { return disk.nowNs() + 10 * kSecond; }
    bool isFile(const std::string& path) override { return disk.isFile(path); }
    zembra::DiskFolderStamps disk;
};

TEST(FolderCache, AFolderStampedAfterTheYear2262IsNeverKept) {
    // Its times do not fit in the stamps' nanoseconds (a clock set wrong, a restored backup).
    testing_support::TempFolder cab;
    cab.touch("roms/a.zip");
    const timespec year2300[2] = {{10'413'792'000, 0}, {10'413'792'000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (cab / "roms").c_str(), year2300, 0), 0);
    EXPECT_FALSE(zembra::DiskFolderStamps().stamp((cab / "roms").string()).value().reliable);
}

TEST(FolderCache, EveryChangeOnTheDiskIsSeenByTheNextScan) {
    testing_support::TempFolder cab;
    cab.touch({"roms/a.zip", "roms/b.zip"});
    fs::create_symlink("../target.zip", cab / "roms" / "link.zip");
    const std::string roms = (cab / "roms").string() + "/";
    zembra::DiskFolderLister lister;
    StampsAhead stamps;
    std::string saved;
    const auto scan = [&] {
        zembra::FolderCache cache(lister, stamps);
        cache.load(saved);
        const std::set<std::string> files = filesOf(cache.list(roms));
        saved = cache.save();
        return files;
    };
    const auto onDisk = [&] {
        std::set<std::string> files;
        for (const auto& entry : fs::directory_iterator(cab / "roms")) {
            if (entry.is_regular_file()) {
                files.insert(entry.path().filename().string());
            }
        }
        return files;
    };
    struct Row {
        const char* change;
        std::function<void()> apply;
    };
    const std::vector<Row> rows = {
        {"a file added", [&] { cab.touch("roms/c.zip"); }},
        // Links are looked at on every scan: the folder does not change when a target does.
        {"a link's target appears", [&] { cab.touch("target.zip"); }},
        {"the folder replaced by another with the same time",
         [&] {
             cab.touch("other/e.zip");
             fs::last_write_time(cab / "other", fs::last_write_time(cab / "roms"));
             fs::rename(cab / "roms", cab / "old");
             fs::rename(cab / "other", cab / "roms");
         }},
    };
    EXPECT_EQ(scan(), onDisk());
    for (const Row& row : rows) {
        // A change in a later tick of the file system's clock than the last listing.
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        row.apply();
        EXPECT_EQ(scan(), onDisk()) << row.change;
        EXPECT_EQ(scan(), onDisk()) << row.change << ", again";
    }
    EXPECT_EQ(onDisk(), (Files{"e.zip"}));
}

} // namespace
