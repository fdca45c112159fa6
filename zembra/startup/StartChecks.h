// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold before any window opens: the cabinet folder, its files, a display.
#pragma once

#include "zembra/catalogue/GameTables.h"
#include "zembra/startup/EmulatorConfig.h"

#include <cstdint>
#include <future>
#include <memory>
#include <optional>
#include <string>

namespace zembra {

/// The message when `programFolder` does not exist or is not a folder; empty when it is one.
std::optional<std::string> missingProgramFolder(const std::string& programFolder);

/// The cabinet as read before the windows: quarn.ini, gamelist.lst, the list files.
struct CabinetRead {
    EmulatorConfig config;
    std::unique_ptr<GameTables> tables = std::make_unique<GameTables>(); ///< large: on the heap
    std::int16_t curPath = 1;         ///< the path as reading the lists leaves it
    std::optional<std::string> error; ///< what stops the start; then the rest is incomplete
};

/// Reads quarn.ini and gamelist.lst (and the list files) exactly as `--rescan` does, so the
/// same message stops the start; no error when the cabinet can be browsed.
CabinetRead readCabinet(const std::string& programFolder);

/// `readCabinet` on a thread of its own, so the lists are read while the window library
/// starts; the answer is waited for with `get()`.
std::future<CabinetRead> readCabinetMeanwhile(const std::string& programFolder);

/// Just the message of `readCabinet`.
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
