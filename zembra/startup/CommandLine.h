// SPDX-License-Identifier: GPL-3.0-or-later
// The program's options and where its folder is.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zembra {

struct CommandLine {
    enum class Mode { Run, Rescan, Help, Version };
    Mode mode = Mode::Run;
    std::optional<std::string> home; ///< --home DIR
};

/// Parses the arguments after the program name. Empty, with `error` set, for an unknown option
/// or a --home without its folder.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args,
                                            std::string& error);

std::string usageText();

/// What the start knows about where it runs, for choosing the program folder.
struct StartPlace {
    const char* zembraHome = nullptr;  ///< ZEMBRA_HOME
    const char* xdgDataHome = nullptr; ///< XDG_DATA_HOME
    const char* userHome = nullptr;    ///< HOME
    std::string executableFolder;
};

/// The program folder and how it was chosen.
struct ProgramFolder {
    /// Text without a trailing separator. It is a program path: a backslash the folder's name
    /// holds is kept as such (common::programPathOfNative).
    std::string folder;
    /// True when the folder is the user's own cabinet of an installed program, which the start
    /// creates with a starter quarn.ini when it is missing. A folder named by --home or
    /// ZEMBRA_HOME is never created: a mistyped one must be said, not filled.
    bool userCabinet = false;
};

/// --home when given, else ZEMBRA_HOME when set, else, for an installed program (see
/// `runsInstalled`), the user's cabinet folder, else the folder of the executable.
ProgramFolder programFolder(const CommandLine& options, const StartPlace& place);

/// True when the executable in `executableFolder` runs as installed: the folder is named "bin",
/// `../share/zembra` beside it is a folder and the folder holds no quarn.ini. A cabinet that
/// keeps its own copy of the program in its folder (or a build tree) stays its own folder.
bool runsInstalled(const std::string& executableFolder);

/// The cabinet of an installed program: `$XDG_DATA_HOME/zembra/cabinet`, or
/// `$HOME/.local/share/zembra/cabinet` when XDG_DATA_HOME is unset, empty or relative (such a
/// value is to be ignored); empty when neither is known.
std::optional<std::string> userCabinetFolder(const char* xdgDataHome, const char* userHome);

} // namespace zembra
