// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/PathList.h"

namespace zembra {

std::string pathCaption(const EmulatorConfig& config, int path) {
    static constexpr const char* kFixed[] = {
        "Impact Roms:", "Modeler Roms:", "Ultra 64:", "Visual Pinball:",
        "S11 Emu:",     "Daphne:",       "Extras:"};
    if (path >= 1 && path <= 20) {
        return config.pathTitle[path];
    }
    if (path >= kImpact && path <= kExtrasPath) {
        return kFixed[path - kImpact];
    }
    return {};
}

bool anyGames(const GameTables& tables) {
    // Every path counts: a cabinet whose games are all on paths 7 to 20 or on Daphne must
    // still be able to browse them.
    for (int path = 1; path <= kExtrasPath; ++path) {
        if (!tables.pathGames[path].at(1, 1).empty()) {
            return true;
        }
    }
    return false;
}

std::optional<PathHeading> populateList(const std::string& programFolder,
                                        const EmulatorConfig& config, const GameTables& tables,
                                        int path, ItemList& list) {
    if (!anyGames(tables)) {
        return std::nullopt;
    }
    list.clear();
    list.setVisible(false);
    PathHeading heading;
    heading.caption = pathCaption(config, path);
    if (path >= 1 && path <= kExtrasPath) {
        heading.logoFile = programFolder + "\\" + config.pathLogo[path];
        const StringTable& table = tables.pathGames[path];
        for (int row = 1; row <= kGameRows && !table.at(row, 1).empty(); ++row) {
            list.add(table.at(row, 2));
        }
    }
    list.setVisible(true);
    if (list.count() >= 1) {
        list.setIndex(0);
    }
    return heading;
}

} // namespace zembra
