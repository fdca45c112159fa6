// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/info/InfoLookup.h"

#include "common/text/ItemReader.h"
#include "common/text/Strings.h"

namespace zembra {

std::string infoModeOnLoad(std::string_view mode) {
    return mode.empty() ? std::string("info") : std::string(mode);
}

std::string switchInfoMode(std::string_view mode) {
    return mode == "info" ? "history" : "info";
}

std::string infoFilePath(std::string_view mameDir, std::string_view mode) {
    return std::string(mameDir) + (mode == "info" ? "mameinfo.dat" : "history.dat");
}

std::string infoGameKey(const GameTables& tables, int curPath, int listIndex) {
    if (curPath < 1 || curPath > 20) {
        return "null";
    }
    const StringTable& games = tables.pathGames[static_cast<std::size_t>(curPath)];
    const int row = listIndex + 1;
    if (listIndex < 0 || row > games.lastRow()) {
        return "null";
    }
    const std::string& name = games.at(row, 1);
    return name.empty() ? "null" : name;
}

bool itemNamesKey(std::string_view item, std::string_view key) {
    if (item == key) {
        return true;
    }
    // The "$info=" of these files is six characters: the names start at the seventh.
    return item.size() > 6 && common::trimView(item.substr(6)) == key;
}

std::optional<std::string> lookUpEntry(std::string_view text, std::string_view key) {
    // Blank lines and the end of a names line are empty items: an empty name would find those.
    if (key.empty()) {
        return std::nullopt;
    }
    common::ItemReader reader(text);
    std::optional<std::string> item = reader.next();
    while (item && item->starts_with('#')) {
        item = reader.next();
    }
    while (item && !itemNamesKey(*item, key)) {
        item = reader.next();
    }
    if (!item) {
        return std::nullopt;
    }

    // The rest of the line that named the game holds its other names, not its text.
    const int nameLine = reader.line();
    std::string caption;
    while ((item = reader.next())) {
        if (reader.line() == nameLine) {
            continue;
        }
        const std::string_view line = common::trimView(*item);
        if (line.starts_with("$end")) {
            break;
        }
        if (!line.starts_with('$') && !line.starts_with('#')) {
            caption += "\r\n";
            caption += line;
        }
    }
    return caption;
}

} // namespace zembra
