// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue in memory: the master list, the scan's hits and one game table per path.
#pragma once

#include "zembra/catalogue/StringTable.h"

#include <array>
#include <string>

namespace zembra {

inline constexpr int kMasterRows = 5000; ///< gamelist.lst records used at most
inline constexpr int kGameRows = 4000;   ///< games per path at most
inline constexpr int kExtrasPath = 27;

/// Path numbers: 1 to 20 configurable, then the fixed emulators, then the extras.
enum FixedPath : int { kImpact = 21, kModeler, kUltra64, kVisualPinball, kS11Emu, kDaphne };

struct GameTables {
    GameTables();

    StringTable masterList; ///< column 1 set name, column 2 description
    StringTable scanList;   ///< the hits of the folder being scanned, in master order
    /// Index 1 to 27. Paths 1 to 26: column 1 set name, column 2 description. Path 27: column 1
    /// program file, 2 description, 3 its folder, 4 its arguments. Index 0 is never used.
    std::array<StringTable, 28> pathGames;
};

/// Empties rows 1 to 4000 of the scan table and of the game tables of paths 1 to 26. The
/// extras and scan rows 4001 to 5000 are left alone.
void DeleteList(GameTables& tables);

/// "l 7.lst" for path 7 (a blank before the number), "l21.lst" for the fixed emulators.
std::string listFileName(int path);

} // namespace zembra
