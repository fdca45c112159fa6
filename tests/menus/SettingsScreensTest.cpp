// SPDX-License-Identifier: GPL-3.0-or-later
// The font-size, screensaver and skin screens: their values, limits, lists and what Select saves;
// binding the thirteen keys again: the prompts in order and the key file written at the end.
#include "zembra/menus/SettingsScreens.h"

#include "tests/support/TempFolder.h"
#include "zembra/menus/KeyRedefinition.h"

#include <gtest/gtest.h>

namespace {

using zembra::NumberScreen;

// Applies "u"/"d" steps and returns every label shown, the first included.
template <typename Screen>
std::vector<std::string> walk(Screen screen, std::string_view steps) {
    std::vector<std::string> shown{screen.label()};
    for (const char step : steps) {
        step == 'u' ? screen.up() : screen.down();
        shown.push_back(screen.label());
    }
    return shown;
}

using Labels = std::vector<std::string>;

TEST(SettingsScreens, NumbersStepWithinTheirLimitsWithALeadingBlank) {
    // The font screen's first value alone has no blank.
    EXPECT_EQ(walk(zembra::fontScreen(0), "dud"), (Labels{"0", "0", " 1", " 0"}));
    EXPECT_EQ(walk(zembra::fontScreen(32767), "ud"), (Labels{"32767", "32767", " 32766"}));
    // The screensaver screen's floor is the window test's. A fraction steps by one but never past
    // the lowest value.
    EXPECT_EQ(walk(zembra::screenSaverScreen(-0.5), "dd"), (Labels{"-0.5", "-1", "-1"}));
    EXPECT_EQ(walk(NumberScreen("abc", 0, 10), "u"), (Labels{"abc", " 1"}));
}

struct Cabinet {
    testing_support::TempFolder folder;
    zembra::UserSettings settings;
    zembra::CfgPlace place;

    Cabinet() {
        place = {folder.text(), 4, 2};
        settings.skinDir = "\\neon\\";
        settings.ssDelay = settings.ssCountdown = 120;
    }
    zembra::UserSettings saved() const {
        zembra::UserSettings read;
        zembra::openCfg(folder.text(), read);
        return read;
    }
};

TEST(SettingsScreens, SelectSavesTheSettingAndTheSelection) {
    Cabinet cabinet;
    NumberScreen font = zembra::fontScreen(0);
    font.up();
    font.up();
    ASSERT_TRUE(zembra::selectFontSize(font, cabinet.settings, cabinet.place));
    EXPECT_EQ(cabinet.saved().userFontSize, 2);
    EXPECT_EQ(cabinet.saved().cfgListIndex, 4); // the browser's selection is saved with it

    NumberScreen delay = zembra::screenSaverScreen(cabinet.settings.ssDelay);
    for (int i = 0; i < 125; ++i)
        delay.down();
    cabinet.settings.ssCountdown = 7; // partly run down
    ASSERT_TRUE(zembra::selectScreenSaverDelay(delay, cabinet.settings, cabinet.place));
    EXPECT_EQ(cabinet.settings.ssCountdown, -1);
    EXPECT_EQ(cabinet.saved().ssDelay, -1);
}

TEST(SettingsScreens, SkinListWrapsBothWaysFromTheCurrentSkin) {
    struct Row {
        Labels names;
        std::string steps;
        Labels shown;
    };
    Labels many;
    for (int i = 0; i < 31; ++i)
        many.push_back("s" + std::to_string(i));
    const Row rows[] = {
        {{"A", "B", "C"}, "dddd", {"\\cur\\", "A", "B", "C", "A"}},
        {{}, "du", {"\\cur\\", "", ""}},
        // More than thirty folders: all of them are reached.
        {many, "uud", {"\\cur\\", "s30", "s29", "s30"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(walk(zembra::SkinScreen("\\cur\\", row.names), row.steps), row.shown)
            << row.names.size() << " folders, " << row.steps;
    }
}

TEST(SettingsScreens, SkinSelectTakesOnlyAFolderWithASkinFile) {
    Cabinet cabinet;
    cabinet.folder.write("zbthemes/neon/skin.ini", "x");
    cabinet.folder.write("zbthemes/dir/skin.ini/inner", "x");

    // Select at once keeps (and saves) the current skin.
    zembra::SkinScreen unchanged("\\neon\\", {"film"});
    EXPECT_TRUE(zembra::selectSkin(unchanged, cabinet.settings, cabinet.place).saved);
    EXPECT_EQ(cabinet.saved().skinDir, "\\neon\\");

    // A skin.ini that is a folder, and no folder at all: the skin in use stays, in memory and
    // on disk. A good skin chosen is run end to end.
    for (const Labels& names : {Labels{"dir"}, Labels{}}) {
        zembra::SkinScreen screen(cabinet.settings.skinDir, names);
        screen.down();
        const auto choice = zembra::selectSkin(screen, cabinet.settings, cabinet.place);
        EXPECT_FALSE(choice.saved) << screen.label();
        EXPECT_FALSE(choice.reason.empty());
        EXPECT_EQ(cabinet.settings.skinDir, "\\neon\\");
        EXPECT_EQ(cabinet.saved().skinDir, "\\neon\\");
    }
}

TEST(KeyRedefinition, AsksInKeyFileOrderAndWritesACompleteFile) {
    testing_support::TempFolder folder;
    zembra::KeyBindings old;
    old.keyConfig = 9; // as after a missing key file
    zembra::KeyRedefinition redefinition(old);

    const int codes[] = {38, 40, 34, 33, 116, 9, 39, 37, 13, 27, 83, 77, 73};
    std::string error;
    EXPECT_FALSE(zembra::saveRedefinedKeys(redefinition, folder.text(), &error));
    std::string asked;
    for (int i = 0; i < 13; ++i) {
        asked += redefinition.caption() + "|";
        EXPECT_EQ(redefinition.take(codes[i]), i == 12); // nothing is saved before the last key
    }
    EXPECT_EQ(asked, "Press Key for Up :|Press Key for Down :|Press Key for Next Page :|"
                     "Press Key for Previous Page :|Press Key for Refresh :|"
                     "Press Key for Config :|Press Key for Next Path :|"
                     "Press Key for Previous Path :|Press Key for Select:  |"
                     "Press Key for Exit:  |Press Key for Invoke ScreenSaver:  |"
                     "Press Key for Mute:  |Press Key for Info:  |");
    EXPECT_EQ(redefinition.caption(), "Saving:.....  ");
    EXPECT_FALSE(folder.exists("zbkeys.cfg"));
    ASSERT_TRUE(zembra::saveRedefinedKeys(redefinition, folder.text(), &error)) << error;
    EXPECT_EQ(folder.read("zbkeys.cfg"), "38,40,34,33,116,9,39,37,13,27,83,77,73\r\n");
    EXPECT_FALSE(redefinition.take(65)); // keys after the thirteenth change nothing
}

} // namespace
