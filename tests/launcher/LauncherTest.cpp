// SPDX-License-Identifier: GPL-3.0-or-later
// Starting programs: arguments arrive as data, the folder is set, a blocking start waits,
// Windows executables go through wine, failures are reported.
#include "zembra/platform/Launcher.h"

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

/// A stand-in program that writes its folder and arguments, one a line, to `record`.
void standIn(testing_support::TempFolder& folder, const std::string& name) {
    folder.write(name, "#!/bin/sh\npwd > \"$RECORD\"\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> "
                       "\"$RECORD\"; done\n");
    fs::permissions(folder / name, fs::perms::owner_all);
}

TEST(Launcher, ArgumentsArriveAsDataInTheWorkingFolderAndABlockingStartWaits) {
    testing_support::TempFolder folder;
    standIn(folder, "my emu/stand in");
    ::setenv("RECORD", (folder / "record").c_str(), 1);
    const auto launcher = zembra::makeLauncher();
    const std::string emu = folder.text() + "\\my emu\\";
    const auto result =
        launcher->start(emu + "stand in",
                        {"pac; rm -rf x", "$(boom)", "'q'", "sp ace", "\"quoted\"", ""}, emu, true);
    ASSERT_TRUE(result.started) << result.error;
    EXPECT_EQ(folder.read("record"), (folder / "my emu").string() +
                                         "\npac; rm -rf x\n$(boom)\n'q'\nsp ace\n\"quoted\"\n\n");
    EXPECT_FALSE(folder.exists("x"));
}

TEST(Launcher, WindowsExecutablesThatCannotRunThemselvesGoThroughWine) {
    testing_support::TempFolder folder;
    folder.touch("my emu/mame.exe");
    standIn(folder, "my emu/native.exe");
    const std::string base = folder.text() + "/my emu/";
    using Args = std::vector<std::string>;
    EXPECT_EQ(zembra::launchArguments(base + "mame.exe", {"sp ace", "-nowindow"}, "wine"),
              (Args{"wine", base + "mame.exe", "sp ace", "-nowindow"}));
    EXPECT_EQ(zembra::launchArguments(base + "native.exe", {"x"}, "wine"),
              (Args{base + "native.exe", "x"}));
    EXPECT_EQ(zembra::launchArguments("", {"x"}, "wine"), Args{});
}

// The child changes its folder before it starts the program, so a program named relative to
// Zembra's own folder is made absolute first; a bare name is left for the PATH.
TEST(Launcher, ARelativeProgramIsFoundFromZembrasFolderNotTheChildsFolder) {
    testing_support::TempFolder folder;
    standIn(folder, "emu/stand-in");
    ::setenv("RECORD", (folder / "record").c_str(), 1);
    const auto before = fs::current_path();
    fs::current_path(folder.path());
    const auto launcher = zembra::makeLauncher();
    const auto result = launcher->start("emu\\stand-in", {"g"}, "emu\\", true);
    EXPECT_EQ(zembra::launchArguments("emu\\stand-in", {}, "wine"),
              std::vector<std::string>{(folder / "emu/stand-in").string()});
    EXPECT_EQ(zembra::launchArguments("sh", {}, "wine"), std::vector<std::string>{"sh"});
    fs::current_path(before);
    ASSERT_TRUE(result.started) << result.error;
    EXPECT_EQ(folder.read("record"), (folder / "emu").string() + "\ng\n");
}

TEST(Launcher, AProgramThatCannotStartIsReportedNotTakenForAStart) {
    testing_support::TempFolder folder;
    const auto launcher = zembra::makeLauncher();
    auto result =
        launcher->start(folder.text() + "/missing-emulator", {"game"}, folder.text(), true);
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.error.find("missing-emulator"), std::string::npos);
    result = launcher->start("", {}, folder.text(), true);
    EXPECT_FALSE(result.started);
    standIn(folder, "emu");
    ::setenv("RECORD", (folder / "record").c_str(), 1);
    result = launcher->start(folder.text() + "/emu", {}, folder.text() + "/no-such-folder/", true);
    EXPECT_FALSE(result.started);
}

} // namespace

TEST(Launcher, FollowsTheProgramStartedWithoutWaitingUntilItEnds) {
    testing_support::TempFolder folder;
    // The program ends when the file "stop" appears.
    folder.write("emu", "#!/bin/sh\nwhile [ ! -e stop ]; do sleep 0.01; done\n");
    fs::permissions(folder / "emu", fs::perms::owner_all);
    const auto launcher = zembra::makeLauncher();
    EXPECT_FALSE(launcher->running()); // nothing started yet
    ASSERT_TRUE(launcher->start(folder.text() + "/emu", {}, folder.text(), false).started);
    EXPECT_TRUE(launcher->running());
    folder.touch("stop");
    bool ended = false;
    for (int tries = 0; tries < 1000 && !ended; ++tries) {
        ended = !launcher->running();
        if (!ended) {
            ::usleep(10000);
        }
    }
    EXPECT_TRUE(ended);
    // A blocking start leaves nothing to follow.
    ASSERT_TRUE(launcher->start(folder.text() + "/emu", {}, folder.text(), true).started);
    EXPECT_FALSE(launcher->running());
}
