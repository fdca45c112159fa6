// SPDX-License-Identifier: GPL-3.0-or-later
// Steps, pages and path switches: bounds, no wrap, empty paths skipped.
#include "zembra/browser/Navigation.h"

#include "zembra/catalogue/PathList.h"
#include "zembra/startup/ProgramState.h"

#include <gtest/gtest.h>
#include <memory>

using zembra::ItemList;

namespace {

ItemList listOf(int count, int index) {
    ItemList list;
    for (int i = 0; i < count; ++i) {
        list.add("Game " + std::to_string(i));
    }
    list.setIndex(index);
    return list;
}

TEST(Navigation, StepsAndPagesByMidIndexStopAtTheEndsWithoutWrapping) {
    auto list = listOf(2, 0);
    zembra::stepUp(list);
    EXPECT_EQ(list.index(), 0);
    zembra::stepDown(list);
    zembra::stepDown(list);
    EXPECT_EQ(list.index(), 1);

    // Twelve games, pages of 4. From 7 the 4 games left equal the page: straight to the last.
    const struct {
        int from;
        bool down;
        int to;
    } rows[] = {{3, true, 7}, {7, true, 11}, {11, true, 11}, {5, false, 1}, {3, false, 0}};
    for (const auto& row : rows) {
        auto paged = listOf(12, row.from);
        std::int16_t saved = -5;
        row.down ? zembra::gNextPage(paged, 4, saved) : zembra::gPrevPage(paged, 4, saved);
        EXPECT_EQ(paged.index(), row.to) << row.from << (row.down ? " down" : " up");
        EXPECT_EQ(saved, row.to);
    }
    ItemList empty;
    std::int16_t saved = 0;
    zembra::stepDown(empty);
    zembra::stepUp(empty);
    zembra::gNextPage(empty, 4, saved);
    zembra::gPrevPage(empty, 4, saved);
    EXPECT_EQ(empty.index(), -1);
}

class PathSwitchTest : public testing::Test {
protected:
    void SetUp() override {
        for (int path : {1, 2, 5, 26, 27}) {
            state->tables.pathGames[path].set(1, 1, "g" + std::to_string(path));
            state->tables.pathGames[path].set(1, 2, "Game on " + std::to_string(path));
        }
        state->list1.setVisible(true);
    }

    std::optional<zembra::PathHeading> populate() {
        return zembra::populateList(state->programFolder, state->config, state->tables,
                                    state->curPath, state->list1);
    }

    void switchTo(bool forward) {
        zembra::switchPath(forward, state->curPath, state->list1, state->savedIndex,
                           [this] { populate(); });
    }

    std::unique_ptr<zembra::ProgramState> state = std::make_unique<zembra::ProgramState>();
};

// Skipping empty paths both ways and the wrap are seen in the browser's own tests.
TEST_F(PathSwitchTest, GivesUpAfterOneRoundWhenEveryPathIsEmptyAndWaitsWhileRebuilding) {
    zembra::DeleteList(state->tables);
    state->tables.pathGames[27].clear();
    state->curPath = 3;
    switchTo(true);
    EXPECT_EQ(state->curPath, 3);
    EXPECT_EQ(state->list1.count(), 0);

    SetUp();
    state->list1.setVisible(false);
    switchTo(true);
    EXPECT_EQ(state->curPath, 3);
}

TEST_F(PathSwitchTest, PopulateListNamesDaphneAndSaysWhenThereIsNothing) {
    // The captions and logos of configured paths are seen in the browser's own tests.
    state->curPath = 26;
    EXPECT_EQ(populate()->caption, "Daphne:");

    zembra::DeleteList(state->tables);
    state->tables.pathGames[27].clear();
    state->tables.pathGames[9].set(1, 1, "only");
    EXPECT_TRUE(populate()); // path 9 counts too
    state->tables.pathGames[9].clear();
    EXPECT_FALSE(populate());
    EXPECT_EQ(state->list1.count(), 0); // path 26's list was emptied by then; left as it was
}

} // namespace
