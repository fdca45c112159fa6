// SPDX-License-Identifier: GPL-3.0-or-later
// Keys sent to whichever window has the keyboard, and the real state of a key.
#pragma once

#include "zembra/launcher/KeySequences.h"

#include <cstdint>
#include <memory>

namespace zembra {

/// A window as the display names it (the browser's, an emulator's); 0 is no window.
using NativeWindow = std::uintptr_t;

/// Keys are named by the program's own codes, the Windows virtual-key codes of the key file
/// (kVk... in KeySequences.h); the implementation turns them into the display's.
class KeyInjector {
public:
    virtual ~KeyInjector() = default;

    /// Sends the events in order, with no pause, to the window that has the keyboard focus.
    virtual void send(const KeySequence& sequence) = 0;

    /// Whether the key with this Windows virtual-key code is held down now, whichever window
    /// has the focus (the exit watch reads the Exit key while an emulator is in front).
    virtual bool isDown(int virtualKey) = 0;

    /// Gives the keyboard to the native window `window` at once (the browser, when an emulator
    /// has ended and no window manager hands it back).
    virtual void takeKeyboard(NativeWindow window) = 0;

    /// The native window that has the keyboard now; 0 when none has (it went back to the
    /// root, as on a session without a window manager when the window that had it closes).
    virtual NativeWindow keyboardWindow() = 0;
};

/// XTest on the X display. Without one (or without XTest) it says so once on the log and sends
/// nothing; no key then reads as down.
std::unique_ptr<KeyInjector> makeKeyInjector();

} // namespace zembra
