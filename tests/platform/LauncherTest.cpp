// SPDX-License-Identifier: GPL-3.0-or-later
// Starting programs through posix_spawn.
#include "zembra/platform/Launcher.h"

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Windows executables that cannot run themselves go through wine. The child changes its folder
// before it starts the program, so a program named relative to Zembra's own folder is made
// absolute first; a bare name is left for the PATH. (Arguments as data, from a folder with a
// blank, are driven end to end.)
TEST(Launcher, ARelativeProgramIsFoundFromZembrasFolderOrThroughWine) {
    testing_support::TempFolder folder;
    folder.touch("my emu/mame.exe");
    folder.touch("my emu/native.exe");
    fs::permissions(folder / "my emu/native.exe", fs::perms::owner_all);
    const std::string base = folder.text() + "/my emu/";
    using Args = std::vector<std::string>;
    const auto before = fs::current_path();
    fs::current_path(folder.path());
    const struct {
        std::string program;
        Args arguments;
        Args expected;
    } rows[] = {
        {base + "mame.exe",
         {"sp ace", "-nowindow"},
         {"wine", base + "mame.exe", "sp ace", "-nowindow"}},
        {"my emu\\native.exe", {"x"}, {base + "native.exe", "x"}},
        {"", {"x"}, {}},
        {"sh", {}, {"sh"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(zembra::launchArguments(row.program, row.arguments, "wine"), row.expected)
            << row.program;
    fs::current_path(before);
}

TEST(Launcher, AFailedStartSaysWhichProgramOrFolderIsMissingAndWhatToDo) {
    testing_support::TempFolder folder;
    const std::string base = folder.text() + "/";
    folder.touch("not-executable");
    folder.touch("game.exe"); // a Windows program: it needs wine
    folder.write("script", "#!/no/such/interpreter\n");
    fs::permissions(folder / "script", fs::perms::owner_all);
    const auto launcher = zembra::makeLauncher("zembra-no-such-wine", "zembra-no-such-opener");
    struct Row {
        const char* what;
        zembra::Launcher::Result result;
        std::vector<std::string> says;
    } rows[] = {
        {"a missing program",
         launcher->start(base + "missing-emulator", {"game"}, base, true),
         {"cannot find the program " + base + "missing-emulator", "quarn.ini"}},
        {"a missing folder",
         launcher->start(base + "emu/mame", {}, base + "emu/", true),
         {"cannot start " + base + "emu/mame", "its folder " + base + "emu/ does not exist"}},
        {"a program not on the PATH",
         launcher->start("zembra-no-such-emulator", {}, "", true),
         {"zembra-no-such-emulator on the PATH", "install it"}},
        {"a missing opener",
         launcher->open(base + "Genie.vpt", base),
         {"cannot find the program zembra-no-such-opener", "ZEMBRA_OPENER"}},
        {"a table folder that is missing",
         launcher->open(base + "tables/Genie.vpt", base + "tables/"),
         {"cannot open " + base + "tables/Genie.vpt", "does not exist"}},
        {"a missing wine",
         launcher->start(base + "game.exe", {}, base, true),
         {"cannot find wine", base + "game.exe", "install wine"}},
        {"a file that is not executable",
         launcher->start(base + "not-executable", {}, base, true),
         {"not executable"}},
        {"a script whose interpreter is missing",
         launcher->start(base + "script", {}, base, true),
         {"interpreter"}},
        {"nothing to start", launcher->start("", {}, base, true), {"no program"}},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(row.result.started) << row.what;
        for (const std::string& words : row.says)
            EXPECT_NE(row.result.error.find(words), std::string::npos)
                << row.what << ": " << row.result.error;
    }
}

} // namespace
