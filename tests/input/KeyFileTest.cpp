// SPDX-License-Identifier: GPL-3.0-or-later
// zbkeys.cfg: thirteen key codes, empty fields for unbound actions, Tab as the way back in.
#include "zembra/input/KeyFile.h"

#include <gtest/gtest.h>

using zembra::KeyBindings;

namespace {

// Each row is read over bindings that hold 99 for Info, then written back.
TEST(KeyFile, ReadsThirteenFieldsByCommaOrLineAndWritesThemBack) {
    const struct {
        const char* text;
        bool complete;
        const char* written;
    } rows[] = {
        {" 38 \n40\n34\n33\n116\n18\n39\n37\n13\n27\n83\n77\n73\n", true,
         "38,40,34,33,116,18,39,37,13,27,83,77,73\r\n"},
        // Empty fields bind nothing.
        {"38,,34,33,116,9,39,37,13,27,,77,\r\n", true, "38,,34,33,116,9,39,37,13,27,,77,\r\n"},
        // A short file keeps the fields it has, puts Config on Tab and leaves the rest.
        {"38,40,34,33,116,120,39,37,13,27,83,77\r\n", false,
         "38,40,34,33,116,9,39,37,13,27,83,77,99\r\n"},
    };
    for (const auto& row : rows) {
        KeyBindings keys;
        keys.keyInfo = 99;
        EXPECT_EQ(zembra::readKeyBindings(row.text, keys), row.complete) << row.text;
        EXPECT_EQ(zembra::writeKeyBindings(keys), row.written) << row.text;
    }
    EXPECT_EQ(zembra::keyCode(KeyBindings{}.keySaver), 0); // an unbound key compares as 0
}

} // namespace
