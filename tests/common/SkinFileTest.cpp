// SPDX-License-Identifier: GPL-3.0-or-later
// skin.ini and scheme.cfg: what the editor writes, the browser reads the same.
#include "common/skin/SkinFile.h"

#include "common/skin/SchemeFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

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

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        out.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return out;
}

/// A layout whose every line, written out, differs from the editor skin's.
common::SkinLayout earlierSkin() {
    common::SkinLayout l;
    for (auto* rect : {&l.snap, &l.cabinet, &l.flyer, &l.marquee, &l.listArea}) {
        *rect = {11, 12, 13, 14};
    }
    l.showSnap = l.showMarquee = l.showFlyer = false;
    l.showCabinet = l.showNav = true;
    l.listColumns = 3;
    l.listType = "snap";
    l.cellWidth = 15;
    l.cellHeight = 16;
    l.pathTop = l.navTop = l.logoTop = 17;
    l.pathLeft = l.navLeft = 18;
    l.imageSpacing = 19;
    l.listAlignment = 1;
    l.logoWidth = 20;
    return l;
}

// Records as lines of the file: a position and the flag after it are one record.
constexpr int kRecordEnds[] = {2, 4, 6, 8, 9, 10, 11, 12, 14, 16, 17, 18, 20};

int recordEnd(int line) {
    for (const int end : kRecordEnds) {
        if (line <= end) {
            return end;
        }
    }
    return 20;
}

/// The last line of the record before the one `line` belongs to.
int previousRecordEnd(int line) {
    int previous = 0;
    for (const int end : kRecordEnds) {
        if (line <= end) {
            return previous;
        }
        previous = end;
    }
    return previous;
}

/// What reading `text` over the earlier skin leaves, line by line as the editor would save it.
void expectWholeRecords(const std::string& text, int goodLines) {
    common::SkinLayout skin = earlierSkin();
    EXPECT_FALSE(common::readSkinLayout(text, skin));
    common::SkinLayout full;
    ASSERT_TRUE(common::readSkinLayout(kEditorSkin, full));
    const auto got = lines(common::writeSkinLayout(skin));
    const auto before = lines(common::writeSkinLayout(earlierSkin()));
    const auto after = lines(common::writeSkinLayout(full));
    for (int line = 1; line <= 20; ++line) {
        const bool read = recordEnd(line) <= goodLines;
        EXPECT_EQ(got.at(line - 1), (read ? after : before).at(line - 1))
            << "line " << line << " of a file good up to line " << goodLines;
    }
}

TEST(SkinFile, AFileCutShortMovesOnlyTheElementsItDescribesWhole) {
    const auto editor = lines(kEditorSkin);
    for (int keep = 0; keep < 20; ++keep) {
        std::string text;
        for (int line = 0; line < keep; ++line) {
            text += editor[line] + "\r\n";
        }
        // A record cut in the middle of a line counts as missing too.
        const std::string& next = editor[keep];
        const auto comma = next.rfind(',');
        expectWholeRecords(text + (comma == std::string::npos ? "" : next.substr(0, comma)), keep);
    }
}

TEST(SkinFile, ABadValueKeepsItsWholeRecordAndTheRest) {
    auto editor = lines(kEditorSkin);
    struct Row {
        int line;
        const char* value;
    } const rows[] = {
        {2, "maybe"},             // a word where the snap's flag belongs
        {12, "1000,99999999999"}, // a cell height too large for its integer
        {14, "perhaps"},          // the path label's flag
        {18, "40000"},            // an alignment too large for its integer
        {20, "yes"},              // the logo's flag
    };
    for (const Row& row : rows) {
        auto changed = editor;
        changed[row.line - 1] = row.value;
        std::string text;
        for (const auto& line : changed) {
            text += line + "\r\n";
        }
        expectWholeRecords(text, previousRecordEnd(row.line));
    }
}

TEST(SkinFile, AMissingFileChangesNothing) {
    common::SkinLayout missing = earlierSkin();
    testing_support::TempFolder folder;
    EXPECT_FALSE(common::loadSkinLayout(folder / "skin.ini", missing));
    EXPECT_EQ(missing, earlierSkin());
}

TEST(SchemeFile, OneRecordRoundTripsAndAShortOneChangesNothing) {
    common::Scheme scheme{"Arial Black", 14.25f, 0, 16777215, 255};
    const std::string text = common::writeScheme(scheme);
    EXPECT_EQ(text, "\"Arial Black\",14.25,0,16777215,255\r\n");

    testing_support::TempFolder folder;
    ASSERT_TRUE(common::saveScheme(folder / "scheme.cfg", scheme));
    common::Scheme read;
    ASSERT_TRUE(common::loadScheme(folder / "scheme.cfg", read));
    EXPECT_EQ(read, scheme);

    // A short or bad record keeps the scheme before it whole: no new font with old colours.
    for (const char* bad : {"\"Verdana\",12\r\n", "\"Verdana\",12,0,1,99999999999\r\n", ""}) {
        common::Scheme partial{"Old", 8, 1, 2, 3};
        EXPECT_FALSE(common::readScheme(bad, partial));
        EXPECT_EQ(partial, (common::Scheme{"Old", 8, 1, 2, 3})) << bad;
    }
}

} // namespace
