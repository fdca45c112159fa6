// SPDX-License-Identifier: GPL-3.0-or-later
// The settings menu's moves, its keys and its joystick words.
#include "zembra/menus/SettingsMenu.h"

#include <gtest/gtest.h>

namespace {

using zembra::MenuCommand;
using zembra::MenuEntry;

TEST(SettingsMenu, UpAndDownWrapAndSelectOpensTheEntry) {
    // Down from the top walks every entry once and wraps (Up's wrap is the window test's).
    int pos = 1;
    std::vector<MenuEntry> visited;
    for (int i = 0; i < 6; ++i) {
        visited.push_back(zembra::nextMenu(pos));
        pos = zembra::menuDown(pos);
    }
    EXPECT_EQ(visited,
              (std::vector{MenuEntry::FontSize, MenuEntry::RedefineKeys, MenuEntry::ScreenSaver,
                           MenuEntry::Skins, MenuEntry::Exit, MenuEntry::FontSize}));
}

TEST(SettingsMenu, KeysActInExitUpDownSelectOrderAndUnboundMatchesNothing) {
    zembra::KeyBindings keys;
    keys.keyUp = 38;
    keys.keyDown = 40;
    keys.keySelect = 13;
    keys.keyExit = 27;
    keys.keyConfig = 9; // not a menu key
    // Up, Down, Select and the joystick's words act in the window tests.
    EXPECT_EQ(zembra::menuKeyCommand(27, keys), MenuCommand::Exit);
    for (const int key : {9, 0})
        EXPECT_EQ(zembra::menuKeyCommand(key, keys), std::nullopt) << key;
    // One key bound to everything: Exit is tested first.
    zembra::KeyBindings same;
    for (auto* binding : same.inFileOrder())
        *binding = 32;
    EXPECT_EQ(zembra::menuKeyCommand(32, same), MenuCommand::Exit);
}

} // namespace
