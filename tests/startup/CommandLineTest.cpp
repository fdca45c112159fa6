// SPDX-License-Identifier: GPL-3.0-or-later
// Options and the program folder.
#include "zembra/startup/CommandLine.h"

#include "common/text/NativePath.h"

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

TEST(CommandLine, ProgramFolderPrefersHomeThenEnvironmentThenExecutable) {
    CommandLine options;
    EXPECT_EQ(zembra::programFolder(options, nullptr, "/opt/zembra/bin"), "/opt/zembra/bin");
    EXPECT_EQ(zembra::programFolder(options, "", "/opt/zembra"), "/opt/zembra");
    EXPECT_EQ(zembra::programFolder(options, "/env/cab//", "/opt"), "/env/cab");
    options.home = "/home/cab/";
    EXPECT_EQ(zembra::programFolder(options, "/env/cab", "/opt"), "/home/cab");
    options.home = "/";
    EXPECT_EQ(zembra::programFolder(options, nullptr, "/opt"), "/");
}

TEST(CommandLine, ABackslashInTheFolderAsTypedIsPartOfItsName) {
    CommandLine options;
    options.home = "/media/cab\\2026\\";
    for (const std::string& folder : {zembra::programFolder(options, nullptr, "/opt"),
                                      zembra::programFolder({}, "/media/cab\\2026\\", "/opt"),
                                      zembra::programFolder({}, nullptr, "/media/cab\\2026\\")}) {
        // The stored files' backslashes still become separators after it.
        EXPECT_EQ(common::nativePathText(folder + "\\zbthemes\\neon\\skin.ini"),
                  "/media/cab\\2026\\/zbthemes/neon/skin.ini");
    }
}

} // namespace
