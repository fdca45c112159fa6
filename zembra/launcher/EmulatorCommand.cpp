// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/launcher/EmulatorCommand.h"

#include <utility>

namespace zembra {
namespace {

const std::string& cell(const StringTable& table, int row, int column) {
    static const std::string kNone;
    return row >= 0 && row <= table.lastRow() ? table.at(row, column) : kNone;
}

Launch supervised(std::string commandLine, std::string folder, bool injectKeys) {
    Launch launch;
    launch.mode = Launch::Mode::Supervised;
    launch.commandLine = std::move(commandLine);
    launch.workingFolder = std::move(folder);
    launch.injectKeys = injectKeys;
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

Launch runEmuCommand(ProgramState& state, int listIndex) {
    const EmulatorConfig& c = state.config;
    const int path = state.curPath;
    const int row = listIndex + 1;
    std::string& gameName = state.gameName;
    std::string& emuExe = state.emuExe;
    gameName = cell(state.tables.scanList, row, 1);
    if (path >= 1 && path <= kDaphne) {
        const std::string& name = cell(state.tables.pathGames[path], row, 1);
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

    if (path == kExtrasPath) {
        const StringTable& extras = state.tables.pathGames[kExtrasPath];
        Launch launch;
        launch.workingFolder = cell(extras, row, 3);
        launch.commandLine =
            launch.workingFolder + cell(extras, row, 1) + " " + cell(extras, row, 4);
        launch.checkExitButton = false;
        return launch;
    }
    if (emuExe == "s11emu-newplugins.exe" || emuExe == "s11emu-oldplugins.exe") {
        gameName = getS11Game(gameName);
        return supervised(c.s11Dir + emuExe + " " + gameName + " " + c.s11Args, c.s11Dir, false);
    }
    if (emuExe == "daphne.exe") {
        return supervised(c.daphneDir + emuExe + " " + gameName + " " + c.daphneArgs, c.daphneDir,
                          false);
    }
    if (emuExe == "impactemu.exe" || emuExe == "nt_impactemu.exe") {
        return supervised(c.impactDir + emuExe, c.impactDir, true);
    }
    if (emuExe == "vpinball.exe") {
        Launch launch = supervised(gameName, c.vpDir + "tables\\", false);
        launch.mode = Launch::Mode::Play;
        return launch;
    }
    if (emuExe == "modeler.exe") {
        return supervised(c.modelerDir + emuExe, c.modelerDir, true);
    }
    if (emuExe == "u64emu.exe") {
        return supervised(c.kiDir + emuExe, c.kiDir, true);
    }
    if (emuExe == "u64emu2.exe") {
        return supervised(c.ki2Dir + emuExe, c.ki2Dir, true);
    }
    Launch launch;
    if (path < 1 || path > 20) {
        // Only the configurable paths have an emulator of their own for any other name: an
        // Ultra 64 entry that is neither "ki" nor "ki2" has nothing to start.
        launch.refused = "no emulator is set for \"" + gameName + "\" on this path";
        return launch;
    }
    launch.workingFolder = c.pathEmuDir[path];
    launch.commandLine = c.pathEmuDir[path] + emuExe + " " + gameName + " " + c.pathOptions[path];
    return launch;
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
