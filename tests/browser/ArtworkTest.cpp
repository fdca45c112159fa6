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

// Configured paths use their artwork folder; Killer Instinct's artwork lives with the first
// build only; extras use their folder and the program file without its extension.
TEST_F(ArtworkTest, EachPathKindNamesItsPictureFile) {
    struct Row {
        int path;
        ArtKind kind;
        int index;
        const char* description;
        const char* file;
    } rows[] = {
        {3, ArtKind::Snap, 0, "Pac-Man", "C:\\art\\snap\\pacman.png"},
        {23, ArtKind::Marquee, 0, "Killer Instinct", "C:\\ki\\marquees\\ki.png"},
        {23, ArtKind::Marquee, 0, "killer instinct", "C:\\ki2\\marquees\\ki.png"},
        {27, ArtKind::Marquee, 0, "", "D:\\x\\marquees\\game.png"},
    };
    for (const Row& row : rows) {
        state->curPath = static_cast<std::int16_t>(row.path);
        const auto picture = zembra::artPicture(*state, row.kind, row.index, row.description);
        EXPECT_EQ(picture.file, row.file);
        EXPECT_EQ(picture.tested, row.file);
    }
    const auto spaced = zembra::artPicture(*state, ArtKind::Snap, 1, "");
    EXPECT_EQ(spaced.file, "D:\\y\\snap\\spaced.png");
    EXPECT_EQ(spaced.tested, "D:\\y\\snap\\ spaced..png"); // tested untrimmed, as always
}

TEST_F(ArtworkTest, StripCellsAroundTheSelectionHideWhatIsPastTheEnds) {
    zembra::StringTable games(4000, 2);
    for (int row = 1; row <= 4; ++row)
        games.set(row, 1, "g" + std::to_string(row));
    // First game selected, selection in cell 2: cells 0 and 1 hidden.
    auto cells = zembra::stripPictures(games, 0, 2, 5, "A\\");
    EXPECT_FALSE(cells[1].visible);
    EXPECT_EQ(cells[2].file, "A\\g1.png");
    // Last game selected: the cells after it are hidden.
    cells = zembra::stripPictures(games, 3, 2, 5, "A\\");
    EXPECT_EQ(cells[0].file, "A\\g2.png");
    EXPECT_FALSE(cells[3].visible);
}

} // namespace
