// SPDX-License-Identifier: GPL-3.0-or-later
// The keys sent to Modeler, Impact and Visual Pinball.
#include "zembra/launcher/KeySequences.h"

#include <gtest/gtest.h>

using zembra::KeyEvent;
using zembra::KeySequence;

namespace {

KeySequence taps(std::initializer_list<std::pair<int, int>> keys) {
    KeySequence sequence;
    for (const auto& [key, times] : keys)
        sequence.tap(key, times);
    return sequence;
}

TEST(KeySequences, ModelerWalksItsMenuForTheGamesItKnows) {
    KeySequence expected = taps({{9, 3}, {40, 0}, {13, 1}, {9, 5}, {13, 1}});
    expected.startsFullScreen = true;
    EXPECT_EQ(zembra::PressKeySim("arabianfight"), expected);
    // Case counts, and an unknown game gets the three Tabs only.
    EXPECT_NE(zembra::PressKeySim("F1ExhaustNote"), taps({{9, 3}}));
    EXPECT_EQ(zembra::PressKeySim("F1exhaustnote"), taps({{9, 3}}));
}

// Impact gets Enter alone for a game it does not list; Modeler's full-screen step clears the
// keyboard first; Visual Pinball's way out releases Alt before F.
TEST(KeySequences, UnlistedImpactGamesTheFullScreenStepAndTheVisualPinballChord) {
    EXPECT_EQ(zembra::PressKeySim2("unknown"), taps({{13, 1}}));
    const KeySequence fullScreen = zembra::PressKeySim4();
    EXPECT_TRUE(fullScreen.clearKeyboardFirst);
    EXPECT_EQ(fullScreen.events, taps({{13, 1}}).events);
    const std::vector<KeyEvent> visualPinball = {{81, true},  {81, false}, {18, true}, {70, true},
                                                 {18, false}, {70, false}, {88, true}, {88, false}};
    EXPECT_EQ(zembra::PressKeySimVPE().events, visualPinball);
}

} // namespace
