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
    for (int i = 0; i < count; ++i)
        list.add("Game " + std::to_string(i));
    list.setIndex(index);
    return list;
}

// Pages down to the last game and steps are run end to end; here the top end and an empty list.
TEST(Navigation, StepsAndPagesStopAtTheTopAndAnEmptyListStaysEmpty) {
    auto list = listOf(2, 0);
    zembra::stepUp(list);
    EXPECT_EQ(list.index(), 0);
    auto paged = listOf(12, 3); // pages of 4: from 3 a page up is the first game, no wrap
    std::int16_t saved = -5;
    zembra::gPrevPage(paged, 4, saved);
    EXPECT_EQ(paged.index(), 0);
    EXPECT_EQ(saved, 0);
    ItemList empty;
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
