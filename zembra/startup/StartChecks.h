// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold before any window opens: the cabinet folder, its files, a display.
#pragma once

#include <optional>
#include <string>

namespace zembra {

/// The message when `programFolder` does not exist or is not a folder; empty when it is one.
std::optional<std::string> missingProgramFolder(const std::string& programFolder);

/// Reads quarn.ini and gamelist.lst (and the list files) exactly as `--rescan` does, so the
/// same message stops the start; empty when the cabinet can be browsed.
std::optional<std::string> checkCabinet(const std::string& programFolder);

/// The environment values that decide which window system the windows would open on.
struct DisplayEnvironment {
    std::string display;        ///< DISPLAY
    std::string waylandDisplay; ///< WAYLAND_DISPLAY
    std::string platform;       ///< QT_QPA_PLATFORM
};

/// The message when no window can be opened: no display named, or the X display named does not
/// answer (`xAnswered` says whether it did). A window system chosen with QT_QPA_PLATFORM other
/// than X, or a Wayland display without an X one, is left to the window library.
std::optional<std::string> displayProblem(const DisplayEnvironment& environment, bool xAnswered);

} // namespace zembra
