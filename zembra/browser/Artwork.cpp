// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/browser/Artwork.h"

#include "common/text/Strings.h"

namespace zembra {
namespace {

/// Column `column` of `row`, or empty for rows outside the table.
const std::string& cell(const StringTable& table, int row, int column) {
    static const std::string kNone;
    return row >= 1 && row <= table.lastRow() ? table.at(row, column) : kNone;
}

/// A program file without its extension (the last four characters, dot included).
std::string withoutExtension(std::string_view file) {
    return file.size() > 4 ? std::string(file.substr(0, file.size() - 4)) : std::string();
}

} // namespace

std::optional<ArtKind> stripKind(std::string_view listType) {
    for (std::size_t i = 0; i < kArtKinds.size(); ++i) {
        if (kArtKinds[i].listType == listType) {
            return static_cast<ArtKind>(i);
        }
    }
    return std::nullopt;
}

std::string artBaseFolder(const ProgramState& state, int path, const std::string& selectedText,
                          int selectedIndex) {
    const EmulatorConfig& c = state.config;
    if (path >= 1 && path <= 20) {
        return c.pathArtDir[path];
    }
    switch (path) {
    case kImpact:
        return c.impactDir;
    case kModeler:
        return c.modelerDir;
    case kUltra64:
        return selectedText == "Killer Instinct" ? c.kiDir : c.ki2Dir;
    case kVisualPinball:
        return c.vpDir;
    case kS11Emu:
        return c.s11Dir;
    case kDaphne:
        return c.daphneDir;
    case kExtrasPath:
        return cell(state.tables.pathGames[kExtrasPath], selectedIndex + 1, 3);
    default:
        return {};
    }
}

ArtPicture artPicture(const ProgramState& state, ArtKind kind, int selectedIndex,
                      const std::string& selectedText) {
    const int path = state.curPath;
    const std::string folder =
        artBaseFolder(state, path, selectedText, selectedIndex) + std::string(info(kind).folder);
    if (path < 1 || path > kExtrasPath) {
        return {folder, {}, {}};
    }
    const std::string& name = cell(state.tables.pathGames[path], selectedIndex + 1, 1);
    if (path == kExtrasPath) {
        return {folder, folder + withoutExtension(common::trimView(name)) + ".png",
                folder + withoutExtension(name) + ".png"};
    }
    return {folder, folder + name + ".png", folder + name + ".png"};
}

std::vector<CellPicture> stripPictures(const StringTable& games, int selectedIndex, int midIndex,
                                       int cellCount, const std::string& artFolder) {
    std::vector<CellPicture> cells(static_cast<std::size_t>(std::max(cellCount, 0)));
    auto picture = [&](int row) { return artFolder + cell(games, row, 1) + ".png"; };
    if (midIndex < cellCount) {
        cells[midIndex].file = picture(selectedIndex + 1);
    }
    for (int r = 0; r < midIndex && r < cellCount; ++r) {
        const int row = selectedIndex + 1 - (midIndex - r);
        if (cell(games, row, 1).empty()) {
            for (int hidden = 0; hidden <= r; ++hidden) {
                cells[hidden] = {{}, false};
            }
        } else {
            cells[r] = {picture(row), true};
        }
    }
    for (int r = midIndex + 1; r < cellCount; ++r) {
        const int row = selectedIndex + 1 + (r - midIndex);
        if (cell(games, row, 1).empty()) {
            for (int hidden = r; hidden < cellCount; ++hidden) {
                cells[hidden] = {{}, false};
            }
            break;
        }
        cells[r] = {picture(row), true};
    }
    return cells;
}

} // namespace zembra
