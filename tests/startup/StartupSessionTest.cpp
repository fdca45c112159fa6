// SPDX-License-Identifier: GPL-3.0-or-later
// Where the browser opens from the saved path and index, and when the first run scans.
#include "zembra/startup/StartupSession.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

namespace {

/// Tables with `games` games in `path`, and `more` in `morePath` when that is a path.
std::unique_ptr<zembra::GameTables> tablesWith(int path, int games, int morePath = 0,
                                               int more = 0) {
    auto tables = std::make_unique<zembra::GameTables>();
    for (const auto& [p, count] : {std::pair{path, games}, {morePath, more}}) {
        for (int row = 1; p >= 1 && p <= zembra::kExtrasPath && row <= count; ++row) {
            tables->pathGames[p].set(row, 1, "rom" + std::to_string(row));
            tables->pathGames[p].set(row, 2, "Game " + std::to_string(row));
        }
    }
    return tables;
}

TEST(StartupSession, RestoresTheSavedPathAndOnlyASelectionTheListStillHas) {
    const struct {
        int savedPath;
        int savedIndex;
        int gamesInSavedPath;
        int path;
        bool restoresPath;
        int index;
    } rows[] = {
        {3, 0, 10, 3, true, 0},   // the first game, said as such
        {3, 10, 10, 3, true, -1}, // one past the end: games were removed since
        {3, 2, 0, 3, true, -1},   // the saved path has no game any more
        {1, zembra::kGameRows - 1, zembra::kGameRows, 1, true, zembra::kGameRows - 1}, // fullest
        {1, 32767, zembra::kGameRows, 1, true, -1}, // past the fullest list
        {0, 4, 10, 2, false, -1},  // no quarn.cfg yet: the path the lists opened on
        {28, 4, 10, 2, false, -1}, // no such path
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.savedPath) + "/" + std::to_string(row.savedIndex));
        // The path the lists opened on (2) has games of its own, so the tables are not empty.
        const auto tables = tablesWith(2, 3, row.savedPath, row.gamesInSavedPath);
        zembra::UserSettings settings;
        settings.cfgPath = static_cast<std::int16_t>(row.savedPath);
        settings.cfgListIndex = static_cast<std::int16_t>(row.savedIndex);
        const zembra::StartPlace place = zembra::StartupSession(*tables, settings).place(2);
        EXPECT_EQ(std::tuple(place.path, place.restoresPath, place.index),
                  std::tuple(row.path, row.restoresPath, row.index));
    }
}

TEST(StartupSession, TheFirstRunScansWhenNoEmulatorPathHasAGame) {
    const zembra::UserSettings settings;
    const struct {
        int path;
        int games;
        bool due;
    } rows[] = {
        {1, 0, true},
        {20, 2, false},
        {zembra::kExtrasPath, 4, true}, // extra.lst alone is not a scanned cabinet
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        const auto tables = tablesWith(row.path, row.games);
        EXPECT_EQ(zembra::StartupSession(*tables, settings).rescanDue(), row.due);
    }
}

} // namespace
