// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a skin folder, and saving it back byte for byte.
#include "common/skin/SkinFolder.h"

#include "tessel/SkinDocument.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

using testing_support::TempFolder;

// A demo skin saved unchanged stays byte for byte the same: form1Test opens and saves both.
TEST(SkinFolder, AnOlderToolsFileSettlesAfterTheFirstSave) {
    TempFolder folder;
    // Blanks, a trailing ".0", lower-case flags, LF endings and a height with a fraction.
    folder.write("skin.ini", "1200.0, 2220 ,3240,2430.6\n#true#\n1,2,3,4\n#FALSE#\n"
                             "1,2,3,4\n0\n1,2,3,4\n-1\n1,2,3,4\n2\nlist\n0,0\n5,6\n"
                             "#TRUE#\n7,8\n#TRUE#\n150\n1\n1,2,3,4.5\n#TRUE#\n");
    folder.write("scheme.cfg", "\"Sans\", 12.0, 1, 2, 3\n");
    // Opens the folder, saves both files and gives what they hold then.
    const auto openAndSave = [&](const std::string& name) {
        tessel::SkinDocument document;
        EXPECT_TRUE(tessel::openSkin(document, name).layoutComplete);
        std::string error;
        EXPECT_TRUE(tessel::saveSkin(document, error) && tessel::saveSchemeFile(document, error))
            << error;
        return folder.read("skin.ini") + folder.read("scheme.cfg");
    };
    const std::string first = openAndSave(folder.text());
    EXPECT_EQ(first.substr(0, 24), "1200,2220,3240,2431\r\n#TR");
    EXPECT_EQ(openAndSave(folder.text() + "/"), first);
}

TEST(SkinFolder, UserFontSizeOverridesOnlyWhenPositive) {
    TempFolder folder;
    folder.write("scheme.cfg", "\"Sans\",12,1,2,3\r\n");
    // The owner's size, and the size the scheme ends with.
    for (const auto& [user, expected] : {std::pair(-3.0, 12.0f), std::pair(9.5, 9.5f)}) {
        common::SkinLayout layout;
        common::Scheme scheme;
        EXPECT_TRUE(common::loadSkinFolder(folder.path(), layout, scheme, user).schemeComplete);
        EXPECT_EQ(scheme.fontSize, expected) << user;
    }
}

TEST(SkinFolder, PicturesAreFoundWhateverTheirCase) {
    TempFolder folder;
    folder.touch("screen32.jpg");
    folder.touch("Flyer32.JPG");
    EXPECT_EQ(common::skinFile(folder.path(), "Screen32.jpg"), folder / "screen32.jpg");
    EXPECT_EQ(common::skinFile(folder.path(), "flyer32.jpg"), folder / "Flyer32.JPG");
    EXPECT_EQ(common::skinFile(folder.path(), "Cabinet32.jpg"), folder / "Cabinet32.jpg");
}

} // namespace
