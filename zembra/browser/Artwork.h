// SPDX-License-Identifier: GPL-3.0-or-later
// Which picture files show a game's artwork: folders per path, names, fall-backs.
#pragma once

#include "zembra/catalogue/StringTable.h"
#include "zembra/startup/ProgramState.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

/// The four artwork kinds, in the order the browser refreshes them.
enum class ArtKind { Marquee = 0, Snap, Flyer, Cabinet };

struct ArtKindInfo {
    std::string_view folder;   ///< kind folder under a path's artwork base folder
    std::string_view fallback; ///< the skin's picture for a game without one
    std::string_view listType; ///< the skin's list mode that strips this kind
};

inline constexpr std::array<ArtKindInfo, 4> kArtKinds = {{
    {"marquees\\", "marquee32.jpg", "marquee"},
    {"snap\\", "screen32.jpg", "snap"},
    {"flyers\\", "flyer32.jpg", "flyer"},
    {"cabinets\\", "cabinet32.jpg", "cabinet"},
}};

inline const ArtKindInfo& info(ArtKind kind) {
    return kArtKinds[static_cast<std::size_t>(kind)];
}

/// The kind a picture-strip list mode shows; nothing for "list", "" and unknown words.
std::optional<ArtKind> stripKind(std::string_view listType);

/// A path's artwork base folder. Ultra 64 keeps Killer Instinct's artwork with the first build
/// and everything else with the second; an extra keeps its artwork in its own folder.
std::string artBaseFolder(const ProgramState& state, int path, const std::string& selectedText,
                          int selectedIndex);

/// The artwork picture of the selected game for one kind, and the name its existence is tested
/// by (they differ only for extras, whose program file is trimmed for the picture only).
struct ArtPicture {
    std::string folder; ///< the base folder and the kind's folder: what `artFolder` holds
    std::string file;
    std::string tested;
};

ArtPicture artPicture(const ProgramState& state, ArtKind kind, int selectedIndex,
                      const std::string& selectedText);

/// What one picture cell of a strip is given: a file, or hidden.
struct CellPicture {
    std::string file; ///< empty when the cell is hidden and keeps what it had
    bool visible = true;
};

/// The pictures of the strip's cells around the selection: the cell `midIndex` shows the
/// selected game, the others its neighbours; cells before the first or after the last game are
/// hidden. Names are `artFolder` + the table's column 1 + ".png" (an extra's program file
/// keeps its extension here).
std::vector<CellPicture> stripPictures(const StringTable& games, int selectedIndex, int midIndex,
                                       int cellCount, const std::string& artFolder);

} // namespace zembra
