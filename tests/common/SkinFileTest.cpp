// SPDX-License-Identifier: GPL-3.0-or-later
// skin.ini and scheme.cfg: what the editor writes, the browser reads the same.
#include "common/skin/SkinFile.h"

#include "common/skin/SchemeFile.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A skin as the editor on Windows saves it: singles, quoted list mode, #TRUE#/#FALSE#.
constexpr const char* kEditorSkin = "2400,4200,3200,2400\r\n#TRUE#\r\n"
                                    "300,4200,1600,1800.5\r\n#FALSE#\r\n"
                                    "300,5900,1600,1800\r\n#TRUE#\r\n"
                                    "5000,4200,3300,800\r\n#TRUE#\r\n"
                                    "900,200,3800,3900\r\n1\r\n\"list\"\r\n1000.25,750\r\n"
                                    "300,200\r\n#TRUE#\r\n5300,200\r\n#FALSE#\r\n"
                                    "120\r\n2\r\n100,6000,600,1500\r\n#TRUE#\r\n";

TEST(SkinFile, AnEditorSkinIsReadWithTheLogoHeightBeforeItsWidthAndWrittenBackUnchanged) {
    common::SkinLayout skin;
    ASSERT_TRUE(common::readSkinLayout(kEditorSkin, skin));
    EXPECT_EQ(skin.snap, (common::ElementRect{2400, 4200, 3200, 2400}));
    // The cabinet's height in whole twips, half to even.
    EXPECT_EQ(std::tuple(skin.cabinet.height, skin.showCabinet, skin.listType, skin.cellWidth,
                         skin.logoHeight, skin.logoWidth),
              std::tuple(1800, false, std::string("list"), 1000.25f, 600.0f, 1500));

    skin.snap.left = 17.5f;
    const std::string text = common::writeSkinLayout(skin);
    common::SkinLayout again;
    ASSERT_TRUE(common::readSkinLayout(text, again));
    EXPECT_EQ(again, skin);
    EXPECT_EQ(text.substr(text.find("100,6000")), "100,6000,600,1500\r\n#TRUE#\r\n");
}

/// kEditorSkin with line `line` (from 1) replaced, or cut before it when `value` is null.
std::string editorSkinWith(int line, const char* value) {
    std::string text = kEditorSkin;
    std::size_t at = 0;
    for (int i = 1; i < line; ++i)
        at = text.find("\r\n", at) + 2;
    if (value == nullptr)
        return text.substr(0, at);
    return text.substr(0, at) + value + text.substr(text.find("\r\n", at));
}

TEST(SkinFile, ARecordIsStoredWholeOrNotAtAll) {
    common::SkinLayout full;
    ASSERT_TRUE(common::readSkinLayout(kEditorSkin, full));
    common::SkinLayout earlier;
    earlier.snap = earlier.listArea = {11, 12, 13, 14};
    earlier.showSnap = true;
    earlier.pathTop = earlier.logoTop = 17;
    earlier.listType = "snap";
    struct Row {
        int line;
        const char* value; ///< null: the file ends before the line
        int recordsRead;   ///< of snap, list area, path label, logo
    } const rows[] = {
        {2, nullptr, 0},             // the snap's position without its flag
        {9, "900,200,3800,1e12", 1}, // the list area's height
        {20, "yes", 3},              // the logo's flag
        {21, nullptr, 4},            // the whole file
    };
    for (const Row& row : rows) {
        common::SkinLayout skin = earlier;
        EXPECT_EQ(common::readSkinLayout(editorSkinWith(row.line, row.value), skin),
                  row.recordsRead == 4);
        const auto& expect = [&](int record) { return row.recordsRead > record ? full : earlier; };
        EXPECT_EQ(skin.snap, expect(0).snap) << row.line;
        EXPECT_EQ(skin.showSnap, expect(0).showSnap) << row.line;
        EXPECT_EQ(skin.listArea, expect(1).listArea) << row.line;
        EXPECT_EQ(skin.pathTop, expect(2).pathTop) << row.line;
        EXPECT_EQ(skin.showPath, expect(2).showPath) << row.line;
        EXPECT_EQ(skin.logoTop, expect(3).logoTop) << row.line;
    }
}

TEST(SchemeFile, OneRecordRoundTripsAndAShortOneChangesNothing) {
    common::Scheme scheme{"Arial Black", 14.25f, 0, 16777215, 255};
    const std::string text = common::writeScheme(scheme);
    EXPECT_EQ(text, "\"Arial Black\",14.25,0,16777215,255\r\n");
    common::Scheme read;
    ASSERT_TRUE(common::readScheme(text, read));
    EXPECT_EQ(read, scheme);

    // A short or bad record keeps the scheme before it whole: no new font with old colours.
    for (const char* bad : {"\"Verdana\",12\r\n", "\"Verdana\",12,0,1,99999999999\r\n", ""}) {
        common::Scheme partial{"Old", 8, 1, 2, 3};
        EXPECT_FALSE(common::readScheme(bad, partial));
        EXPECT_EQ(partial, (common::Scheme{"Old", 8, 1, 2, 3})) << bad;
    }
}

} // namespace
