// SPDX-License-Identifier: GPL-3.0-or-later
// Tessel's command line.
#include "tessel/CommandLine.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

using tessel::CommandLine;

TEST(CommandLine, OneFolderAndTheUsualOptions) {
    const struct {
        std::vector<std::string> args;
        bool ok;
        CommandLine::Mode mode;
        const char* folder;
    } rows[] = {
        {{"--version"}, true, CommandLine::Mode::Version, ""},
        {{"--", "-odd name"}, true, CommandLine::Mode::Run, "-odd name"},
        {{"--home", "x"}, false, CommandLine::Mode::Run, ""},
        {{"a", "b"}, false, CommandLine::Mode::Run, ""},
    };
    for (const auto& row : rows) {
        std::string error;
        const auto options = tessel::parseCommandLine(row.args, error);
        ASSERT_EQ(options.has_value(), row.ok) << testing::PrintToString(row.args);
        if (options)
            EXPECT_EQ(std::pair(options->mode, options->skinFolder),
                      std::pair(row.mode, std::string(row.folder)));
        else
            EXPECT_FALSE(error.empty());
    }
}

} // namespace
