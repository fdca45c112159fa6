// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's opening place and the first-run scan.
#include "zembra/startup/StartupSession.h"

#include "zembra/catalogue/PathList.h"

namespace zembra {

StartPlace StartupSession::place(std::int16_t firstPath) const {
    StartPlace result;
    result.path = firstPath;
    const std::int16_t saved = settings_.cfgPath;
    if (saved < 1 || saved > kExtrasPath) {
        return result;
    }
    result.path = saved;
    result.restoresPath = true;
    const int index = settings_.cfgListIndex;
    if (index >= 0 && index < listLength(saved)) {
        result.index = index;
    }
    return result;
}

bool StartupSession::rescanDue() const {
    for (int path = 1; path <= kDaphne; ++path) {
        if (!tables_.pathGames[path].at(1, 1).empty()) {
            return false;
        }
    }
    return true;
}

int StartupSession::listLength(int path) const {
    // With no game anywhere the list is not filled at all and stays empty.
    if (!anyGames(tables_)) {
        return 0;
    }
    const StringTable& table = tables_.pathGames[path];
    int rows = 0;
    while (rows < kGameRows && !table.at(rows + 1, 1).empty()) {
        ++rows;
    }
    return rows;
}

} // namespace zembra
