// SPDX-License-Identifier: GPL-3.0-or-later
// Tessel's options: help, version, and the skin folder to open at start.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessel {

struct CommandLine {
    enum class Mode { Run, Help, Version };
    Mode mode = Mode::Run;
    std::string skinFolder; ///< empty: start with no skin open
};

/// Parses the arguments after the program name. Empty, with `error` set, for an unknown
/// option or more than one folder. "--" ends the options, so a folder may start with "-".
std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args,
                                            std::string& error);

std::string usageText();

} // namespace tessel
