// SPDX-License-Identifier: GPL-3.0-or-later
// Key injection and key state through XTest and XQueryKeymap.
#include "zembra/platform/KeyInjector.h"
#include "zembra/platform/linux/XKeysyms.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <iostream>

namespace zembra {
namespace {

constexpr unsigned long kTapGapMs = 5;

class XTestKeyInjector final : public KeyInjector {
public:
    XTestKeyInjector() {
        display_ = XOpenDisplay(nullptr);
        int event = 0, error = 0, major = 0, minor = 0;
        if (display_ != nullptr && !XTestQueryExtension(display_, &event, &error, &major, &minor)) {
            XCloseDisplay(display_);
            display_ = nullptr;
        }
        if (display_ == nullptr) {
            std::cerr << "zembra: no X display with XTest: keys cannot be sent to the emulators\n";
        }
    }

    ~XTestKeyInjector() override {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }

    void send(const KeySequence& sequence) override {
        if (display_ == nullptr) {
            return;
        }
        if (sequence.clearKeyboardFirst) {
            releaseEverything();
        }
        KeyCode released = 0;
        for (const KeyEvent& event : sequence.events) {
            const KeyCode code = keycode(event.key);
            if (code == 0) {
                continue;
            }
            // X programs (Qt, SDL, wine) take a release and a press of the same key at the
            // same instant for auto-repeat and drop the second tap; a few milliseconds keep
            // every tap a tap.
            const unsigned long delay = event.down && code == released ? kTapGapMs : CurrentTime;
            XTestFakeKeyEvent(display_, code, event.down ? True : False, delay);
            released = event.down ? 0 : code;
        }
        XSync(display_, False);
    }

    bool isDown(int virtualKey) override {
        if (display_ == nullptr) {
            return false;
        }
        const KeyCode code = keycode(virtualKey);
        if (code == 0) {
            return false;
        }
        char keys[32] = {};
        XQueryKeymap(display_, keys);
        return (keys[code / 8] & (1 << (code % 8))) != 0;
    }

    void takeKeyboard(NativeWindow window) override {
        if (display_ == nullptr || window == 0) {
            return;
        }
        // "Now" rather than the window's last event time: a program that was blocked while
        // another had the keyboard only knows times from before that, and X ignores a focus
        // change older than the last one.
        XSetInputFocus(display_, static_cast<Window>(window), RevertToParent, CurrentTime);
        XSync(display_, False);
    }

    NativeWindow keyboardWindow() override {
        if (display_ == nullptr) {
            return 0;
        }
        Window focus = None;
        int revert = 0;
        XGetInputFocus(display_, &focus, &revert);
        if (focus == None || focus == PointerRoot || focus == DefaultRootWindow(display_)) {
            return 0;
        }
        return static_cast<NativeWindow>(focus);
    }

private:
    KeyCode keycode(int virtualKey) {
        const KeySym keysym = keysymForVirtualKey(virtualKey);
        return keysym == 0 ? 0 : XKeysymToKeycode(display_, keysym);
    }

    /// Every key that is down goes up: no key down, nothing held that the next key could combine
    /// with.
    void releaseEverything() {
        char keys[32] = {};
        XQueryKeymap(display_, keys);
        for (int code = 8; code < 256; ++code) {
            if ((keys[code / 8] & (1 << (code % 8))) != 0) {
                XTestFakeKeyEvent(display_, static_cast<unsigned>(code), False, CurrentTime);
            }
        }
    }

    Display* display_ = nullptr;
};

} // namespace

unsigned long keysymForVirtualKey(int vk) {
    if (vk >= 'A' && vk <= 'Z') {
        return XK_a + (vk - 'A');
    }
    if (vk >= '0' && vk <= '9') {
        return XK_0 + (vk - '0');
    }
    if (vk >= 112 && vk <= 135) {
        return XK_F1 + (vk - 112);
    }
    if (vk >= 96 && vk <= 105) {
        return XK_KP_0 + (vk - 96);
    }
    switch (vk) {
    case 8:
        return XK_BackSpace;
    case 9:
        return XK_Tab;
    case 13:
        return XK_Return;
    case 16:
        return XK_Shift_L;
    case 17:
        return XK_Control_L;
    case 18:
        return XK_Alt_L;
    case 19:
        return XK_Pause;
    case 20:
        return XK_Caps_Lock;
    case 27:
        return XK_Escape;
    case 32:
        return XK_space;
    case 33:
        return XK_Prior;
    case 34:
        return XK_Next;
    case 35:
        return XK_End;
    case 36:
        return XK_Home;
    case 37:
        return XK_Left;
    case 38:
        return XK_Up;
    case 39:
        return XK_Right;
    case 40:
        return XK_Down;
    case 45:
        return XK_Insert;
    case 46:
        return XK_Delete;
    case 106:
        return XK_KP_Multiply;
    case 107:
        return XK_KP_Add;
    case 109:
        return XK_KP_Subtract;
    case 110:
        return XK_KP_Decimal;
    case 111:
        return XK_KP_Divide;
    case 186:
        return XK_semicolon;
    case 187:
        return XK_equal;
    case 188:
        return XK_comma;
    case 189:
        return XK_minus;
    case 190:
        return XK_period;
    case 191:
        return XK_slash;
    case 192:
        return XK_grave;
    case 219:
        return XK_bracketleft;
    case 220:
        return XK_backslash;
    case 221:
        return XK_bracketright;
    case 222:
        return XK_apostrophe;
    default:
        return 0;
    }
}

std::unique_ptr<KeyInjector> makeKeyInjector() {
    return std::make_unique<XTestKeyInjector>();
}

} // namespace zembra
