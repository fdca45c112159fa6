// SPDX-License-Identifier: GPL-3.0-or-later
// quarn.ini: the emulator configuration the cabinet owner writes by hand.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zembra {

/// Everything quarn.ini says. Tables are indexed by path number; index 0 is never used.
/// Folders are kept as written and joined to file names without a separator, so each one
/// must end with a (back)slash.
struct EmulatorConfig {
    // Paths 1 to 20, one block of eight lines each.
    std::array<std::string, 21> pathRomPrefix; ///< non-empty: the path is in use
    std::array<std::string, 21> pathExe;
    std::array<bool, 21> pathFullName{};
    std::array<std::string, 21> pathTitle;
    std::array<std::string, 21> pathOptions; ///< kept untrimmed: a leading blank is meant
    std::array<std::string, 28> pathLogo;    ///< paths 1 to 27
    std::array<std::string, 21> pathEmuDir;
    std::array<std::string, 27> pathArtDir; ///< paths 1 to 26

    // The fixed emulators and the switches.
    std::string mameDir;
    std::string impactDir;
    bool impactNt = false;
    std::string modelerDir;
    std::string kiDir;
    std::string ki2Dir;
    std::string vpDir;
    std::string s11Dir;
    bool s11NewPlugins = false;
    std::string s11Args;
    std::string daphneDir;
    std::string daphneArgs;
    std::int16_t scrollRate = 0;   ///< list repeat interval in ms; 15 or less keeps the defaults
    std::int16_t unusedNumber = 0; ///< read for the file's sake, never used
    bool tvOut = false;
    float runWidth = 0; ///< pixels; 0 runs at the desktop's size
    float runHeight = 0;
    float exitRefresh = 0; ///< Hz, used when the desktop mode is restored
    float exitDepth = 0;   ///< bits per pixel, likewise
    float runRefresh = 0;
    float runDepth = 0;
    bool powerOffOnExit = false;
};

/// Why quarn.ini could not be used. The program cannot run without a complete file, so the
/// message tells the owner exactly where to look.
struct ConfigError {
    std::string file;     ///< native path of the file
    int line = 0;         ///< line of the file, from 1; 0 when the file could not be read
    std::string expected; ///< what belongs there, in words
    std::string problem;  ///< what was found instead
    /// The first earlier line holding a comma outside quotes, the usual cause of a line that no
    /// longer holds what belongs there; 0 when there is none.
    int commaLine = 0;

    std::string message() const;
};

/// Reads quarn.ini text. `fileName` only names the file in messages.
std::optional<ConfigError> readEmulatorConfig(std::string_view text, const std::string& fileName,
                                              EmulatorConfig& config);

/// Reads the program folder's quarn.ini into `config`, replacing every value. On an error
/// `config` is left as it was.
std::optional<ConfigError> OpenINI(const std::string& programFolder, EmulatorConfig& config);

} // namespace zembra
