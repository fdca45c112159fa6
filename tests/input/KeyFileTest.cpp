// SPDX-License-Identifier: GPL-3.0-or-later
// zbkeys.cfg: thirteen key codes, empty fields for unbound actions, Tab as the way back in.
#include "zembra/input/KeyFile.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using zembra::KeyBindings;

namespace {

TEST(KeyFile, ReadsThirteenFieldsByCommaOrLine) {
    KeyBindings keys;
    ASSERT_TRUE(zembra::readKeyBindings("38,40,34,33,116,9,39,37,13,27,83,77,73\r\n", keys));
    EXPECT_EQ(keys.keyUp, 38);
    EXPECT_EQ(keys.keyConfig, 9);
    EXPECT_EQ(keys.keyExit, 27);
    EXPECT_EQ(keys.keyInfo, 73);

    KeyBindings perLine;
    ASSERT_TRUE(zembra::readKeyBindings(" 38 \n40\n34\n33\n116\n18\n39\n37\n13\n27\n83\n77\n73\n",
                                        perLine));
    EXPECT_EQ(perLine.keyUp, 38);
    EXPECT_EQ(perLine.keyConfig, 18);
}

TEST(KeyFile, EmptyFieldsBindNothingAndCompareAsZero) {
    KeyBindings keys;
    ASSERT_TRUE(zembra::readKeyBindings("38,,34,33,116,9,39,37,13,27,,77,\r\n", keys));
    EXPECT_FALSE(keys.keyDown);
    EXPECT_FALSE(keys.keyInfo);
    EXPECT_EQ(zembra::keyCode(keys.keySaver), 0);
    EXPECT_EQ(zembra::writeKeyBindings(keys), "38,,34,33,116,9,39,37,13,27,,77,\r\n");
}

TEST(KeyFile, AShortFileKeepsItsFieldsAndPutsConfigOnTab) {
    KeyBindings keys;
    keys.keyInfo = 99;
    EXPECT_FALSE(zembra::readKeyBindings("38,40,34,33,116,120,39,37,13,27,83,77\r\n", keys));
    EXPECT_EQ(keys.keyMute, 77);
    EXPECT_EQ(keys.keyConfig, 9);
    EXPECT_EQ(keys.keyInfo, 99); // not read: keeps what it held
}

TEST(KeyFile, MissingFileLeavesOnlyTabAndSavingWritesAllThirteen) {
    testing_support::TempFolder cab;
    KeyBindings keys;
    EXPECT_FALSE(zembra::getKeys(cab.text(), keys));
    KeyBindings onlyTab;
    onlyTab.keyConfig = 9;
    EXPECT_EQ(keys, onlyTab);

    ASSERT_TRUE(zembra::saveKeys(cab.text(), keys));
    EXPECT_EQ(cab.read("zbkeys.cfg"), ",,,,,9,,,,,,,\r\n");
    KeyBindings again;
    EXPECT_TRUE(zembra::getKeys(cab.text(), again));
    EXPECT_EQ(again, keys);
}

} // namespace
