// SPDX-License-Identifier: GPL-3.0-or-later
// Qt keys turned into the Windows virtual-key codes of a US keyboard, and back.
#include "zembra/input/QtKeyMap.h"

#include <Qt>
#include <array>

namespace zembra {

namespace {

struct KeyPair {
    int qtKey;
    int code;
};

// Windows names a key, not the character it types: Shift+; is still the ';' key. Qt names the
// character, so every shifted symbol of a US layout is listed with its key's code. The first
// row of each code is the unshifted key, the one qtKeyForWindowsCode gives back.
constexpr std::array kKeys = {
    KeyPair{Qt::Key_Backspace, 8},
    KeyPair{Qt::Key_Tab, 9},
    KeyPair{Qt::Key_Backtab, 9}, // Shift+Tab
    KeyPair{Qt::Key_Clear, 12},  // keypad 5 without Num Lock
    KeyPair{Qt::Key_Return, 13},
    KeyPair{Qt::Key_Enter, 13}, // the keypad's Enter; Windows does not tell them apart
    KeyPair{Qt::Key_Shift, 16},
    KeyPair{Qt::Key_Control, 17},
    KeyPair{Qt::Key_Alt, 18},
    // Windows reports AltGr as Ctrl+Alt with its Alt key being the right Alt, code 18: a
    // binding on Alt should not depend on which of the two a European keyboard sends.
    KeyPair{Qt::Key_AltGr, 18},
    KeyPair{Qt::Key_Pause, 19},
    KeyPair{Qt::Key_CapsLock, 20},
    KeyPair{Qt::Key_Escape, 27},
    KeyPair{Qt::Key_Space, 32},
    KeyPair{Qt::Key_PageUp, 33},
    KeyPair{Qt::Key_PageDown, 34},
    KeyPair{Qt::Key_End, 35},
    KeyPair{Qt::Key_Home, 36},
    KeyPair{Qt::Key_Left, 37},
    KeyPair{Qt::Key_Up, 38},
    KeyPair{Qt::Key_Right, 39},
    KeyPair{Qt::Key_Down, 40},
    KeyPair{Qt::Key_Select, 41},
    KeyPair{Qt::Key_Execute, 43},
    KeyPair{Qt::Key_Print, 44},
    KeyPair{Qt::Key_SysReq, 44}, // Alt+Print
    KeyPair{Qt::Key_Insert, 45},
    KeyPair{Qt::Key_Delete, 46},
    KeyPair{Qt::Key_Help, 47},
    // Shift+digit on a US layout: still the digit's key.
    KeyPair{Qt::Key_ParenRight, 48},
    KeyPair{Qt::Key_Exclam, 49},
    KeyPair{Qt::Key_At, 50},
    KeyPair{Qt::Key_NumberSign, 51},
    KeyPair{Qt::Key_Dollar, 52},
    KeyPair{Qt::Key_Percent, 53},
    KeyPair{Qt::Key_AsciiCircum, 54},
    KeyPair{Qt::Key_Ampersand, 55},
    KeyPair{Qt::Key_Asterisk, 56},
    KeyPair{Qt::Key_ParenLeft, 57},
    // X calls the Windows key Super, and Qt calls Super_L Meta on most setups.
    KeyPair{Qt::Key_Meta, 91},
    KeyPair{Qt::Key_Super_L, 91},
    KeyPair{Qt::Key_Super_R, 92}, // the right Windows key has a code of its own
    KeyPair{Qt::Key_Menu, 93},
    KeyPair{Qt::Key_Sleep, 95},
    KeyPair{Qt::Key_NumLock, 144},
    KeyPair{Qt::Key_ScrollLock, 145},
    KeyPair{Qt::Key_Back, 166},
    KeyPair{Qt::Key_Forward, 167},
    KeyPair{Qt::Key_Refresh, 168},
    KeyPair{Qt::Key_Stop, 169},
    KeyPair{Qt::Key_Search, 170},
    KeyPair{Qt::Key_Favorites, 171},
    KeyPair{Qt::Key_HomePage, 172},
    KeyPair{Qt::Key_VolumeMute, 173},
    KeyPair{Qt::Key_VolumeDown, 174},
    KeyPair{Qt::Key_VolumeUp, 175},
    KeyPair{Qt::Key_MediaNext, 176},
    KeyPair{Qt::Key_MediaPrevious, 177},
    KeyPair{Qt::Key_MediaStop, 178},
    KeyPair{Qt::Key_MediaTogglePlayPause, 179},
    KeyPair{Qt::Key_MediaPlay, 179},
    KeyPair{Qt::Key_MediaPause, 179},
    KeyPair{Qt::Key_LaunchMail, 180},
    KeyPair{Qt::Key_Semicolon, 186},
    KeyPair{Qt::Key_Colon, 186},
    KeyPair{Qt::Key_Equal, 187},
    KeyPair{Qt::Key_Plus, 187},
    KeyPair{Qt::Key_Comma, 188},
    KeyPair{Qt::Key_Less, 188},
    KeyPair{Qt::Key_Minus, 189},
    KeyPair{Qt::Key_Underscore, 189},
    KeyPair{Qt::Key_Period, 190},
    KeyPair{Qt::Key_Greater, 190},
    KeyPair{Qt::Key_Slash, 191},
    KeyPair{Qt::Key_Question, 191},
    KeyPair{Qt::Key_QuoteLeft, 192},
    KeyPair{Qt::Key_AsciiTilde, 192},
    KeyPair{Qt::Key_BracketLeft, 219},
    KeyPair{Qt::Key_BraceLeft, 219},
    KeyPair{Qt::Key_Backslash, 220},
    KeyPair{Qt::Key_Bar, 220},
    KeyPair{Qt::Key_BracketRight, 221},
    KeyPair{Qt::Key_BraceRight, 221},
    KeyPair{Qt::Key_Apostrophe, 222},
    KeyPair{Qt::Key_QuoteDbl, 222},
};

// On the keypad Qt gives the character keys it types; Windows gives them codes of their own.
// Keys the keypad shares with the main block (Enter, the arrows and Home..Delete without
// Num Lock) keep their usual codes, as on Windows.
constexpr std::array kKeypadKeys = {
    KeyPair{Qt::Key_Asterisk, 106},
    KeyPair{Qt::Key_Plus, 107},
    KeyPair{Qt::Key_Minus, 109},
    KeyPair{Qt::Key_Period, 110},
    KeyPair{Qt::Key_Comma, 110}, // the decimal key of layouts that
                                 // write 1,5
    KeyPair{Qt::Key_Slash, 111},
};

constexpr int kCodeDigit0 = 48;
constexpr int kCodeA = 65;
constexpr int kCodeKeypad0 = 96;
constexpr int kCodeKeypad9 = 105;
constexpr int kCodeF1 = 112;
constexpr int kFunctionKeys = 24;
// Qt has no lower-case letter keys, but a key built from typed text may carry one.
constexpr int kLowerA = 'a';
constexpr int kLowerZ = 'z';

} // namespace

int windowsKeyCode(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return kCodeA + (qtKey - Qt::Key_A);
    }
    if (qtKey >= kLowerA && qtKey <= kLowerZ) {
        return kCodeA + (qtKey - kLowerA);
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return (keypad ? kCodeKeypad0 : kCodeDigit0) + (qtKey - Qt::Key_0);
    }
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys) {
        return kCodeF1 + (qtKey - Qt::Key_F1);
    }
    if (keypad) {
        for (const KeyPair& pair : kKeypadKeys) {
            if (pair.qtKey == qtKey) {
                return pair.code;
            }
        }
    }
    for (const KeyPair& pair : kKeys) {
        if (pair.qtKey == qtKey) {
            return pair.code;
        }
    }
    return 0;
}

// The keypad codes give the key the keypad sends (Key_0, Key_Asterisk...): whoever builds a
// key event from them must add Qt::KeypadModifier for it to read back as the keypad key.
int qtKeyForWindowsCode(int windowsCode) {
    if (windowsCode >= kCodeA && windowsCode < kCodeA + 26) {
        return Qt::Key_A + (windowsCode - kCodeA);
    }
    if (windowsCode >= kCodeDigit0 && windowsCode < kCodeDigit0 + 10) {
        return Qt::Key_0 + (windowsCode - kCodeDigit0);
    }
    if (windowsCode >= kCodeKeypad0 && windowsCode <= kCodeKeypad9) {
        return Qt::Key_0 + (windowsCode - kCodeKeypad0);
    }
    if (windowsCode >= kCodeF1 && windowsCode < kCodeF1 + kFunctionKeys) {
        return Qt::Key_F1 + (windowsCode - kCodeF1);
    }
    for (const KeyPair& pair : kKeypadKeys) {
        if (pair.code == windowsCode) {
            return pair.qtKey;
        }
    }
    for (const KeyPair& pair : kKeys) {
        if (pair.code == windowsCode) {
            return pair.qtKey;
        }
    }
    return 0;
}

} // namespace zembra
