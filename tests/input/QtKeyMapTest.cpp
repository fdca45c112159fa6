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

// The ends of each family and the keys that share a code, each followed by its Windows code
// (the round trip below covers every code between). On the keypad Qt gives the key it types,
// and the keypad flag says where it came from. Of keys sharing a code the plain one is first.
const std::tuple<const char*, bool, std::vector<int>> kFamilies[] = {
    {"letters, either case", false, {Key_A, 65, Key_Z, 90, 'a', 65, 'z', 90}},
    {"digits", false, {Key_0, 48, Key_1, 49, Key_9, 57}},
    {"keypad digits", true, {Key_0, 96, Key_9, 105}},
    {"F keys up to F24", false, {Key_F1, 112, Key_F24, 135, Key_F25, 0}},
    {"shared codes",
     false,
     {Key_Alt, 18, Key_AltGr, 18, Key_Tab, 9, Key_Backtab, 9, Key_Return, 13, Key_Enter, 13,
      Key_Meta, 91, Key_Super_L, 91}},
    {"keypad keys the main block has too", true, {Key_Enter, 13, Key_Home, 36}},
    {"punctuation, shifted as its key",
     false,
     {Key_Semicolon, 186, Key_Colon, 186, Key_Exclam, 49, Key_ParenRight, 48}},
    {"keypad operators, the decimal comma too", true, {Key_Period, 110, Key_Comma, 110}},
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
