// SPDX-License-Identifier: GPL-3.0-or-later
// `zembra` itself: the folders it chose reach the window program as they were chosen, the
// commands without a window never hand over, and a missing window program is said.
#include "zembra/startup/Front.h"

#include "common/text/NativePath.h"
#include "tests/fakes/FakeProcessImage.h"
#include "tests/support/TempFolder.h"
#include "zembra/startup/CommandLine.h"
#include "zembra/startup/WindowHandOver.h"

#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

namespace {

using testing_fakes::FakeProcessImage;
using testing_support::TempFolder;

const zembra::FrontBuild kBuild{"9.9", "../libexec/zembra"};

struct FrontRun {
    int status = -1;
    std::string out;
    std::string err;
};

FrontRun front(FakeProcessImage& process, const std::vector<std::string>& argv,
               const zembra::FrontEnvironment& environment = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = zembra::runFront(argv, environment, kBuild, process, out, err);
    return {status, out.str(), err.str()};
}

// The program folder of each rule, the defaults beside `zembra` (not beside the window program,
// which is elsewhere once installed) and the user's own options, all as `zembra` saw them.
TEST(Front, WindowRunHandsTheChosenFoldersToTheWindowProgram) {
    TempFolder root;
    // The third is the installed program's user cabinet.
    root.touch({"build/zembra/zembra", "usr/share/zembra/quarn.cfg", "xdg/zembra/cabinet/quarn.ini",
                "-odd \\ cab/quarn.ini"});
    const std::string r = root.text();
    const std::string odd = r + "/-odd \\ cab";
    const std::string oddFolder = common::programPathOfNative(odd); // its backslash is a name's
    // The build tree: the window program beside zembra, the cabinet its folder. Installed: the
    // user's cabinet, the defaults in share/zembra, the window program in libexec.
    const std::string built = r + "/build/zembra";
    const struct {
        bool installed;
        std::vector<std::string> options;
        std::string folder;
    } rows[] = {
        {false, {}, built},
        {true, {}, r + "/xdg/zembra/cabinet"},
        {true, {"--home", odd + "/"}, oddFolder},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder);
        const std::string window =
            row.installed ? r + "/usr/libexec/zembra/zembra-window" : built + "/zembra-window";
        FakeProcessImage process;
        process.ownPath = row.installed ? r + "/usr/bin/zembra" : built + "/zembra";
        process.runnable = window;
        std::vector<std::string> argv{"zembra"};
        argv.insert(argv.end(), row.options.begin(), row.options.end());

        const FrontRun run = front(process, argv, {nullptr, (r + "/xdg").c_str(), "/home/x"});
        EXPECT_EQ(process.replacedBy, window) << run.err;
        ASSERT_GE(process.arguments.size(), 1u);
        EXPECT_EQ(process.arguments[0], "zembra");
        const auto start = zembra::readWindowArguments(
            std::vector<std::string>(process.arguments.begin() + 1, process.arguments.end()));
        ASSERT_TRUE(start);
        EXPECT_EQ(std::tie(start->programFolder, start->defaultsFolder, start->options),
                  std::tuple(row.folder,
                             r + (row.installed ? "/usr/share/zembra" : "/build/share/zembra"),
                             row.options));
        // The fake's exec fails, as a real one does for a broken file.
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "zembra: the window program " + window +
                               " cannot be started: Exec format error; reinstall zembra\n");
    }
}

// A missing window program, as the owner reads it, is front_test.sh's.
TEST(Front, CommandsWithoutAWindowNeverHandOver) {
    TempFolder cabinet;
    const struct {
        std::vector<std::string> argv;
        int status;
        std::string out;
        std::string errStart;
    } rows[] = {
        {{"zembra", "--version"}, 0, "zembra 9.9\n", ""},
        {{"zembra", "--help"}, 0, zembra::usageText(), ""},
        {{"zembra", "--bogus"}, 2, "", "zembra: unknown option: --bogus\n\nUsage: zembra"},
        {{"zembra", "--home", cabinet.text(), "--rescan"}, 2, "", "zembra: "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.argv.back());
        FakeProcessImage process;
        process.ownPath = "/build/zembra/zembra";
        process.runnable = "/build/zembra/zembra-window";
        const FrontRun run = front(process, row.argv);
        EXPECT_EQ(std::tuple(run.status, run.out, run.err.substr(0, row.errStart.size())),
                  std::tie(row.status, row.out, row.errStart))
            << run.err;
        EXPECT_TRUE(process.replacedBy.empty());
    }
}

} // namespace
