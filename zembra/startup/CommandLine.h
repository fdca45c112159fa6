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

/// The program folder as text without a trailing separator: --home when given, else the
/// ZEMBRA_HOME environment value when set, else the folder of the executable. It is a program
/// path: a backslash the folder's name holds is kept as such (common::programPathOfNative).
std::string programFolder(const CommandLine& options, const char* environmentHome,
                          const std::string& executableFolder);

} // namespace zembra
