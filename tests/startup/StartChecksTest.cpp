// SPDX-License-Identifier: GPL-3.0-or-later
// What stops a start before any window opens, and that it is said as the rescan says it.
#include "zembra/startup/StartChecks.h"

#include "tests/support/QuarnIniBuilder.h"
#include "tests/support/TempFolder.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/startup/HeadlessRescan.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

namespace {

using testing_support::TempFolder;

// A mistyped folder is said end to end; here, a file where the folder should be.
TEST(StartChecks, AFileInPlaceOfTheCabinetFolderIsSaid) {
    TempFolder root;
    root.touch("file");
    EXPECT_FALSE(zembra::missingProgramFolder(root.text()));
    const auto file = zembra::missingProgramFolder(root.text() + "/file").value_or("");
    EXPECT_NE(file.find("is not a folder"), std::string::npos) << file;
}

TEST(StartChecks, TheCabinetIsJudgedWithTheRescansOwnMessages) {
    TempFolder cab;
    const std::string ini =
        testing_support::joinLines(testing_support::quarnLines(testing_support::QuarnValues{}));
    struct Step {
        const char* name;
        std::function<void()> change;
        const char* said; ///< none: the cabinet is fine
    };
    const Step steps[] = {
        {"no quarn.ini", [] {}, "quarn.ini: the emulator configuration is missing"},
        {"quarn.ini cut short", [&] { cab.write("quarn.ini", "a line\r\n"); }, "quarn.ini, line"},
        {"no gamelist.lst", [&] { cab.write("quarn.ini", ini); }, "gamelist.lst is missing"},
        {"both", [&] { cab.write("gamelist.lst", "pacman,\"Pac-Man\"\r\n"); }, nullptr},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        const auto problem = zembra::checkCabinet(cab.text());
        std::ostringstream out;
        std::ostringstream err;
        const int status = zembra::runHeadlessRescan(cab.text(), out, err);
        EXPECT_EQ(status, step.said ? zembra::kRescanCannotRun : 0);
        ASSERT_EQ(problem.has_value(), step.said != nullptr);
        if (problem) {
            EXPECT_NE(problem->find(step.said), std::string::npos) << *problem;
            EXPECT_EQ("zembra: " + *problem + "\n", err.str());
        }
    }
}

// Which lists are read, and how, is GameListsTest's; here the read arrives whole from its thread.
TEST(StartChecks, TheCabinetIsReadWholeMeanwhile) {
    TempFolder cab;
    testing_support::QuarnValues values;
    values.paths[3].romFolder = "C:\\roms3\\";
    cab.write("quarn.ini", testing_support::joinLines(testing_support::quarnLines(values)));
    cab.write("gamelist.lst", "a,\"A\"\r\nb,\"B\"\r\nc,\"C\"\r\n");
    cab.write("l 3.lst", "\"a\",\"A\"\r\n\"c\",\"C\"\r\n");
    cab.write("extra.lst", "{\r\nExe=a.exe\r\nCaption=A\r\nPath=C:\\a\\\r\nCmdLine=\r\n}\r\n");

    const zembra::CabinetRead read = zembra::readCabinetMeanwhile(cab.text()).get();
    ASSERT_FALSE(read.error) << *read.error;
    EXPECT_EQ(std::tuple(read.config.pathRomPrefix[3], read.curPath,
                         read.tables->masterList.count(), read.tables->pathGames[3].at(2, 2),
                         read.tables->pathGames[zembra::kExtrasPath].at(1, 1)),
              std::tuple("C:\\roms3\\", zembra::kExtrasPath, 3, "C", "a.exe"));

    cab.write("gamelist.lst", "");
    EXPECT_TRUE(zembra::readCabinetMeanwhile(cab.text()).get().error);
}

TEST(StartChecks, WithoutADisplayTheReasonIsSaid) {
    const std::string noDisplay = "no display: set DISPLAY, or run under a display server";
    struct Row {
        zembra::DisplayEnvironment environment;
        bool xAnswered;
        bool fine;
    };
    const Row rows[] = {
        {{":0", "", "xcb"}, true, true},          {{"", "", "xcb"}, false, false},
        {{"", "", "offscreen"}, false, true},     {{"", "wayland-0", ""}, false, true},
        {{"", "wayland-0", "xcb"}, false, false},
    };
    for (const auto& row : rows) {
        const auto& e = row.environment;
        SCOPED_TRACE("DISPLAY=" + e.display + " WAYLAND_DISPLAY=" + e.waylandDisplay +
                     " QT_QPA_PLATFORM=" + e.platform);
        const auto problem = zembra::displayProblem(e, row.xAnswered);
        EXPECT_EQ(!problem, row.fine);
        if (problem) {
            EXPECT_EQ(problem->rfind(noDisplay, 0), 0u) << *problem;
        }
    }
    EXPECT_NE(zembra::displayProblem({":7", "", ""}, false).value_or("").find(":7"),
              std::string::npos)
        << "the display that did not answer";
}

} // namespace
