// SPDX-License-Identifier: GPL-3.0-or-later
// The demo cabinet's information files show what the demo means them to show.
#include "zembra/info/InfoIndex.h"
#include "zembra/info/InfoLookup.h"

#include <gtest/gtest.h>

namespace {

std::string entry(std::string_view mode, std::string_view key) {
    const auto index =
        zembra::InfoIndex::build(zembra::infoFilePath(ZEMBRA_DEMO_MAME_FOLDER, mode));
    EXPECT_TRUE(index) << mode;
    return index ? index->entryText(key) : std::string();
}

TEST(DemoInfoFiles, EveryKindOfEntryIsThere) {
    // One entry under several names, in both files.
    for (const char* mode : {"info", "history"}) {
        EXPECT_EQ(entry(mode, "puckman"), entry(mode, "pacman")) << mode;
        EXPECT_EQ(entry(mode, "spideyusa"), entry(mode, "spiderman")) << mode;
        EXPECT_NE(entry(mode, "arabianfight"), zembra::kNoEntry) << mode;
        EXPECT_EQ(entry(mode, "null"), zembra::kNoEntry) << mode;
    }
    // A line with commas, one piece per line, the quotes of a piece removed.
    EXPECT_NE(
        entry("info", "vf").find("\r\nPlayers: 2\r\nButtons: 3\r\nControls: 8-way joystick\r\n"),
        std::string::npos);
    // The last entry of history.dat has no end line; its text runs to the end of the file.
    EXPECT_TRUE(entry("history", "nam1975").ends_with("the text shows up to here."));
    EXPECT_EQ(entry("history", "vf"), zembra::kNoEntry);
}

} // namespace
