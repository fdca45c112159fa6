// SPDX-License-Identifier: GPL-3.0-or-later
// The settings menu's moves, its keys and joystick words, its blink and its layout.
#include "zembra/menus/SettingsMenu.h"

#include "zembra/input/JoystickFile.h"

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
    struct Row {
        int key;
        std::optional<MenuCommand> command;
    };
    for (const Row& row : {Row{38, MenuCommand::Up}, Row{40, MenuCommand::Down},
                           Row{13, MenuCommand::Select}, Row{27, MenuCommand::Exit},
                           Row{9, std::nullopt}, Row{0, std::nullopt}, Row{65, std::nullopt}}) {
        EXPECT_EQ(zembra::menuKeyCommand(row.key, keys), row.command) << row.key;
    }
    // One key bound to everything: Exit is tested first.
    zembra::KeyBindings same;
    for (auto* binding : same.inFileOrder()) {
        *binding = 32;
    }
    EXPECT_EQ(zembra::menuKeyCommand(32, same), MenuCommand::Exit);
}

// The words are turned into actions once, when joystick.ini is read; the menu acts on four.
TEST(SettingsMenu, OnlyFourJoystickWordsAct) {
    struct Row {
        const char* word;
        std::optional<MenuCommand> command;
    };
    for (const Row& row : {Row{"UP", MenuCommand::Up}, Row{"down", MenuCommand::Down},
                           Row{"Select", MenuCommand::Select}, Row{"EXIT", MenuCommand::Exit},
                           Row{"CONFIG", std::nullopt}, Row{"LEFTPAGE", std::nullopt}}) {
        EXPECT_EQ(zembra::menuJoystickCommand(zembra::joystickAction(row.word)), row.command)
            << row.word;
    }
}

TEST(SettingsMenu, LayoutLeavesEqualGapsAndCentresOnTheBrowser) {
    const auto layout = zembra::menuLayout(400, 8640);
    for (std::size_t i = 1; i < layout.tops.size(); ++i) {
        EXPECT_DOUBLE_EQ(layout.tops[i] - layout.tops[i - 1], 400 + layout.gap);
    }
    EXPECT_DOUBLE_EQ(layout.top, (8640 - layout.height) / 2.0);
}

} // namespace
