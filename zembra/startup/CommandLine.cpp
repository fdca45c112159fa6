// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/CommandLine.h"

#include "common/text/NativePath.h"

#include <filesystem>

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

/// `base` (an absolute folder) followed by `rest` (which starts with a separator).
std::string joined(const std::string& base, const char* rest) {
    std::string folder = withoutTrailingSeparator(base);
    if (folder == "/") {
        folder.clear();
    }
    return folder + rest;
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
           "cabinet in the program folder: the folder of this executable, or, for an installed\n"
           "zembra, $XDG_DATA_HOME/zembra/cabinet (~/.local/share/zembra/cabinet), created\n"
           "with a starter quarn.ini on first start.\n"
           "\n"
           "  --home DIR   use DIR as the program folder (also: ZEMBRA_HOME=DIR)\n"
           "  --rescan     scan every configured ROM folder against gamelist.lst, rewrite\n"
           "               the list files, print what was found and exit; no window opens\n"
           "  --help       show this text\n"
           "  --version    show the version\n"
           "\n"
           "Visual Pinball tables are opened with the desktop's handler for them (xdg-open);\n"
           "ZEMBRA_OPENER=PROGRAM opens them with PROGRAM instead.\n";
}

ProgramFolder programFolder(const CommandLine& options, const StartPlace& place) {
    if (options.home) {
        return {withoutTrailingSeparator(*options.home)};
    }
    if (place.zembraHome != nullptr && *place.zembraHome != '\0') {
        return {withoutTrailingSeparator(place.zembraHome)};
    }
    if (runsInstalled(place.executableFolder)) {
        if (auto cabinet = userCabinetFolder(place.xdgDataHome, place.userHome)) {
            return {*cabinet, true};
        }
    }
    return {withoutTrailingSeparator(place.executableFolder)};
}

bool runsInstalled(const std::string& executableFolder) {
    namespace fs = std::filesystem;
    fs::path folder = fs::path(executableFolder).lexically_normal();
    if (!folder.has_filename()) {
        folder = folder.parent_path(); // "/usr/bin/" names the same folder as "/usr/bin"
    }
    std::error_code ec;
    return folder.filename() == "bin" &&
           fs::is_directory(folder.parent_path() / "share" / "zembra", ec) &&
           !fs::exists(folder / "quarn.ini", ec);
}

std::optional<std::string> userCabinetFolder(const char* xdgDataHome, const char* userHome) {
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        return joined(xdgDataHome, "/zembra/cabinet");
    }
    if (userHome != nullptr && userHome[0] == '/') {
        return joined(userHome, "/.local/share/zembra/cabinet");
    }
    return std::nullopt;
}

} // namespace zembra
