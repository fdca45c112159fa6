// SPDX-License-Identifier: GPL-3.0-or-later
// Artwork names: folders per path, Killer Instinct, extras, and the strip's cells.
#include "zembra/browser/Artwork.h"

#include <gtest/gtest.h>
#include <memory>

using zembra::ArtKind;

namespace {

class ArtworkTest : public testing::Test {
protected:
    void SetUp() override {
        auto& c = state->config;
        c.pathArtDir[3] = "C:\\art\\";
        c.kiDir = "C:\\ki\\";
        c.ki2Dir = "C:\\ki2\\";
        c.daphneDir = "C:\\daphne\\";
        state->tables.pathGames[3].set(1, 1, "pacman");
        state->tables.pathGames[23].set(1, 1, "ki");
        state->tables.pathGames[23].set(2, 1, "ki2");
        auto& extras = state->tables.pathGames[27];
        extras.set(1, 1, "game.exe");
        extras.set(1, 3, "D:\\x\\");
        extras.set(2, 1, " spaced.exe ");
        extras.set(2, 3, "D:\\y\\");
    }

    std::unique_ptr<zembra::ProgramState> state = std::make_unique<zembra::ProgramState>();
};

TEST_F(ArtworkTest, ConfiguredPathsUseTheirArtworkFolder) {
    state->curPath = 3;
    const auto snap = zembra::artPicture(*state, ArtKind::Snap, 0, "Pac-Man");
    EXPECT_EQ(snap.file, "C:\\art\\snap\\pacman.png");
    EXPECT_EQ(snap.tested, snap.file);
    EXPECT_EQ(zembra::artPicture(*state, ArtKind::Cabinet, 0, "").file,
              "C:\\art\\cabinets\\pacman.png");
}

TEST_F(ArtworkTest, KillerInstinctArtworkLivesWithTheFirstBuildOnly) {
    state->curPath = 23;
    EXPECT_EQ(zembra::artPicture(*state, ArtKind::Marquee, 0, "Killer Instinct").file,
              "C:\\ki\\marquees\\ki.png");
    EXPECT_EQ(zembra::artPicture(*state, ArtKind::Marquee, 1, "Killer Instinct 2").file,
              "C:\\ki2\\marquees\\ki2.png");
    EXPECT_EQ(zembra::artPicture(*state, ArtKind::Marquee, 0, "killer instinct").file,
              "C:\\ki2\\marquees\\ki.png");
}

TEST_F(ArtworkTest, ExtrasUseTheirFolderAndTheProgramFileWithoutExtension) {
    state->curPath = 27;
    EXPECT_EQ(zembra::artPicture(*state, ArtKind::Marquee, 0, "").file,
              "D:\\x\\marquees\\game.png");
    EXPECT_EQ(zembra::artPicture(*state, ArtKind::Flyer, 0, "").file, "D:\\x\\flyers\\game.png");
    const auto spaced = zembra::artPicture(*state, ArtKind::Snap, 1, "");
    EXPECT_EQ(spaced.file, "D:\\y\\snap\\spaced.png");
    EXPECT_EQ(spaced.tested, "D:\\y\\snap\\ spaced..png"); // tested untrimmed, as always
}

TEST_F(ArtworkTest, StripKindsAndCellsAroundTheSelection) {
    EXPECT_EQ(zembra::stripKind("snap"), ArtKind::Snap);
    EXPECT_FALSE(zembra::stripKind("list"));
    EXPECT_FALSE(zembra::stripKind(""));

    zembra::StringTable games(4000, 2);
    for (int row = 1; row <= 4; ++row) {
        games.set(row, 1, "g" + std::to_string(row));
    }
    // First game selected, selection in cell 2: cells 0 and 1 hidden.
    auto cells = zembra::stripPictures(games, 0, 2, 5, "A\\");
    EXPECT_FALSE(cells[0].visible);
    EXPECT_FALSE(cells[1].visible);
    EXPECT_EQ(cells[2].file, "A\\g1.png");
    EXPECT_EQ(cells[4].file, "A\\g3.png");
    // Last game selected: the cells after it are hidden.
    cells = zembra::stripPictures(games, 3, 2, 5, "A\\");
    EXPECT_EQ(cells[0].file, "A\\g2.png");
    EXPECT_EQ(cells[2].file, "A\\g4.png");
    EXPECT_FALSE(cells[3].visible);
    EXPECT_FALSE(cells[4].visible);
}

} // namespace
