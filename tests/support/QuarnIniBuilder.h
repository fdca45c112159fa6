// SPDX-License-Identifier: GPL-3.0-or-later
// Builds quarn.ini texts for tests, with labels of the right widths.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace testing_support {

/// The values of a quarn.ini, as text exactly as they follow the labels. Everything starts
/// empty except the six numbers of the display lines, which must be numbers.
struct QuarnValues {
    struct Block {
        std::string romFolder, exe, fullName, title, options, logo, emuFolder, artFolder;
    };
    std::array<Block, 21> paths; ///< 1 to 20
    std::string mameDir, impactDir, impactNt, modelerDir, kiDir, ki2Dir, vpDir, s11Dir,
        s11NewPlugins = "NO", s11Args, daphneDir, daphneArgs, scrollRate = "0", reserved = "0",
        tvOut = "NO", runWidth = "0", runHeight = "0", exitRefresh = "0", exitDepth = "0",
        runRefresh = "0", runDepth = "0", powerOffOnExit = "NO";
};

/// One labelled line per value: the 160 block lines, then the 22 global lines.
std::vector<std::string> quarnLines(const QuarnValues& values);

/// Lines joined with `lineEnd` after each.
std::string joinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n");

/// Index in quarnLines() of block line `line` (1 to 8) of path `n`, and of global line `line`.
inline std::size_t blockLine(int n, int line) {
    return static_cast<std::size_t>((n - 1) * 8 + line - 1);
}
inline std::size_t globalLine(int line) {
    return static_cast<std::size_t>(160 + line - 1);
}

} // namespace testing_support
