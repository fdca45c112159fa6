// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/GameLists.h"

#include "common/text/AtomicFile.h"
#include "common/text/ItemReader.h"
#include "common/text/NativePath.h"
#include "common/text/Strings.h"
#include "common/text/TextFile.h"
#include "zembra/catalogue/FileProbe.h"

namespace zembra {
namespace {

/// Reads records of two items into columns 1 and 2 from row 1. Returns false when a record
/// would go past the table's last row.
bool readPairs(std::string_view text, StringTable& table) {
    common::ItemReader items(text);
    for (int row = 1; !items.atEnd(); ++row) {
        auto name = items.next();
        auto description = items.next();
        if (!description) {
            return true; // a record cut off by the end of the file is dropped
        }
        if (row > table.lastRow()) {
            return false;
        }
        table.set(row, 1, std::move(*name));
        table.set(row, 2, std::move(*description));
    }
    return true;
}

bool pathInUse(const EmulatorConfig& c, int path) {
    if (path >= 1 && path <= 20) {
        return !c.pathRomPrefix[path].empty();
    }
    switch (path) {
    case kImpact:
        return !c.impactDir.empty();
    case kModeler:
        return !c.modelerDir.empty();
    case kUltra64:
        return !c.kiDir.empty() || !c.ki2Dir.empty();
    case kVisualPinball:
        return !c.vpDir.empty();
    case kS11Emu:
        return !c.s11Dir.empty();
    case kDaphne:
        return !c.daphneDir.empty();
    default:
        return false;
    }
}

std::string extrasFile(const ProgramState& state) {
    return state.programFolder + "\\extra.lst";
}

} // namespace

bool readMasterList(std::string_view text, StringTable& masterList) {
    masterList.clear();
    return readPairs(text, masterList);
}

void readGameList(std::string_view text, StringTable& table) {
    readPairs(text, table);
}

void readExtras(std::string_view text, StringTable& extras) {
    static constexpr std::size_t kLabels[4] = {4, 8, 5, 8};
    common::ItemReader items(text);
    for (int row = 1; row <= extras.lastRow();) {
        const auto opener = items.next();
        if (!opener) {
            return;
        }
        if (common::trimView(*opener) != "{") {
            continue;
        }
        std::string values[4];
        for (int i = 0; i < 4; ++i) {
            const auto item = items.next();
            if (!item) {
                return; // a record cut off by the end of the file is dropped
            }
            values[i] = common::trim(common::afterLabel(*item, kLabels[i]));
        }
        items.next(); // the closer, normally "}"
        for (int i = 0; i < 4; ++i) {
            extras.set(row, i + 1, std::move(values[i]));
        }
        ++row;
    }
}

bool CheckForExtras(ProgramState& state, const std::string& path) {
    state.found = PerNameProbe().isFile(path);
    return state.found;
}

void makeArrays(ProgramState& state, const std::string& dirdb) {
    const auto file = common::nativePath(state.programFolder + "\\" + dirdb);
    const auto text = common::loadTextFile(file);
    if (!text) {
        std::error_code ec;
        if (!std::filesystem::exists(file, ec)) {
            common::writeFileAtomically(file, "");
        }
        return;
    }
    const int path = state.curPath;
    if (path == kExtrasPath) {
        InputExtras(state);
    } else if (pathInUse(state.config, path)) {
        readGameList(*text, state.tables.pathGames[path]);
    }
}

void InputExtras(ProgramState& state) {
    const auto text = common::loadTextFile(common::nativePath(extrasFile(state)));
    StringTable& extras = state.tables.pathGames[kExtrasPath];
    // A shorter extra.lst must not leave the entries it no longer has.
    extras.clear();
    if (text) {
        readExtras(*text, extras);
    }
}

std::optional<std::string> loadLists(ProgramState& state) {
    const std::string master = common::nativePathText(state.programFolder + "\\gamelist.lst");
    std::string why;
    const auto text = common::loadTextFile(master, &why);
    if (!text) {
        return master + " is " + why + ": without the game catalogue no list can be built";
    }
    if (!readMasterList(*text, state.tables.masterList)) {
        return master + " holds more than " + std::to_string(kMasterRows) +
               " games; only the first " + std::to_string(kMasterRows) + " are used";
    }
    const EmulatorConfig& c = state.config;
    auto load = [&state](int path, const std::string& file) {
        state.curPath = static_cast<std::int16_t>(path);
        makeArrays(state, file);
    };
    for (int n = 1; n <= 20; ++n) {
        if (!c.pathRomPrefix[n].empty()) {
            load(n, listFileName(n));
        }
    }
    if (!c.impactDir.empty()) {
        load(kImpact, listFileName(kImpact));
    }
    if (!c.modelerDir.empty()) {
        load(kModeler, listFileName(kModeler));
    }
    // Either Ultra 64 build reads the shared list; with both set it is read twice, to the same end.
    if (!c.kiDir.empty()) {
        load(kUltra64, listFileName(kUltra64));
    }
    if (!c.ki2Dir.empty()) {
        load(kUltra64, listFileName(kUltra64));
    }
    if (!c.vpDir.empty()) {
        load(kVisualPinball, listFileName(kVisualPinball));
    }
    if (!c.s11Dir.empty()) {
        load(kS11Emu, listFileName(kS11Emu));
    }
    if (!c.daphneDir.empty()) {
        load(kDaphne, listFileName(kDaphne));
    }
    if (CheckForExtras(state, extrasFile(state))) {
        load(kExtrasPath, "extra.lst");
    }
    return std::nullopt;
}

} // namespace zembra
