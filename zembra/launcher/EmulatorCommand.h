// SPDX-License-Identifier: GPL-3.0-or-later
// What starting the selected game means: the program, its arguments, its folder and how it is
// watched.
#pragma once

#include "zembra/catalogue/GameTables.h"
#include "zembra/startup/EmulatorConfig.h"

#include <optional>
#include <string>
#include <vector>

namespace zembra {

/// One start of an emulator or an extra program, as `runEmu` decides it.
struct Launch {
    enum class Mode {
        Blocking,   ///< wait for the program, then the browser takes the focus back
        Supervised, ///< return at once; the supervision timers watch, inject and close
        Play,       ///< open the file with the desktop's handler ("Play"), supervised
    };

    Mode mode = Mode::Blocking;
    /// The folder and the executable, whole, blanks and all; for Play the file to open. A
    /// relative folder is already taken as one under the program folder.
    std::string program;
    /// What follows the program: the game as one argument, then the options text split as
    /// Windows programs split their command line.
    std::vector<std::string> arguments;
    std::string workingFolder; ///< program form, ending in a backslash; resolved like `program`
    /// The command line as the configuration spells it (folder, executable, blank, game, blank,
    /// options), for messages and the log. Never split again: a blank in a folder or a game
    /// would cut it in the wrong place.
    std::string commandLine;
    bool injectKeys = false; ///< Impact, Modeler and Ultra 64 get keys after start-up
    bool checkExitButton = true;

    /// Why nothing can be started for this selection, when that is so.
    std::optional<std::string> refused;

    /// What the emulator was given (an S11 game's number, a table path) and the executable
    /// started; the supervision's keys depend on them. Both empty for an extra program.
    std::string gameName;
    std::string emuExe;
};

/// The start of the game at `listIndex` of `path` (-1 for none: row 0, which holds no game).
/// Everything it decides is in the result, nothing of an earlier start: a selection without an
/// executable of its own is refused, never started with the previous game's.
Launch runEmuCommand(const std::string& programFolder, const EmulatorConfig& config,
                     const GameTables& tables, int path, int listIndex);

/// A configured folder as the launch uses it: one that starts neither at the root nor at a drive
/// ("emu\", "my emu/") lies under `programFolder`; an empty one stays empty (the program is then
/// looked for on the PATH and started in Zembra's own folder).
std::string launchFolder(const std::string& programFolder, const std::string& folder);

/// S11 Emu takes a game number for the games it knows; any other name is passed as it is.
std::string getS11Game(const std::string& gameName);

/// Splits a command line into arguments with the Windows rules: blanks separate, double quotes
/// group, 2n backslashes before a quote give n backslashes and the quote groups, 2n + 1 give n
/// backslashes and a literal quote, other backslashes are literal, and "" inside quotes is a
/// literal quote.
std::vector<std::string> splitWindowsCommandLine(std::string_view commandLine);

} // namespace zembra
