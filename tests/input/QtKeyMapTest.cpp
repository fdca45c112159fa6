// SPDX-License-Identifier: GPL-3.0-or-later
// Qt keys against the Windows key codes the key file stores, in both directions.
#include "zembra/input/QtKeyMap.h"

#include <Qt>
#include <gtest/gtest.h>
#include <map>
#include <tuple>
#include <vector>

namespace {

using namespace Qt;

// Each family's Qt keys, each followed by its Windows code. On the keypad Qt gives the key it
// types, and the keypad flag says where it came from. Of the keys that share a code, the plain
// one is listed first.
const std::tuple<const char*, bool, std::vector<int>> kFamilies[] = {
    {"letters, either case", false, {Key_A, 65, Key_Z, 90, 'a', 65, 'z', 90}},
    {"digits", false, {Key_0, 48, Key_1, 49, Key_8, 56, Key_9, 57}},
    {"keypad digits", true, {Key_0, 96, Key_9, 105}},
    {"F keys up to F24", false, {Key_F1, 112, Key_F24, 135, Key_F25, 0}},
    {"arrows and navigation", false, {Key_Left,   37, Key_Up,       38, Key_Right, 39, Key_Down, 40,
                                      Key_PageUp, 33, Key_PageDown, 34, Key_End,   35, Key_Home, 36,
                                      Key_Insert, 45, Key_Delete,   46}},
    {"modifiers; AltGr is Alt",
     false,
     {Key_Shift,   16, Key_Control, 17, Key_Alt,      18, Key_AltGr,   18,  Key_Meta,       91,
      Key_Super_L, 91, Key_Super_R, 92, Key_CapsLock, 20, Key_NumLock, 144, Key_ScrollLock, 145}},
    {"editing keys; Shift+Tab is Tab", false, {Key_Backspace, 8,  Key_Tab,    9,  Key_Backtab, 9,
                                               Key_Clear,     12, Key_Return, 13, Key_Enter,   13,
                                               Key_Escape,    27, Key_Space,  32, Key_Pause,   19,
                                               Key_Print,     44, Key_Menu,   93}},
    {"keypad keys the main block has too",
     true,
     {Key_Enter, 13, Key_Up, 38, Key_Home, 36, Key_Delete, 46, Key_F5, 116}},
    {"unshifted punctuation",
     false,
     {Key_Semicolon, 186, Key_Equal,        187, Key_Comma,      188, Key_Minus,       189,
      Key_Period,    190, Key_Slash,        191, Key_QuoteLeft,  192, Key_BracketLeft, 219,
      Key_Backslash, 220, Key_BracketRight, 221, Key_Apostrophe, 222}},
    {"shifted punctuation is its key's code",
     false,
     {Key_Colon,    186, Key_Plus,       187, Key_Less,       188, Key_Underscore, 189,
      Key_Greater,  190, Key_Question,   191, Key_AsciiTilde, 192, Key_BraceLeft,  219,
      Key_Bar,      220, Key_BraceRight, 221, Key_QuoteDbl,   222, Key_Exclam,     49,
      Key_Asterisk, 56,  Key_ParenRight, 48}},
    {"keypad operators, the decimal comma too",
     true,
     {Key_Asterisk, 106, Key_Plus, 107, Key_Minus, 109, Key_Period, 110, Key_Comma, 110, Key_Slash,
      111}},
    {"keys without a code", false, {Key_unknown, 0, 0, 0, Key_Adiaeresis, 0, Key_Dead_Acute, 0}},
};

TEST(QtKeyMap, QtKeysGiveTheirWindowsCodes) {
    for (const auto& [family, keypad, keys] : kFamilies) {
        for (std::size_t i = 0; i < keys.size(); i += 2)
            EXPECT_EQ(zembra::windowsKeyCode(keys[i], keypad), keys[i + 1])
                << family << ": " << keys[i];
    }
}

// Every code named above needs a key to synthesise: the first listed for it, the plain one.
// Every key a code gives back must read as that code again.
TEST(QtKeyMap, CodesGiveThePlainKeyThatReadsBackAsThem) {
    std::map<int, int> plain;
    for (const auto& [family, keypad, keys] : kFamilies) {
        for (std::size_t i = 0; i < keys.size(); i += 2)
            plain.try_emplace(keys[i + 1], keys[i]);
    }
    for (int code = 1; code < 256; ++code) {
        const int qtKey = zembra::qtKeyForWindowsCode(code);
        EXPECT_TRUE(!plain.contains(code) || qtKey == plain[code]) << code << " gives " << qtKey;
        const bool keypad = code >= 96 && code <= 111;
        EXPECT_TRUE(qtKey == 0 || zembra::windowsKeyCode(qtKey, keypad) == code) << code;
    }
    for (int code : {-1, 0, 7, 108, 256})
        EXPECT_EQ(zembra::qtKeyForWindowsCode(code), 0) << "code " << code;
}

} // namespace
