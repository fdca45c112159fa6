// SPDX-License-Identifier: GPL-3.0-or-later
// The screensaver's rotation: the picture a pick names, and a tick that always ends.
#include "zembra/attract/Rotation.h"

#include "tests/fakes/FakeFileProbe.h"
#include "tests/fakes/FakeRandom.h"
#include "zembra/catalogue/GameTables.h"
#include "zembra/startup/EmulatorConfig.h"

#include <gtest/gtest.h>
#include <utility>

using testing_fakes::FakeFileProbe;
using testing_fakes::FakeRandom;
using zembra::RotationPick;

namespace {

// The numbers that draw a pick: the kind, path and row, each just below the whole number.
std::vector<double> draws(int kind, int path, int row) {
    return {(kind - 0.2) / 4.0, (path - 0.2) / zembra::kRotationPaths,
            (row - 0.2) / zembra::kRotationRows};
}

struct Cabinet {
    Cabinet() {
        config.pathArtDir[1] = "/cab\\art\\mame\\";
        config.pathArtDir[3] = "/cab\\art\\classics\\";
        config.pathArtDir[21] = "/cab\\emu\\impact\\";
        tables.masterList.set(1, 1, "pacman");
        tables.masterList.set(2, 1, "galaga");
        tables.masterList.set(3, 1, "../../etc/passwd");
        tables.masterList.set(3300, 1, "lastone");
    }
    zembra::EmulatorConfig config;
    zembra::GameTables tables;
};

TEST(Rotation, APickNamesItsPathsFolderTheKindAndTheGame) {
    const Cabinet cab;
    const std::pair<RotationPick, std::string> rows[] = {
        {{1, 1, 1}, "/cab\\art\\mame\\marquees\\pacman.png"},
        {{4, 21, 3300}, "/cab\\emu\\impact\\snap\\lastone.png"},
        {{1, 0, 1}, ""},    // path 0 has no folder: never looked for in the current folder
        {{1, 1, 3}, ""},    // a set name that would leave the folder
        {{1, 1, 6000}, ""}, // past the table
    };
    for (const auto& [pick, picture] : rows) {
        EXPECT_EQ(zembra::pickedPicture(pick, cab.config, cab.tables.masterList), picture)
            << pick.artKind << " " << pick.path << " " << pick.row;
    }
}

TEST(Rotation, ATickShowsTheFirstNewExistingPicture) {
    const Cabinet cab;
    FakeFileProbe probe;
    probe.files = {"/cab\\art\\mame\\snap\\pacman.png", "/cab\\art\\mame\\snap\\galaga.png"};
    std::vector<double> numbers;
    for (const auto& pick : {draws(0, 1, 1),    // kind 0: nothing
                             draws(4, 1, 1),    // the picture on the screen already
                             draws(1, 1, 1),    // missing
                             draws(4, 1, 2)}) { // new and there
        numbers.insert(numbers.end(), pick.begin(), pick.end());
    }
    FakeRandom random(numbers);
    const auto step = zembra::rotateArtwork(cab.tables.masterList, cab.config,
                                            "/cab\\art\\mame\\snap\\pacman.png", probe, random);
    EXPECT_EQ(step.picture, "/cab\\art\\mame\\snap\\galaga.png");
    // Neither the empty pick nor the picture on the screen costs a look at the disk.
    EXPECT_EQ(probe.asked, (std::vector<std::string>{"/cab\\art\\mame\\marquees\\pacman.png",
                                                     "/cab\\art\\mame\\snap\\galaga.png"}));
}

// A tick that finds nothing and its retry interval are the attract window's tests.

} // namespace
