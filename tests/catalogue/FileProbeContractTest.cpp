// SPDX-License-Identifier: GPL-3.0-or-later
// What every file probe promises the scan, held against both disk probes and against the fake
// the scan tests use.
#include "tests/fakes/FakeFileProbe.h"
#include "tests/support/Contract.h"
#include "tests/support/TempFolder.h"
#include "zembra/catalogue/FileProbe.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

namespace fs = std::filesystem;

/// A cabinet on the disk, asked through `Probe`.
template <typename Probe>
class DiskWorld {
public:
    void file(const std::string& name) { cab_.touch(native(name)); }
    void folder(const std::string& name) { fs::create_directories(cab_ / native(name)); }
    void link(const std::string& name, const std::string& target) {
        fs::create_symlink(cab_ / native(target), cab_ / native(name));
    }
    void missingFolder(const std::string&) {}
    /// A name in the program's form: the cabinet's folder, then backslashes.
    std::string at(const std::string& name) const { return cab_.text() + "\\" + name; }
    zembra::FileProbe& probe() { return probe_; }

private:
    static std::string native(std::string name) {
        std::replace(name.begin(), name.end(), '\\', '/');
        return name;
    }
    testing_support::TempFolder cab_;
    Probe probe_;
};

/// The fake, told of the same cabinet.
class FakeWorld {
public:
    void file(const std::string& name) {
        fake_.files.insert(at(name));
        fake_.folderProblems[at(name) + "\\"] = "is not a folder";
    }
    void folder(const std::string&) {}
    void link(const std::string& name, const std::string& target) {
        if (fake_.files.count(at(target)) != 0) {
            fake_.files.insert(at(name));
        }
    }
    void missingFolder(const std::string& name) {
        fake_.folderProblems[at(name) + "\\"] = "does not exist";
    }
    std::string at(const std::string& name) const { return "\\cab\\" + name; }
    zembra::FileProbe& probe() { return fake_; }

private:
    testing_fakes::FakeFileProbe fake_;
};

template <typename World>
using FileProbeContract = testing_support::Contract<World>;

using Probes = ::testing::Types<DiskWorld<zembra::PerNameProbe>,
                                DiskWorld<zembra::FolderListingProbe>, FakeWorld>;
TYPED_TEST_SUITE(FileProbeContract, Probes);

TYPED_TEST(FileProbeContract, OnlyRegularFilesAndLinksToThemExist) {
    auto& world = this->world;
    world.file("roms\\pacman.zip");
    world.file("roms\\sub\\dkong.zip");
    world.folder("roms\\folder.zip");
    world.link("roms\\linked.zip", "roms\\pacman.zip");
    world.link("roms\\broken.zip", "roms\\absent.zip");
    world.link("roms\\sublink.zip", "roms\\sub");
    const struct {
        const char* name;
        bool exists;
    } rows[] = {
        {"roms\\linked.zip", true},    {"roms\\sub\\dkong.zip", true},
        {"roms\\PACMAN.zip", false}, // this disk tells case apart
        {"roms\\folder.zip", false},   {"roms\\sublink.zip", false},
        {"roms\\broken.zip", false},   {"nowhere\\pacman.zip", false},
        {"roms\\pacman.zip\\", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(world.probe().isFile(world.at(row.name)), row.exists) << row.name;
    }
}

TYPED_TEST(FileProbeContract, AFolderThatCannotBeListedSaysWhy) {
    auto& world = this->world;
    world.file("plain");
    world.folder("roms");
    world.missingFolder("nowhere");
    EXPECT_EQ(world.probe().folderProblem(world.at("nowhere\\")), "does not exist");
    EXPECT_EQ(world.probe().folderProblem(world.at("plain\\")), "is not a folder");
    EXPECT_EQ(world.probe().folderProblem(world.at("roms\\")), std::nullopt);
}

} // namespace
