// SPDX-License-Identifier: GPL-3.0-or-later
// quarn.cfg: nine records written in full and read back unchanged.
#include "zembra/startup/UserSettings.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

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

TEST(UserSettings, SaveWritesAllNineRecordsWithTheSelection) {
    testing_support::TempFolder folder;
    UserSettings s = sample();
    ASSERT_TRUE(zembra::SaveCfg(folder.text(), s, 42, 3));
    EXPECT_EQ(folder.read("quarn.cfg"),
              "\"\\neon\\\"\r\n120.5\r\n-1\r\n-260\r\n7\r\n#TRUE#\r\n42\r\n3\r\n14\r\n");
    EXPECT_EQ(s.cfgListIndex, 42);
    EXPECT_EQ(s.cfgPath, 3);
}

TEST(UserSettings, WhatIsSavedReadsBackAndTheCountdownRestartsFromTheDelay) {
    testing_support::TempFolder folder;
    UserSettings saved = sample();
    ASSERT_TRUE(zembra::SaveCfg(folder.text(), saved, 12, 25));
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
    EXPECT_EQ(partial.skinDir, "\\blue\\");
    EXPECT_EQ(partial.ssCountdown, 30);
    EXPECT_EQ(partial.musicVolume, -20);
    EXPECT_FALSE(partial.muted);
    EXPECT_EQ(partial.cfgPath, 9);

    // A path number too large for its record stops the reading as well.
    UserSettings big;
    EXPECT_FALSE(zembra::readUserSettings(
        "\"\"\r\n0\r\n0\r\n0\r\n0\r\n#FALSE#\r\n70000\r\n2\r\n0\r\n", big));
    EXPECT_EQ(big.cfgListIndex, 0);
    EXPECT_EQ(big.cfgPath, 0);
}

} // namespace
