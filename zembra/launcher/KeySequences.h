// SPDX-License-Identifier: GPL-3.0-or-later
// The keys sent to the emulators that cannot be told everything on their command line.
#pragma once

#include <string>
#include <vector>

namespace zembra {

/// Windows virtual-key codes of the keys sent.
enum VirtualKey : int {
    kVkTab = 9,
    kVkEnter = 13,
    kVkControl = 17,
    kVkAlt = 18,
    kVkEscape = 27,
    kVkDown = 40,
    kVkA = 65,
    kVkD = 68,
    kVkF = 70,
    kVkQ = 81,
    kVkX = 88,
};

struct KeyEvent {
    int key = 0;
    bool down = true;
    bool operator==(const KeyEvent&) const = default;
};

/// Events in the order they are sent, with no pause between them. A tap is a down followed at
/// once by an up of the same key.
struct KeySequence {
    bool clearKeyboardFirst = false; ///< all 256 key states off before the first event
    std::vector<KeyEvent> events;
    bool startsFullScreen = false; ///< Modeler: the full-screen Enter follows 2 s later

    KeySequence& tap(int key, int times = 1);
    bool operator==(const KeySequence&) const = default;
};

/// Modeler: three Tabs; for a game it knows, Down to the game, Enter, five Tabs, Enter, and
/// the full-screen step later.
KeySequence PressKeySim(const std::string& gameName);
/// Impact: Down to the game (none for a game it does not list), Enter.
KeySequence PressKeySim2(const std::string& gameName);
/// Ultra 64: Tab, Enter.
KeySequence PressKeySim3();
/// Modeler's full-screen step: the keyboard state cleared, then Enter.
KeySequence PressKeySim4();
/// Visual Pinball's way out: Q; Alt and F down, Alt and F up; X.
KeySequence PressKeySimVPE();
/// The graphics card's hot keys: Ctrl+Alt+A to the television, Ctrl+Alt+D to the monitor.
KeySequence startTv();
KeySequence startMonitor();
/// One Escape tap: the exit request.
KeySequence escapeTap();

} // namespace zembra
