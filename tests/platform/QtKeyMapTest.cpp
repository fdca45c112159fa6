// SPDX-License-Identifier: GPL-3.0-or-later
// Qt keys against the Windows key codes the key file stores, in both directions.
#include "zembra/input/QtKeyMap.h"

#include <Qt>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct ToCode {
    std::string guards;
    int qtKey;
    bool keypad;
    int code;
};

const std::vector<ToCode> kToCode = {
    {"letters from A", Qt::Key_A, false, 65},
    {"letters up to Z", Qt::Key_Z, false, 90},
    {"lower-case a is the A key", 'a', false, 65},
    {"lower-case z is the Z key", 'z', false, 90},
    {"digit 0", Qt::Key_0, false, 48},
    {"digit 9", Qt::Key_9, false, 57},
    {"keypad 0", Qt::Key_0, true, 96},
    {"keypad 9", Qt::Key_9, true, 105},
    {"F1", Qt::Key_F1, false, 112},
    {"F12", Qt::Key_F12, false, 123},
    {"F24", Qt::Key_F24, false, 135},
    {"F keys do not change on the keypad flag", Qt::Key_F5, true, 116},
    {"Backspace", Qt::Key_Backspace, false, 8},
    {"Tab", Qt::Key_Tab, false, 9},
    {"Shift+Tab is still Tab", Qt::Key_Backtab, false, 9},
    {"Clear", Qt::Key_Clear, false, 12},
    {"Return", Qt::Key_Return, false, 13},
    {"Enter", Qt::Key_Enter, false, 13},
    {"keypad Enter", Qt::Key_Enter, true, 13},
    {"Shift", Qt::Key_Shift, false, 16},
    {"Control", Qt::Key_Control, false, 17},
    {"Alt", Qt::Key_Alt, false, 18},
    {"AltGr counts as Alt", Qt::Key_AltGr, false, 18},
    {"Pause", Qt::Key_Pause, false, 19},
    {"Caps Lock", Qt::Key_CapsLock, false, 20},
    {"Escape", Qt::Key_Escape, false, 27},
    {"Space", Qt::Key_Space, false, 32},
    {"Page Up", Qt::Key_PageUp, false, 33},
    {"Page Down", Qt::Key_PageDown, false, 34},
    {"End", Qt::Key_End, false, 35},
    {"Home", Qt::Key_Home, false, 36},
    {"Left", Qt::Key_Left, false, 37},
    {"Up", Qt::Key_Up, false, 38},
    {"Right", Qt::Key_Right, false, 39},
    {"Down", Qt::Key_Down, false, 40},
    {"keypad arrow without Num Lock is the arrow", Qt::Key_Up, true, 38},
    {"keypad Home without Num Lock is Home", Qt::Key_Home, true, 36},
    {"Print", Qt::Key_Print, false, 44},
    {"Insert", Qt::Key_Insert, false, 45},
    {"Delete", Qt::Key_Delete, false, 46},
    {"keypad Delete without Num Lock is Delete", Qt::Key_Delete, true, 46},
    {"Meta", Qt::Key_Meta, false, 91},
    {"left Super", Qt::Key_Super_L, false, 91},
    {"right Super", Qt::Key_Super_R, false, 92},
    {"Menu", Qt::Key_Menu, false, 93},
    {"keypad *", Qt::Key_Asterisk, true, 106},
    {"keypad +", Qt::Key_Plus, true, 107},
    {"keypad -", Qt::Key_Minus, true, 109},
    {"keypad .", Qt::Key_Period, true, 110},
    {"keypad decimal comma", Qt::Key_Comma, true, 110},
    {"keypad /", Qt::Key_Slash, true, 111},
    {"Num Lock", Qt::Key_NumLock, false, 144},
    {"Scroll Lock", Qt::Key_ScrollLock, false, 145},
    {"; key", Qt::Key_Semicolon, false, 186},
    {"= key", Qt::Key_Equal, false, 187},
    {", key", Qt::Key_Comma, false, 188},
    {"- key", Qt::Key_Minus, false, 189},
    {". key", Qt::Key_Period, false, 190},
    {"/ key", Qt::Key_Slash, false, 191},
    {"` key", Qt::Key_QuoteLeft, false, 192},
    {"[ key", Qt::Key_BracketLeft, false, 219},
    {"\\ key", Qt::Key_Backslash, false, 220},
    {"] key", Qt::Key_BracketRight, false, 221},
    {"' key", Qt::Key_Apostrophe, false, 222},
    {"shifted : is the ; key", Qt::Key_Colon, false, 186},
    {"shifted + off the keypad is the = key", Qt::Key_Plus, false, 187},
    {"shifted < is the , key", Qt::Key_Less, false, 188},
    {"shifted _ is the - key", Qt::Key_Underscore, false, 189},
    {"shifted > is the . key", Qt::Key_Greater, false, 190},
    {"shifted ? is the / key", Qt::Key_Question, false, 191},
    {"shifted ~ is the ` key", Qt::Key_AsciiTilde, false, 192},
    {"shifted { is the [ key", Qt::Key_BraceLeft, false, 219},
    {"shifted | is the \\ key", Qt::Key_Bar, false, 220},
    {"shifted } is the ] key", Qt::Key_BraceRight, false, 221},
    {"shifted \" is the ' key", Qt::Key_QuoteDbl, false, 222},
    {"shifted ! is the 1 key", Qt::Key_Exclam, false, 49},
    {"shifted * off the keypad is the 8 key", Qt::Key_Asterisk, false, 56},
    {"shifted ) is the 0 key", Qt::Key_ParenRight, false, 48},
    {"unknown key", Qt::Key_unknown, false, 0},
    {"no key at all", 0, false, 0},
    {"F25 has no code", Qt::Key_F25, false, 0},
    {"a non-US letter has no code", Qt::Key_Adiaeresis, false, 0},
    {"a dead key has no code", Qt::Key_Dead_Acute, false, 0},
    {"the keypad flag gives no code to an unknown key", Qt::Key_Adiaeresis, true, 0},
};

TEST(QtKeyMap, QtKeysGiveTheirWindowsCodes) {
    for (const ToCode& row : kToCode) {
        EXPECT_EQ(zembra::windowsKeyCode(row.qtKey, row.keypad), row.code) << row.guards;
    }
}

struct ToQt {
    std::string guards;
    int code;
    int qtKey;
};

const std::vector<ToQt> kToQt = {
    {"letter", 77, Qt::Key_M},
    {"digit", 49, Qt::Key_1},
    {"keypad digit gives the digit key", 100, Qt::Key_4},
    {"F key", 135, Qt::Key_F24},
    {"Enter is Return", 13, Qt::Key_Return},
    {"Tab is Tab, not Backtab", 9, Qt::Key_Tab},
    {"Alt is Alt, not AltGr", 18, Qt::Key_Alt},
    {"Windows key is Meta", 91, Qt::Key_Meta},
    {"keypad / gives the slash", 111, Qt::Key_Slash},
    {"; code is the unshifted key", 186, Qt::Key_Semicolon},
    {"= code is the unshifted key", 187, Qt::Key_Equal},
    {"' code is the unshifted key", 222, Qt::Key_Apostrophe},
    {"no code", 0, 0},
    {"a code without a key", 7, 0},
    {"the unused keypad separator", 108, 0},
    {"beyond the codes", 256, 0},
    {"negative", -1, 0},
};

TEST(QtKeyMap, CodesGiveTheUnshiftedQtKey) {
    for (const ToQt& row : kToQt) {
        EXPECT_EQ(zembra::qtKeyForWindowsCode(row.code), row.qtKey) << row.guards;
    }
}

bool isKeypadCode(int code) {
    return code >= 96 && code <= 111;
}

TEST(QtKeyMap, EveryCodeWithAKeyComesBackFromIt) {
    // Codes a key file of a US keyboard can hold: each must have a key to synthesise.
    std::vector<int> expected = {8,   9,   12,  13,  16,  17,  18,  19,  20,  27,  32,
                                 33,  34,  35,  36,  37,  38,  39,  40,  44,  45,  46,
                                 91,  93,  106, 107, 109, 110, 111, 144, 145, 186, 187,
                                 188, 189, 190, 191, 192, 219, 220, 221, 222};
    for (int code = 48; code <= 57; ++code) {
        expected.push_back(code);
    }
    for (int code = 65; code <= 90; ++code) {
        expected.push_back(code);
    }
    for (int code = 96; code <= 105; ++code) {
        expected.push_back(code);
    }
    for (int code = 112; code <= 135; ++code) {
        expected.push_back(code);
    }
    for (int code : expected) {
        EXPECT_NE(zembra::qtKeyForWindowsCode(code), 0) << "code " << code << " has no key";
    }

    for (int code = 0; code < 256; ++code) {
        const int qtKey = zembra::qtKeyForWindowsCode(code);
        if (qtKey != 0) {
            EXPECT_EQ(zembra::windowsKeyCode(qtKey, isKeypadCode(code)), code)
                << "code " << code << " via Qt key " << qtKey;
        }
    }
}

} // namespace
