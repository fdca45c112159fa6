// SPDX-License-Identifier: GPL-3.0-or-later
// A key injector that records what was sent and reports the keys a test holds down.
#pragma once

#include "zembra/platform/KeyInjector.h"

#include <set>
#include <vector>

namespace testing_fakes {

class FakeKeyInjector : public zembra::KeyInjector {
public:
    std::vector<zembra::KeySequence> sent;
    std::set<int> held; ///< virtual-key codes that read as down

    /// Records the sequence and, as the display would, holds or releases the keys it sends.
    void send(const zembra::KeySequence& sequence) override {
        sent.push_back(sequence);
        if (sequence.clearKeyboardFirst) {
            held.clear();
        }
        for (const zembra::KeyEvent& event : sequence.events) {
            if (event.down) {
                held.insert(event.key);
            } else {
                held.erase(event.key);
            }
        }
    }
    bool isDown(int virtualKey) override { return held.count(virtualKey) != 0; }
    void takeKeyboard(std::uintptr_t window) override {
        keyboardTakenBy.push_back(window);
        focus = window;
    }
    std::uintptr_t keyboardWindow() override { return focus; }

    std::vector<std::uintptr_t> keyboardTakenBy; ///< windows given the keyboard, in order
    std::uintptr_t focus = 0;                    ///< the window that has the keyboard, 0 for none
};

} // namespace testing_fakes
