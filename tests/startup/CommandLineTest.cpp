// SPDX-License-Identifier: GPL-3.0-or-later
// Options and the program folder.
#include "zembra/startup/CommandLine.h"

#include "common/text/NativePath.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using zembra::CommandLine;

namespace {

std::optional<CommandLine> parse(std::vector<std::string> args, std::string* error = nullptr) {
    std::string why;
    auto options = zembra::parseCommandLine(args, why);
    if (error != nullptr) {
        *error = why;
    }
    return options;
}

TEST(CommandLine, ModesAndHome) {
    EXPECT_EQ(parse({})->mode, CommandLine::Mode::Run);
    EXPECT_EQ(parse({"--rescan", "--home", "/cab"})->mode, CommandLine::Mode::Rescan);
    EXPECT_EQ(parse({"--rescan", "--home", "/cab"})->home, "/cab");
    EXPECT_EQ(parse({"--home=/cab/"})->home, "/cab/");
    EXPECT_EQ(parse({"--rescan", "--help"})->mode, CommandLine::Mode::Help);
    EXPECT_EQ(parse({"--version"})->mode, CommandLine::Mode::Version);

    std::string error;
    EXPECT_FALSE(parse({"--home"}, &error));
    EXPECT_EQ(error, "--home needs the cabinet's folder");
    EXPECT_FALSE(parse({"--scan"}, &error));
    EXPECT_EQ(error, "unknown option: --scan");
}

// An installed layout: PREFIX/bin beside PREFIX/share/zembra.
class ProgramFolderTest : public testing::Test {
protected:
    ProgramFolderTest() {
        prefix.touch("bin/zembra");
        prefix.touch("share/zembra/quarn.cfg");
    }

    zembra::ProgramFolder folderFor(const CommandLine& options, const char* zembraHome,
                                    const std::string& executableFolder) const {
        return zembra::programFolder(options,
                                     {zembraHome, "/xdg/data", "/home/owner", executableFolder});
    }

    std::string bin() const { return (prefix / "bin").string(); }

    testing_support::TempFolder prefix;
};

TEST_F(ProgramFolderTest, HomeThenEnvironmentThenUserCabinetThenExecutable) {
    CommandLine options;
    const auto installed = folderFor(options, nullptr, bin());
    EXPECT_EQ(installed.folder, "/xdg/data/zembra/cabinet");
    EXPECT_TRUE(installed.userCabinet);
    EXPECT_EQ(folderFor(options, "", bin() + "/").folder, "/xdg/data/zembra/cabinet");

    // A named folder is never the one to create, even on an installed program.
    const auto environment = folderFor(options, "/env/cab//", bin());
    EXPECT_EQ(environment.folder, "/env/cab");
    EXPECT_FALSE(environment.userCabinet);
    options.home = "/home/cab/";
    const auto home = folderFor(options, "/env/cab", bin());
    EXPECT_EQ(home.folder, "/home/cab");
    EXPECT_FALSE(home.userCabinet);
    options.home = "/";
    EXPECT_EQ(folderFor(options, nullptr, bin()).folder, "/");

    // Not installed: the build tree, a folder of some other name, a prefix without defaults.
    options.home.reset();
    for (const std::string& folder : {std::string("/opt/zembra/bin/"), std::string("/opt/zembra"),
                                      (prefix / "share").string()}) {
        const auto own = folderFor(options, nullptr, folder);
        EXPECT_EQ(own.folder, folder.ends_with('/') ? folder.substr(0, folder.size() - 1) : folder)
            << folder;
        EXPECT_FALSE(own.userCabinet) << folder;
    }
}

TEST_F(ProgramFolderTest, CabinetBesideItsOwnCopyStaysItsOwnFolder) {
    prefix.touch("bin/quarn.ini");
    EXPECT_FALSE(zembra::runsInstalled(bin()));
    EXPECT_EQ(folderFor(CommandLine{}, nullptr, bin()).folder, bin());
}

TEST_F(ProgramFolderTest, InstalledWithoutAnyHomeKeepsTheExecutableFolder) {
    const auto folder = zembra::programFolder(CommandLine{}, {nullptr, nullptr, nullptr, bin()});
    EXPECT_EQ(folder.folder, bin());
    EXPECT_FALSE(folder.userCabinet);
}

TEST(UserCabinetFolder, XdgDataHomeWhenAbsoluteElseHome) {
    struct Row {
        const char* xdg;
        const char* home;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"/data", "/home/a", "/data/zembra/cabinet"},
        {"/data/", "/home/a", "/data/zembra/cabinet"},
        {nullptr, "/home/a", "/home/a/.local/share/zembra/cabinet"},
        {"", "/home/a/", "/home/a/.local/share/zembra/cabinet"},
        {"relative/data", "/home/a", "/home/a/.local/share/zembra/cabinet"},
        {nullptr, "/", "/.local/share/zembra/cabinet"},
        {"/", nullptr, "/zembra/cabinet"},
        {nullptr, "", std::nullopt},
        {"data", "home", std::nullopt},
        {nullptr, nullptr, std::nullopt},
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
