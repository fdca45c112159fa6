// SPDX-License-Identifier: GPL-3.0-or-later
// The settings menu's moves, its keys and joystick words, its blink and its layout.
#include "zembra/menus/SettingsMenu.h"

#include "zembra/input/JoystickFile.h"
#include "zembra/menus/Flasher.h"

#include <gtest/gtest.h>

namespace {

using zembra::MenuCommand;
using zembra::MenuEntry;

TEST(SettingsMenu, UpAndDownWrapAndSelectOpensTheEntry) {
    // Down from the top walks every entry once and wraps; Up walks back.
    int pos = 1;
    std::vector<MenuEntry> visited;
    for (int i = 0; i < 6; ++i) {
        visited.push_back(zembra::nextMenu(pos));
        pos = zembra::menuDown(pos);
    }
    EXPECT_EQ(visited,
              (std::vector{MenuEntry::FontSize, MenuEntry::RedefineKeys, MenuEntry::ScreenSaver,
                           MenuEntry::Skins, MenuEntry::Exit, MenuEntry::FontSize}));
    EXPECT_EQ(zembra::menuUp(1), 5);
    EXPECT_EQ(zembra::menuUp(5), 4);
    EXPECT_EQ(zembra::menuDown(5), 1);
    EXPECT_EQ(zembra::nextMenu(0), MenuEntry::Exit);
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
    // Unbound actions do not match a key that reads as 0.
    EXPECT_EQ(zembra::menuKeyCommand(0, zembra::KeyBindings{}), std::nullopt);
}

// The words are turned into actions once, when joystick.ini is read; the menu acts on four.
TEST(SettingsMenu, OnlyFourJoystickWordsAct) {
    struct Row {
        const char* word;
        std::optional<MenuCommand> command;
    };
    for (const Row& row :
         {Row{"UP", MenuCommand::Up}, Row{"down", MenuCommand::Down},
          Row{"Select", MenuCommand::Select}, Row{"EXIT", MenuCommand::Exit},
          Row{"CONFIG", std::nullopt}, Row{"LEFTPAGE", std::nullopt}, Row{"", std::nullopt},
          Row{" UP", std::nullopt}, Row{"SCREENSAVER", std::nullopt}}) {
        EXPECT_EQ(zembra::menuJoystickCommand(zembra::joystickAction(row.word)), row.command)
            << row.word;
    }
}

// The colours are the browser's pulse (tested with it); the flasher's own part is the cycle:
// eight ticks, the last changing nothing, then the same again from the start.
TEST(SettingsMenu, FlasherRepeatsTheEightTickPulse) {
    const std::optional<std::int32_t> ticks[] = {32, 64, 128, 255, 255, 128, 64, std::nullopt};
    zembra::Flasher flasher;
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (const auto& expected : ticks) {
            EXPECT_EQ(flasher.tick(0xFF), expected) << "cycle " << cycle;
        }
        EXPECT_EQ(flasher.flashStep(), 0);
    }
}

TEST(SettingsMenu, LayoutLeavesEqualGapsAndCentresOnTheBrowser) {
    const auto layout = zembra::menuLayout(400, 8640);
    EXPECT_DOUBLE_EQ(layout.gap, 60);
    EXPECT_EQ(layout.tops, (std::array<double, 5>{60, 520, 980, 1440, 1900}));
    EXPECT_DOUBLE_EQ(layout.height, 2360);
    EXPECT_DOUBLE_EQ(layout.top, (8640 - 2360) / 2.0);
}

} // namespace
