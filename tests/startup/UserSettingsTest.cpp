// SPDX-License-Identifier: GPL-3.0-or-later
// quarn.cfg: nine records written in full and read back unchanged.
#include "zembra/startup/UserSettings.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <tuple>

using zembra::UserSettings;

namespace {

UserSettings sample() {
    UserSettings s;
    s.skinDir = "\\neon\\";
    s.ssDelay = 120.5;
    s.ssCountdown = 3;
    s.shuffle = -1;
    s.musicVolume = -260;
    s.songIdx = 7;
    s.muted = true;
    s.userFontSize = 14;
    return s;
}

TEST(UserSettings, SaveWritesAllNineRecordsAndTheCountdownReadsBackAsTheDelay) {
    testing_support::TempFolder folder;
    UserSettings saved = sample();
    ASSERT_TRUE(zembra::SaveCfg(folder.text(), saved, 42, 3));
    EXPECT_EQ(folder.read("quarn.cfg"),
              "\"\\neon\\\"\r\n120.5\r\n-1\r\n-260\r\n7\r\n#TRUE#\r\n42\r\n3\r\n14\r\n");
    EXPECT_EQ(std::tuple(saved.cfgListIndex, saved.cfgPath), std::tuple(42, 3));
    UserSettings read;
    ASSERT_TRUE(zembra::openCfg(folder.text(), read));
    UserSettings expected = saved;
    expected.ssCountdown = saved.ssDelay;
    EXPECT_EQ(read, expected);
}

TEST(UserSettings, MissingOrBadFileKeepsTheValuesNotRead) {
    testing_support::TempFolder folder;
    UserSettings s;
    EXPECT_FALSE(zembra::openCfg(folder.text(), s));
    EXPECT_EQ(s, UserSettings{});

    // The flag line does not convert: what came before is taken, the rest stays.
    UserSettings partial;
    partial.cfgPath = 9;
    EXPECT_FALSE(zembra::readUserSettings("\"\\blue\\\"\r\n30\r\n0\r\n-20\r\n2\r\nperhaps\r\n5\r\n",
                                          partial));
    EXPECT_EQ(std::tuple(partial.skinDir, partial.ssCountdown, partial.musicVolume, partial.muted,
                         partial.cfgPath),
              std::tuple("\\blue\\", 30, -20, false, 9));

    // A path number too large for its record stops the reading as well.
    UserSettings big;
    EXPECT_FALSE(zembra::readUserSettings(
        "\"\"\r\n0\r\n0\r\n0\r\n0\r\n#FALSE#\r\n70000\r\n2\r\n0\r\n", big));
    EXPECT_EQ(std::tuple(big.cfgListIndex, big.cfgPath), std::tuple(0, 0));
}

} // namespace
