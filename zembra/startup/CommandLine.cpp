// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/CommandLine.h"

#include "common/text/NativePath.h"

namespace zembra {
namespace {

/// The folder as the program joins file names to it. It is a Linux path as typed: a backslash
/// in it is part of a name, never a separator.
std::string withoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return common::programPathOfNative(folder);
}

} // namespace

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
    CommandLine options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.mode = CommandLine::Mode::Help;
        } else if (arg == "--version") {
            options.mode = CommandLine::Mode::Version;
        } else if (arg == "--rescan") {
            if (options.mode == CommandLine::Mode::Run) {
                options.mode = CommandLine::Mode::Rescan;
            }
        } else if (arg == "--home" || arg.starts_with("--home=")) {
            std::string value;
            if (arg == "--home") {
                if (i + 1 >= args.size() || args[i + 1].empty()) {
                    error = "--home needs the cabinet's folder";
                    return std::nullopt;
                }
                value = args[++i];
            } else {
                value = arg.substr(7);
            }
            options.home = value;
        } else {
            error = "unknown option: " + arg;
            return std::nullopt;
        }
    }
    return options;
}

std::string usageText() {
    return "Usage: zembra [--home DIR] [--rescan]\n"
           "\n"
           "The front-end of an arcade cabinet. Without options it starts the browser on the\n"
           "cabinet in the program folder (the folder of this executable).\n"
           "\n"
           "  --home DIR   use DIR as the program folder (also: ZEMBRA_HOME=DIR)\n"
           "  --rescan     scan every configured ROM folder against gamelist.lst, rewrite\n"
           "               the list files, print what was found and exit; no window opens.\n"
           "               Exit status 0: every list rewritten; 1: a ROM folder could not be\n"
           "               read or a list not saved (its old file stays); 2: quarn.ini or\n"
           "               gamelist.lst cannot be used (nothing is touched)\n"
           "  --help       show this text\n"
           "  --version    show the version\n"
           "\n"
           "Visual Pinball tables are opened with the desktop's handler for them (xdg-open);\n"
           "ZEMBRA_OPENER=PROGRAM opens them with PROGRAM instead.\n";
}

std::string programFolder(const CommandLine& options, const char* environmentHome,
                          const std::string& executableFolder) {
    if (options.home) {
        return withoutTrailingSeparator(*options.home);
    }
    if (environmentHome != nullptr && *environmentHome != '\0') {
        return withoutTrailingSeparator(environmentHome);
    }
    return withoutTrailingSeparator(executableFolder);
}

} // namespace zembra
