// SPDX-License-Identifier: GPL-3.0-or-later
// Options and the program folder.
#include "zembra/startup/CommandLine.h"

#include "common/text/NativePath.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <tuple>

using zembra::CommandLine;

namespace {

// --version, --help, an unknown option and --rescan are FrontTest's and first_start_e2e's.
TEST(CommandLine, ModesAndHome) {
    std::string error;
    EXPECT_EQ(zembra::parseCommandLine({"--home=/cab/"}, error)->home, "/cab/");
    EXPECT_EQ(zembra::parseCommandLine({"--rescan", "--help"}, error)->mode,
              CommandLine::Mode::Help);
    EXPECT_FALSE(zembra::parseCommandLine({"--home"}, error));
    EXPECT_EQ(error, "--home needs the cabinet's folder");
}

// Home option, then ZEMBRA_HOME, then the user's own cabinet for an installed program
// (PREFIX/bin beside PREFIX/share/zembra), else the executable's folder. The common cases are
// FrontTest's; these are the edges.
TEST(ProgramFolder, HomeThenEnvironmentThenUserCabinetThenExecutable) {
    testing_support::TempFolder prefix;
    // The last is a cabinet beside its own copy of the program.
    prefix.touch({"bin/zembra", "share/zembra/quarn.cfg", "own/bin/zembra",
                  "own/share/zembra/quarn.cfg", "own/bin/quarn.ini"});
    const std::string bin = (prefix / "bin").string();
    const std::string own = (prefix / "own/bin").string();
    const struct {
        std::optional<std::string> home;
        zembra::StartPlace place;
        std::string expected;
        bool userCabinet;
    } rows[] = {
        {{}, {"", "/xdg", "/home/owner", bin + "/"}, "/xdg/zembra/cabinet", true},
        // A named folder is never the one to create, even on an installed program.
        {{}, {"/env/cab//", "/xdg", "/home/owner", bin}, "/env/cab", false},
        {"/", {nullptr, "/xdg", "/home/owner", bin}, "/", false},
        // A cabinet beside the program, no home to put a cabinet in.
        {{}, {nullptr, "/xdg", "/home/owner", own}, own, false},
        {{}, {nullptr, nullptr, nullptr, bin}, bin, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.place.executableFolder);
        CommandLine options;
        options.home = row.home;
        const auto folder = zembra::programFolder(options, row.place);
        EXPECT_EQ(std::tie(folder.folder, folder.userCabinet),
                  std::tie(row.expected, row.userCabinet));
    }
}

TEST(UserCabinetFolder, XdgDataHomeWhenAbsoluteElseHome) {
    struct Row {
        const char* xdg;
        const char* home;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"/data/", "/home/a", "/data/zembra/cabinet"},
        {"", "/home/a/", "/home/a/.local/share/zembra/cabinet"},
        {"relative/data", "/home/a", "/home/a/.local/share/zembra/cabinet"},
        {"/", nullptr, "/zembra/cabinet"},
        {nullptr, "", std::nullopt},
        {"data", "home", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(zembra::userCabinetFolder(row.xdg, row.home), row.expected)
            << (row.xdg ? row.xdg : "(unset)") << " " << (row.home ? row.home : "(unset)");
    }
}

TEST(CommandLine, ABackslashInTheFolderAsTypedIsPartOfItsName) {
    CommandLine options;
    options.home = "/media/cab\\2026\\";
    const auto folderOf = [](const CommandLine& o, const char* home, const char* exe) {
        return zembra::programFolder(o, {home, nullptr, nullptr, exe}).folder;
    };
    for (const std::string& folder :
         {folderOf(options, nullptr, "/opt"), folderOf({}, "/media/cab\\2026\\", "/opt"),
          folderOf({}, nullptr, "/media/cab\\2026\\")}) {
        // The stored files' backslashes still become separators after it.
        EXPECT_EQ(common::nativePathText(folder + "\\zbthemes\\neon\\skin.ini"),
                  "/media/cab\\2026\\/zbthemes/neon/skin.ini");
    }
}

} // namespace
