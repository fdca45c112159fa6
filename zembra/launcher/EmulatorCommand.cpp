// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/launcher/EmulatorCommand.h"

#include <utility>

namespace zembra {
namespace {

const std::string& cell(const StringTable& table, int row, int column) {
    static const std::string kNone;
    return row >= 0 && row <= table.lastRow() ? table.at(row, column) : kNone;
}

/// Starts at the root, or at a drive as a cabinet moved from Windows may still say ("C:\mame\"):
/// such a folder is left as written, so a message names it as the owner wrote it.
bool rooted(const std::string& path) {
    const bool drive = path.size() >= 2 && path[1] == ':' &&
                       ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return drive || (!path.empty() && (path[0] == '/' || path[0] == '\\'));
}

/// Folder and executable become the program, whole; the game is one argument (none when there
/// is no game, as the blanks around an empty name gave none); the options are split as Windows
/// programs split their command line. `commandLine` keeps the text the parts spell.
Launch command(const std::string& programFolder, Launch::Mode mode, const std::string& folder,
               const std::string& exe, const std::string* game, const std::string* options) {
    Launch launch;
    launch.mode = mode;
    launch.commandLine = folder + exe;
    launch.workingFolder = launchFolder(programFolder, folder);
    launch.program = launch.workingFolder + exe;
    if (folder.empty() && exe.find_first_of("/\\") != std::string::npos) {
        launch.program = launchFolder(programFolder, exe); // "bin\mame" with no folder
    }
    if (game != nullptr) {
        launch.commandLine += " " + *game;
        if (!game->empty()) {
            launch.arguments.push_back(*game);
        }
    }
    if (options != nullptr) {
        launch.commandLine += " " + *options;
        for (std::string& option : splitWindowsCommandLine(*options)) {
            launch.arguments.push_back(std::move(option));
        }
    }
    return launch;
}

} // namespace

std::string getS11Game(const std::string& gameName) {
    static const std::pair<const char*, const char*> kNumbers[] = {
        {"danceyes", "1"}, {"xevi3dg", "2"},  {"souledge", "3"}, {"souledgec", "4"},
        {"tekken", "5"},   {"starswep", "6"}, {"tk2b", "7"},     {"myangel3", "8"},
    };
    for (const auto& [name, number] : kNumbers) {
        if (gameName == name) {
            return number;
        }
    }
    return gameName;
}

namespace {

/// The command for one selection; the name given and the executable are worked out on the way.
Launch commandFor(const std::string& programFolder, const EmulatorConfig& c,
                  const GameTables& tables, int path, int row, std::string& gameName,
                  std::string& emuExe) {
    gameName = cell(tables.scanList, row, 1);
    if (path >= 1 && path <= kDaphne) {
        const std::string& name = cell(tables.pathGames[path], row, 1);
        gameName = name; // the table's name, except where a case below says otherwise
        switch (path) {
        case kImpact:
            emuExe = c.impactNt ? "nt_impactemu.exe" : "impactemu.exe";
            break;
        case kModeler:
            emuExe = "modeler.exe";
            break;
        case kUltra64:
            if (name == "ki") {
                emuExe = "u64emu.exe";
            } else if (name == "ki2") {
                emuExe = "u64emu2.exe";
            }
            break;
        case kVisualPinball:
            gameName = c.vpDir + "tables\\" + name + ".vpt";
            emuExe = "vpinball.exe";
            break;
        case kS11Emu:
            emuExe = c.s11NewPlugins ? "s11emu-newplugins.exe" : "s11emu-oldplugins.exe";
            break;
        case kDaphne:
            emuExe = "daphne.exe";
            break;
        default: // 1 to 20
            gameName = c.pathFullName[path] ? c.pathRomPrefix[path] + name : name;
            emuExe = c.pathExe[path];
            break;
        }
    }

    const std::string& home = programFolder;
    constexpr auto kSupervised = Launch::Mode::Supervised;
    if (path == kExtrasPath) {
        const StringTable& extras = tables.pathGames[kExtrasPath];
        Launch launch = command(home, Launch::Mode::Blocking, cell(extras, row, 3),
                                cell(extras, row, 1), nullptr, &cell(extras, row, 4));
        launch.checkExitButton = false;
        return launch;
    }
    if (emuExe == "s11emu-newplugins.exe" || emuExe == "s11emu-oldplugins.exe") {
        gameName = getS11Game(gameName);
        return command(home, kSupervised, c.s11Dir, emuExe, &gameName, &c.s11Args);
    }
    if (emuExe == "daphne.exe") {
        return command(home, kSupervised, c.daphneDir, emuExe, &gameName, &c.daphneArgs);
    }
    const auto keyed = [&](const std::string& folder) {
        Launch launch = command(home, kSupervised, folder, emuExe, nullptr, nullptr);
        launch.injectKeys = true;
        return launch;
    };
    if (emuExe == "impactemu.exe" || emuExe == "nt_impactemu.exe") {
        return keyed(c.impactDir);
    }
    if (emuExe == "vpinball.exe") {
        Launch launch;
        launch.mode = Launch::Mode::Play;
        launch.commandLine = gameName;
        launch.workingFolder = launchFolder(home, c.vpDir + "tables\\");
        launch.program = launchFolder(home, gameName);
        return launch;
    }
    if (emuExe == "modeler.exe") {
        return keyed(c.modelerDir);
    }
    if (emuExe == "u64emu.exe") {
        return keyed(c.kiDir);
    }
    if (emuExe == "u64emu2.exe") {
        return keyed(c.ki2Dir);
    }
    if (path < 1 || path > 20) {
        // Only the configurable paths have an emulator of their own for any other name: an
        // Ultra 64 entry that is neither "ki" nor "ki2" has nothing to start.
        Launch launch;
        launch.refused = "no emulator is set for \"" + gameName + "\" on this path";
        return launch;
    }
    return command(home, Launch::Mode::Blocking, c.pathEmuDir[path], emuExe, &gameName,
                   &c.pathOptions[path]);
}

} // namespace

Launch runEmuCommand(const std::string& programFolder, const EmulatorConfig& config,
                     const GameTables& tables, int path, int listIndex) {
    std::string gameName;
    std::string emuExe;
    Launch launch =
        commandFor(programFolder, config, tables, path, listIndex + 1, gameName, emuExe);
    launch.gameName = std::move(gameName);
    launch.emuExe = std::move(emuExe);
    return launch;
}

std::string launchFolder(const std::string& programFolder, const std::string& folder) {
    if (folder.empty() || programFolder.empty() || rooted(folder)) {
        return folder;
    }
    const char last = programFolder.back();
    return programFolder + (last == '/' || last == '\\' ? "" : "\\") + folder;
}

std::vector<std::string> splitWindowsCommandLine(std::string_view line) {
    std::vector<std::string> args;
    std::size_t i = 0;
    const auto blank = [&](std::size_t at) { return line[at] == ' ' || line[at] == '\t'; };
    while (true) {
        while (i < line.size() && blank(i)) {
            ++i;
        }
        if (i >= line.size()) {
            return args;
        }
        std::string arg;
        bool quoted = false;
        while (i < line.size() && (quoted || !blank(i))) {
            if (line[i] == '\\') {
                std::size_t slashes = 0;
                while (i < line.size() && line[i] == '\\') {
                    ++slashes;
                    ++i;
                }
                if (i < line.size() && line[i] == '"') {
                    arg.append(slashes / 2, '\\');
                    if (slashes % 2 == 1) {
                        arg += '"';
                        ++i;
                    }
                } else {
                    arg.append(slashes, '\\');
                }
            } else if (line[i] == '"') {
                if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg += line[i++];
            }
        }
        args.push_back(std::move(arg));
    }
}

} // namespace zembra
