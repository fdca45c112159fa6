// SPDX-License-Identifier: GPL-3.0-or-later
// What stops a start before any window opens, and that it is said as the rescan says it.
#include "zembra/startup/StartChecks.h"

#include "tests/support/QuarnIniBuilder.h"
#include "tests/support/TempFolder.h"
#include "zembra/startup/HeadlessRescan.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using testing_support::TempFolder;

TEST(StartChecks, AMissingCabinetFolderIsNamedAsMissing) {
    TempFolder root;
    root.touch("file");
    EXPECT_FALSE(zembra::missingProgramFolder(root.text()));
    const auto missing = zembra::missingProgramFolder(root.text() + "/cabniet");
    ASSERT_TRUE(missing);
    EXPECT_EQ(*missing, "the cabinet folder " + root.text() + "/cabniet does not exist");
    const auto file = zembra::missingProgramFolder(root.text() + "/file");
    ASSERT_TRUE(file);
    EXPECT_NE(file->find("is not a folder"), std::string::npos) << *file;
}

TEST(StartChecks, TheCabinetIsJudgedWithTheRescansOwnMessages) {
    TempFolder cab;
    const std::string ini =
        testing_support::joinLines(testing_support::quarnLines(testing_support::QuarnValues{}));
    struct Step {
        const char* name;
        std::function<void()> change;
        bool fine;
    };
    const Step steps[] = {
        {"no quarn.ini", [] {}, false},
        {"quarn.ini cut short", [&] { cab.write("quarn.ini", "a line\r\n"); }, false},
        {"no gamelist.lst", [&] { cab.write("quarn.ini", ini); }, false},
        {"both", [&] { cab.write("gamelist.lst", "pacman,\"Pac-Man\"\r\n"); }, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        const auto problem = zembra::checkCabinet(cab.text());
        std::ostringstream out;
        std::ostringstream err;
        const int status = zembra::runHeadlessRescan(cab.text(), out, err);
        EXPECT_EQ(!problem, step.fine);
        EXPECT_EQ(status == 0, step.fine);
        if (problem) {
            EXPECT_EQ("zembra: " + *problem + "\n", err.str());
        }
    }
}

TEST(StartChecks, WithoutADisplayTheReasonIsSaid) {
    const std::string noDisplay = "no display: set DISPLAY, or run under a display server";
    struct Row {
        zembra::DisplayEnvironment environment;
        bool xAnswered;
        bool fine;
    };
    const Row rows[] = {
        {{"", "", ""}, false, false},         {{":0", "", ""}, true, true},
        {{":7", "", ""}, false, false},       {{":0", "", "xcb"}, true, true},
        {{"", "", "xcb"}, false, false},      {{"", "", "offscreen"}, false, true},
        {{"", "wayland-0", ""}, false, true}, {{"", "wayland-0", "xcb"}, false, false},
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
    const auto silent = zembra::displayProblem({":7", "", ""}, false);
    ASSERT_TRUE(silent);
    EXPECT_NE(silent->find(":7"), std::string::npos) << "the display that did not answer";
}

} // namespace
