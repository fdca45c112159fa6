// SPDX-License-Identifier: GPL-3.0-or-later
// Binding the thirteen keys again: the prompts in order and the key file written at the end.
#include "zembra/menus/KeyRedefinition.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyRedefinition, AsksInKeyFileOrderAndWritesACompleteFile) {
    testing_support::TempFolder folder;
    zembra::KeyBindings old;
    old.keyConfig = 9; // as after a missing key file
    zembra::KeyRedefinition redefinition(old);

    const std::vector<std::string> expected{"Press Key for Up :",
                                            "Press Key for Down :",
                                            "Press Key for Next Page :",
                                            "Press Key for Previous Page :",
                                            "Press Key for Refresh :",
                                            "Press Key for Config :",
                                            "Press Key for Next Path :",
                                            "Press Key for Previous Path :",
                                            "Press Key for Select:  ",
                                            "Press Key for Exit:  ",
                                            "Press Key for Invoke ScreenSaver:  ",
                                            "Press Key for Mute:  ",
                                            "Press Key for Info:  "};
    const int codes[] = {38, 40, 34, 33, 116, 9, 39, 37, 13, 27, 83, 77, 73};
    std::string error;
    EXPECT_FALSE(zembra::saveRedefinedKeys(redefinition, folder.text(), &error));
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(redefinition.caption(), expected[static_cast<std::size_t>(i)]);
        // Until the last key nothing has been saved.
        EXPECT_EQ(redefinition.take(codes[i]), i == 12);
    }
    EXPECT_EQ(redefinition.caption(), "Saving:.....  ");
    EXPECT_FALSE(folder.exists("zbkeys.cfg"));
    ASSERT_TRUE(zembra::saveRedefinedKeys(redefinition, folder.text(), &error)) << error;
    EXPECT_EQ(folder.read("zbkeys.cfg"), "38,40,34,33,116,9,39,37,13,27,83,77,73\r\n");

    // Keys after the thirteenth change nothing.
    EXPECT_FALSE(redefinition.take(65));

    zembra::KeyBindings read;
    ASSERT_TRUE(zembra::getKeys(folder.text(), read));
    EXPECT_EQ(read, redefinition.bindings());
}

} // namespace
