// SPDX-License-Identifier: GPL-3.0-or-later
// joystick.ini: comments, the seven-character label, sixteen entries and where reading stops.
#include "zembra/input/JoystickFile.h"

#include "common/text/TextFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(JoystickFile, CommentsSkipShortLinesStopCommasSplitSixteenIsTheMostAndNoFileBindsNothing) {
    std::string many;
    for (int i = 0; i < 20; ++i)
        many += "Input: W" + std::to_string(i) + "\r\n";
    struct Row {
        std::string text;
        std::vector<const char*> words; ///< the first entries read, in order
    } rows[] = {
        // Comments do not use up an index; the word is kept as written after the label.
        {"' joystick bindings\r\n\r\nBtn 1: SELECT \r\n' the exit button\r\nBtn 2: Exit\r\n"
         "Btn 3:   mute\r\nBtn 4: \r\nBtn 5: \"REFRESH\"\r\n",
         {"SELECT", "Exit", "mute", "", "\"REFRESH\"", ""}},
        // A line too short for a label ends the reading.
        {"Btn 1: UP\r\nBtn2\r\nBtn 3: DOWN\r\n", {"UP", "", ""}},
        {"Btn 1: UP,Btn 2: DOWN\r\nBtn 3: EXIT\r\n", {"UP", "DOWN", "EXIT"}},
        // The label is seven characters whatever their bytes: "Knöpf" with an umlaut, in UTF-8
        // and as Windows-1252 decoded, is the same binding; a label alone binds nothing.
        {"Knöpf1:SELECT\r\nBtné 2:Exit\r\n", {"SELECT", "Exit"}},
        {common::decodeText("Kn\xF6pf1:SELECT\r\nBtn\xE9 2:Exit\r\n"), {"SELECT", "Exit"}},
        {"Knöpf1:\r\nBtn 2: UP\r\n", {"", "UP"}},
    };
    for (const Row& row : rows) {
        const auto actions = zembra::readJoyWords(row.text);
        for (std::size_t i = 0; i < row.words.size(); ++i)
            EXPECT_EQ(actions[i], row.words[i]) << row.text << " entry " << i;
    }
    EXPECT_EQ(zembra::readJoyWords(many)[15], "W15");
    testing_support::TempFolder cab; // no joystick.ini at all
    EXPECT_EQ(zembra::GetJoyKeys(cab.text()), zembra::JoyBindings{});
}

TEST(JoystickFile, WordsBecomeActionsInAnyCaseAndUnknownOnesBindNothing) {
    using zembra::Action;
    struct Row {
        const char* word;
        std::optional<Action> action;
    } rows[] = {
        {"select", Action::Select},      {"LeftPage", Action::PrevPage},
        {"RIGHTPAGE", Action::NextPage}, {"PREVPATH", Action::PrevPath},
        {"REFRESH", Action::Refresh},    {"SCREENSAVER", Action::Saver},
        {"Config", Action::Config},      {"Exit", Action::Exit},
        {"INFO", std::nullopt}, // the joystick has no word for the information window
        {"\"REFRESH\"", std::nullopt},   {"UP ", std::nullopt},
        {"SELECTED", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(zembra::joystickAction(row.word), row.action) << row.word;
}

} // namespace
