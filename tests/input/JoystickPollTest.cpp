// SPDX-License-Identifier: GPL-3.0-or-later
// One poll of the joystick: thresholds, diagonals, single buttons, the exit button's mask.
#include "zembra/input/JoystickPoll.h"

#include <gtest/gtest.h>

namespace {

using Inputs = std::vector<int>;

TEST(JoystickPoll, ThresholdsAreStrictAndInputsComeInOrder) {
    struct Row {
        zembra::JoystickState state;
        Inputs inputs;
    } rows[] = {
        {{20000, 40000, 0}, {}},       // exactly on the thresholds: nothing
        {{19999, 40001, 0}, {13, 14}}, // lower left: down first, then left
        {{32768, 0, 4}, {12, 2}},      // up, then button 3
        {{32768, 32768, 2048}, {11}},  // button 12
        {{32768, 32768, 3}, {}},       // two buttons together fire none
        {{32768, 32768, 4096}, {}},    // past button 12
    };
    for (const auto& row : rows) {
        EXPECT_EQ(zembra::joystickInputs(row.state), row.inputs)
            << row.state.x << "," << row.state.y << " " << row.state.buttons;
    }
}

TEST(JoystickPoll, OnlyExitWrittenSoArmsTheExitButton) {
    zembra::JoyWords words;
    EXPECT_EQ(zembra::checkExitbut(zembra::bindJoystick(words), 0), 0u);
    words[4] = "EXIT";
    words[13] = "Exit";                                                  // the stick is no button
    EXPECT_EQ(zembra::checkExitbut(zembra::bindJoystick(words), 8), 8u); // kept: no "Exit"
    words[6] = "Exit";
    words[9] = "Exit";
    EXPECT_EQ(zembra::checkExitbut(zembra::bindJoystick(words), 0), 64u); // the first one
}

} // namespace
