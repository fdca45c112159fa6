// SPDX-License-Identifier: GPL-3.0-or-later
// What the selected game starts: programs, arguments and folders of every path kind, and the
// arguments an options text splits into.
#include "zembra/launcher/EmulatorCommand.h"

#include "zembra/startup/ProgramState.h"

#include <gtest/gtest.h>
#include <memory>

using zembra::Launch;

namespace {

class EmulatorCommandTest : public testing::Test {
protected:
    void SetUp() override {
        auto& c = state->config;
        c.pathRomPrefix[1] = "C:\\roms\\";
        c.pathExe[1] = "mame.exe";
        c.pathEmuDir[1] = "C:\\mame\\";
        c.pathOptions[1] = "-nowindow";
        c.pathRomPrefix[2] = "D:\\neo\\";
        c.pathFullName[2] = true;
        c.pathExe[2] = "neo.exe";
        c.pathEmuDir[2] = "D:\\emu\\";
        c.impactDir = "C:\\impact\\";
        c.modelerDir = "C:\\modeler\\";
        c.kiDir = "C:\\ki\\";
        c.ki2Dir = "C:\\ki2\\";
        c.vpDir = "C:\\vp\\";
        c.s11Dir = "C:\\s11\\";
        c.s11Args = "-fs";
        c.daphneDir = "C:\\daphne\\";
        c.daphneArgs = "vldp -fullscreen";
        const std::tuple<int, const char*, int> games[] = {
            {1, "pacman", 1},   {2, "mslug", 1}, {21, "sfex", 1},  {22, "ga2", 1},
            {23, "ki2", 1},     {23, "KI", 2},   {24, "Genie", 1}, {25, "tekken", 1},
            {25, "unknown", 2}, {26, "lair", 1}};
        for (const auto& [path, name, row] : games)
            game(path, name, row);
        auto& extras = state->tables.pathGames[27];
        extras.set(1, 1, "doom.exe");
        extras.set(1, 3, "D:\\doom\\");
        extras.set(1, 4, "-warp 1");
    }

    void game(int path, const std::string& name, int row = 1) {
        state->tables.pathGames[path].set(row, 1, name);
    }

    Launch launch(int path, int index = 0) {
        return zembra::runEmuCommand(state->programFolder, state->config, state->tables, path,
                                     index);
    }

    std::unique_ptr<zembra::ProgramState> state = std::make_unique<zembra::ProgramState>();
};

// The working folder is the program's own folder, and the executable watched is the program's
// file name unless the row names another.
TEST_F(EmulatorCommandTest, EveryPathKindBuildsItsProgramArgumentsAndFolder) {
    using Args = std::vector<std::string>;
    constexpr auto kBlocking = Launch::Mode::Blocking;
    constexpr auto kSupervised = Launch::Mode::Supervised;
    struct Row {
        int path, index;
        const char* program;
        Args arguments;
        Launch::Mode mode;
        bool injectKeys = false;
        const char* exe = nullptr;
    } rows[] = {
        // The full-name switch puts the ROM folder before the name.
        {2, 0, "D:\\emu\\neo.exe", {"D:\\neo\\mslug"}, kBlocking},
        // Nothing selected: row 0, an empty name, which gives the emulator no argument.
        {1, -1, "C:\\mame\\mame.exe", {"-nowindow"}, kBlocking},
        {22, 0, "C:\\modeler\\modeler.exe", {}, kSupervised, true},
        {23, 0, "C:\\ki2\\u64emu2.exe", {}, kSupervised, true},
        {24, 0, "C:\\vp\\tables\\Genie.vpt", {}, Launch::Mode::Play, false, "vpinball.exe"},
        // S11 Emu gets the game's number; a game without one is passed by name.
        {25, 0, "C:\\s11\\s11emu-oldplugins.exe", {"5", "-fs"}, kSupervised},
        {25, 1, "C:\\s11\\s11emu-oldplugins.exe", {"unknown", "-fs"}, kSupervised},
        {26, 0, "C:\\daphne\\daphne.exe", {"lair", "vldp", "-fullscreen"}, kSupervised},
        {27, 0, "D:\\doom\\doom.exe", {"-warp", "1"}, kBlocking, false, ""},
    };
    for (const auto& row : rows) {
        const Launch l = launch(row.path, row.index);
        const std::string program = row.program;
        const auto slash = program.rfind('\\') + 1;
        EXPECT_EQ(
            std::tuple(l.program, l.arguments, l.workingFolder, l.mode, l.injectKeys, l.emuExe),
            std::tuple(program, row.arguments, program.substr(0, slash), row.mode, row.injectKeys,
                       row.exe ? row.exe : program.substr(slash)))
            << row.path;
    }
}

// Blanks belong to the part they are in: a folder "my emu" is not cut after "my", a set name
// "sp ace" reaches the emulator as one argument, only the options text is split. A relative
// folder is taken under the program folder once, for the program and its working folder alike;
// rooted folders, drives and "no folder" (the PATH) are left as they are.
TEST_F(EmulatorCommandTest, BlanksStayInTheirPartAndRelativeFoldersLieUnderTheProgramFolder) {
    state->programFolder = "/home/cab";
    auto& c = state->config;
    c.pathOptions[1] = "-cfg \"my cfg\" -x";
    game(1, "sp ace");
    struct Row {
        const char *emuDir, *exe, *program, *folder;
    } rows[] = {
        {"my emu/", "mame", "/home/cab\\my emu/mame", "/home/cab\\my emu/"},
        {"\\opt\\mame\\", "mame", "\\opt\\mame\\mame", "\\opt\\mame\\"},
        {"", "mame", "mame", ""},
        {"", "bin\\mame", "/home/cab\\bin\\mame", ""},
    };
    for (const auto& row : rows) {
        c.pathEmuDir[1] = row.emuDir;
        c.pathExe[1] = row.exe;
        const Launch l = launch(1);
        EXPECT_EQ(l.program + "|" + l.workingFolder, row.program + ("|" + std::string(row.folder)))
            << row.emuDir << row.exe;
        EXPECT_EQ(l.arguments, (std::vector<std::string>{"sp ace", "-cfg", "my cfg", "-x"}));
    }
    auto& extras = state->tables.pathGames[27];
    extras.set(1, 1, "run game.sh");
    extras.set(1, 3, "/cab/my extras/");
    EXPECT_EQ(launch(27).program, "/cab/my extras/run game.sh");
    c.vpDir = "vp\\";
    const Launch table = launch(24);
    EXPECT_EQ(table.workingFolder + "|" + table.program,
              "/home/cab\\vp\\tables\\|/home/cab\\vp\\tables\\Genie.vpt");
    EXPECT_EQ(zembra::launchFolder("/home/cab/", "emu/"), "/home/cab/emu/");
}

TEST_F(EmulatorCommandTest, BuildsAreChosenBySwitchesAndExactNames) {
    state->config.impactNt = true;
    EXPECT_EQ(launch(21).program, "C:\\impact\\nt_impactemu.exe");
    state->config.s11NewPlugins = true;
    const Launch s11 = launch(25);
    EXPECT_EQ(s11.program + " " + s11.gameName, "C:\\s11\\s11emu-newplugins.exe 5");
    game(23, "ki");
    EXPECT_EQ(launch(23).program, "C:\\ki\\u64emu.exe");
    // "KI" is not "ki": no executable of its own; the one started last is not reused for it.
    EXPECT_EQ(launch(22).emuExe, "modeler.exe");
    EXPECT_NE(launch(23, 1).refused.value_or("").find("KI"), std::string::npos);
}

TEST(WindowsCommandLine, SplitsAsWindowsProgramsReadTheirArguments) {
    using Args = std::vector<std::string>;
    struct Row {
        const char* line;
        Args args;
    } rows[] = {
        {"  a   b\tc ", {"a", "b", "c"}},
        {"\"C:\\Program Files\\x.exe\" \"two words\"", {"C:\\Program Files\\x.exe", "two words"}},
        {"a\\\\\"b c\"", {"a\\b c"}},           // 2n backslashes: n, and the quote groups
        {"a\\\"b", {"a\"b"}},                   // 2n + 1: n, and a literal quote
        {"a\\\\b", {"a\\\\b"}},                 // no quote after them: all literal
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}}, // "" inside quotes
    };
    for (const auto& row : rows)
        EXPECT_EQ(zembra::splitWindowsCommandLine(row.line), row.args) << row.line;
}

} // namespace
