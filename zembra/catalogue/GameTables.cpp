// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/GameTables.h"

#include "common/text/Numbers.h"

namespace zembra {
namespace {

std::array<StringTable, 28> makePathTables() {
    return {StringTable(kGameRows, 2), StringTable(kGameRows, 2), StringTable(kGameRows, 2),
            StringTable(kGameRows, 2), StringTable(kGameRows, 2), StringTable(kGameRows, 2),
            StringTable(kGameRows, 2), StringTable(kGameRows, 2), StringTable(kGameRows, 2),
            StringTable(kGameRows, 2), StringTable(kGameRows, 2), StringTable(kGameRows, 2),
            StringTable(kGameRows, 2), StringTable(kGameRows, 2), StringTable(kGameRows, 2),
            StringTable(kGameRows, 2), StringTable(kGameRows, 2), StringTable(kGameRows, 2),
            StringTable(kGameRows, 2), StringTable(kGameRows, 2), StringTable(kGameRows, 2),
            StringTable(kGameRows, 2), StringTable(kGameRows, 2), StringTable(kGameRows, 2),
            StringTable(kGameRows, 2), StringTable(kGameRows, 2), StringTable(kGameRows, 2),
            StringTable(kGameRows, 4)};
}

} // namespace

GameTables::GameTables()
    : masterList(kMasterRows, 2), scanList(kMasterRows, 2), pathGames(makePathTables()) {}

void DeleteList(GameTables& tables) {
    tables.scanList.clearRows(1, kGameRows);
    for (int path = 1; path <= kDaphne; ++path) {
        tables.pathGames[path].clearRows(1, kGameRows);
    }
}

std::string listFileName(int path) {
    std::string name = "l";
    name += path <= 20 ? common::blankNumber(path) : std::to_string(path);
    name += ".lst";
    return name;
}

} // namespace zembra
