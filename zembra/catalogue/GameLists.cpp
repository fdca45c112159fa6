// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/GameLists.h"

#include "common/text/AtomicFile.h"
#include "common/text/ItemReader.h"
#include "common/text/NativePath.h"
#include "common/text/Strings.h"
#include "common/text/TextFile.h"
#include "zembra/catalogue/FileProbe.h"
#include "zembra/catalogue/Scan.h"

namespace zembra {
namespace {

/// Reads records of two items into columns 1 and 2 from row 1. Lines holding nothing but
/// blanks are passed over, and a record without a set name is skipped (its line is added to
/// `emptyNames` when given): either would otherwise end the table there. Returns false when a
/// record would go past the table's last row.
bool readPairs(std::string_view text, StringTable& table, std::vector<int>* emptyNames = nullptr) {
    common::ItemReader items(text);
    int row = 1;
    while (true) {
        items.skipBlankLines();
        if (items.atEnd()) {
            return true;
        }
        auto name = items.next();
        const int line = items.line();
        auto description = items.next();
        if (!description) {
            return true; // a record cut off by the end of the file is dropped
        }
        if (name->empty()) {
            if (emptyNames != nullptr) {
                emptyNames->push_back(line);
            }
            continue;
        }
        if (row > table.lastRow()) {
            return false;
        }
        table.set(row, 1, std::move(*name));
        table.set(row, 2, std::move(*description));
        ++row;
    }
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

std::string extrasFile(const std::string& programFolder) {
    return programFolder + "\\extra.lst";
}

} // namespace

CatalogueReading readMasterList(std::string_view text, StringTable& masterList) {
    CatalogueReading reading;
    masterList.clear();
    if (text.find('\0') != std::string_view::npos) {
        // No text file holds a NUL byte: this is not a catalogue, and nothing of it is used.
        reading.notText = true;
        return reading;
    }
    reading.fits = readPairs(text, masterList, &reading.emptyNameLines);
    return reading;
}

void readGameList(std::string_view text, StringTable& table) {
    readPairs(text, table);
}

namespace {

/// Hands extra.lst's complete records to `take` in order, at most `limit` of them, each as its
/// four items with their labels; the walk ends early when `take` says so.
template <class Take>
void walkExtras(std::string_view text, int limit, Take take) {
    common::ItemReader items(text);
    for (int row = 1; row <= limit;) {
        const auto opener = items.next();
        if (!opener) {
            return;
        }
        if (common::trimView(*opener) != "{") {
            continue;
        }
        std::string values[4];
        for (std::string& value : values) {
            auto item = items.next();
            if (!item) {
                return; // a record cut off by the end of the file is dropped
            }
            value = std::move(*item);
        }
        if (!items.next()) {
            return; // the closer, normally "}": without it the record is cut off too
        }
        if (!take(row, values)) {
            return;
        }
        ++row;
    }
}

constexpr std::size_t kExtraLabels[4] = {4, 8, 5, 8};

} // namespace

void readExtras(std::string_view text, StringTable& extras) {
    walkExtras(text, extras.lastRow(), [&](int row, std::string(&values)[4]) {
        for (int i = 0; i < 4; ++i) {
            extras.set(row, i + 1, common::trim(common::afterLabel(values[i], kExtraLabels[i])));
        }
        return true;
    });
}

int countExtras(const std::string& programFolder) {
    const auto text = common::loadTextFile(common::nativePath(extrasFile(programFolder)));
    int count = 0;
    if (text) {
        // As the table counts them: up to the first record without a program file.
        walkExtras(*text, kGameRows, [&](int, std::string(&values)[4]) {
            if (common::trimView(common::afterLabel(values[0], kExtraLabels[0])).empty()) {
                return false;
            }
            ++count;
            return true;
        });
    }
    return count;
}

bool CheckForExtras(const std::string& path) {
    return PerNameProbe().isFile(path);
}

void makeArrays(const std::string& programFolder, const EmulatorConfig& config, int path,
                const std::string& dirdb, GameTables& tables) {
    const auto file = common::nativePath(programFolder + "\\" + dirdb);
    const auto text = common::loadTextFile(file);
    if (!text) {
        std::error_code ec;
        if (!std::filesystem::exists(file, ec)) {
            common::writeFileAtomically(file, "");
        }
        return;
    }
    if (path == kExtrasPath) {
        InputExtras(programFolder, tables);
    } else if (pathInUse(config, path)) {
        readGameList(*text, tables.pathGames[path]);
    }
}

void InputExtras(const std::string& programFolder, GameTables& tables) {
    const auto text = common::loadTextFile(common::nativePath(extrasFile(programFolder)));
    StringTable& extras = tables.pathGames[kExtrasPath];
    // A shorter extra.lst must not leave the entries it no longer has.
    extras.clear();
    if (text) {
        readExtras(*text, extras);
    }
}

std::optional<std::string> loadCatalogue(const std::string& programFolder, GameTables& tables,
                                         std::vector<std::string>* warnings) {
    const std::string master = common::nativePathText(programFolder + "\\gamelist.lst");
    std::string why;
    const auto text = common::loadTextFile(master, &why);
    if (!text) {
        return master + " " + why + ": without the game catalogue no list can be built";
    }
    const CatalogueReading reading = readMasterList(*text, tables.masterList);
    if (reading.notText) {
        return master + " is not a text file (it holds NUL bytes): no list is loaded";
    }
    if (!reading.fits) {
        return master + " holds more than " + std::to_string(kMasterRows) +
               " games, more than the catalogue takes: none of them is used and no list is " +
               "loaded (keep it below " + std::to_string(kMasterRows) + " for a rescan)";
    }
    if (warnings != nullptr) {
        for (const int line : reading.emptyNameLines) {
            warnings->push_back(master + ", line " + std::to_string(line) +
                                ": a game without a set name is skipped");
        }
    }
    if (usableEntries(tables.masterList) == 0) {
        return master + " holds no game with a set name and a description: no list is loaded";
    }
    return std::nullopt;
}

std::optional<std::string> loadLists(const std::string& programFolder, const EmulatorConfig& config,
                                     GameTables& tables, std::int16_t& curPath,
                                     std::vector<std::string>* warnings) {
    if (auto message = loadCatalogue(programFolder, tables, warnings)) {
        return message;
    }
    const EmulatorConfig& c = config;
    auto load = [&](int path, const std::string& file) {
        curPath = static_cast<std::int16_t>(path);
        makeArrays(programFolder, config, path, file, tables);
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
    if (CheckForExtras(extrasFile(programFolder))) {
        load(kExtrasPath, "extra.lst");
    }
    return std::nullopt;
}

} // namespace zembra
