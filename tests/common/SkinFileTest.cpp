// SPDX-License-Identifier: GPL-3.0-or-later
// skin.ini and scheme.cfg: what the editor writes, the browser reads the same.
#include "common/skin/SkinFile.h"

#include "common/skin/SchemeFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

// A skin as the editor on Windows saves it: singles, quoted list mode, #TRUE#/#FALSE#.
constexpr const char* kEditorSkin = "2400,4200,3200,2400\r\n"
                                    "#TRUE#\r\n"
                                    "300,4200,1600,1800.5\r\n"
                                    "#FALSE#\r\n"
                                    "300,5900,1600,1800\r\n"
                                    "#TRUE#\r\n"
                                    "5000,4200,3300,800\r\n"
                                    "#TRUE#\r\n"
                                    "900,200,3800,3900\r\n"
                                    "1\r\n"
                                    "\"list\"\r\n"
                                    "1000.25,750\r\n"
                                    "300,200\r\n"
                                    "#TRUE#\r\n"
                                    "5300,200\r\n"
                                    "#FALSE#\r\n"
                                    "120\r\n"
                                    "2\r\n"
                                    "100,6000,600,1500\r\n"
                                    "#TRUE#\r\n";

TEST(SkinFile, ReadsAnEditorSkinWithTheLogoHeightBeforeItsWidth) {
    common::SkinLayout skin;
    ASSERT_TRUE(common::readSkinLayout(kEditorSkin, skin));
    EXPECT_EQ(skin.snap, (common::ElementRect{2400, 4200, 3200, 2400}));
    EXPECT_TRUE(skin.showSnap);
    EXPECT_EQ(skin.cabinet.height, 1800); // whole twips, half to even
    EXPECT_FALSE(skin.showCabinet);
    EXPECT_EQ(skin.listArea, (common::ElementRect{900, 200, 3800, 3900}));
    EXPECT_EQ(skin.listColumns, 1);
    EXPECT_EQ(skin.listType, "list");
    EXPECT_FLOAT_EQ(skin.cellWidth, 1000.25f);
    EXPECT_EQ(skin.cellHeight, 750);
    EXPECT_EQ(skin.pathLeft, 200);
    EXPECT_FALSE(skin.showNav);
    EXPECT_EQ(skin.imageSpacing, 120);
    EXPECT_EQ(skin.listAlignment, 2);
    EXPECT_EQ(skin.logoHeight, 600);
    EXPECT_EQ(skin.logoWidth, 1500);
    EXPECT_TRUE(skin.showLogo);
}

TEST(SkinFile, WrittenAndReadBackKeepsEveryValue) {
    common::SkinLayout skin;
    ASSERT_TRUE(common::readSkinLayout(kEditorSkin, skin));
    skin.listType = "marquee";
    skin.snap.left = 17.5f;
    const std::string text = common::writeSkinLayout(skin);
    common::SkinLayout again;
    ASSERT_TRUE(common::readSkinLayout(text, again));
    EXPECT_EQ(again, skin);
    EXPECT_EQ(common::writeSkinLayout(again), text);
    EXPECT_EQ(text.substr(text.find("100,6000")), "100,6000,600,1500\r\n#TRUE#\r\n");
}

TEST(SkinFile, AShortOrBadFileKeepsWhatWasNotRead) {
    common::SkinLayout skin;
    skin.showLogo = true;
    skin.imageSpacing = 99;
    EXPECT_FALSE(common::readSkinLayout("1,2,3,4\r\n#TRUE#\r\n5,6\r\n", skin));
    EXPECT_EQ(skin.snap, (common::ElementRect{1, 2, 3, 4}));
    EXPECT_TRUE(skin.showSnap);
    EXPECT_EQ(skin.cabinet.top, 5);
    EXPECT_EQ(skin.imageSpacing, 99);
    EXPECT_TRUE(skin.showLogo);

    common::SkinLayout flagged;
    // A word where a flag belongs stops the reading there.
    EXPECT_FALSE(common::readSkinLayout("1,2,3,4\r\nmaybe\r\n", flagged));
    EXPECT_EQ(flagged.snap.width, 3);
    EXPECT_FALSE(flagged.showSnap);

    common::SkinLayout missing;
    missing.listType = "snap";
    testing_support::TempFolder folder;
    EXPECT_FALSE(common::loadSkinLayout(folder / "skin.ini", missing));
    EXPECT_EQ(missing.listType, "snap");
}

TEST(SchemeFile, OneRecordRoundTripsAndAShortOneKeepsTheRest) {
    common::Scheme scheme{"Arial Black", 14.25f, 0, 16777215, 255};
    const std::string text = common::writeScheme(scheme);
    EXPECT_EQ(text, "\"Arial Black\",14.25,0,16777215,255\r\n");

    testing_support::TempFolder folder;
    ASSERT_TRUE(common::saveScheme(folder / "scheme.cfg", scheme));
    common::Scheme read;
    ASSERT_TRUE(common::loadScheme(folder / "scheme.cfg", read));
    EXPECT_EQ(read, scheme);

    common::Scheme partial{"Old", 8, 1, 2, 3};
    EXPECT_FALSE(common::readScheme("\"Verdana\",12\r\n", partial));
    EXPECT_EQ(partial, (common::Scheme{"Verdana", 12, 1, 2, 3}));
}

} // namespace
