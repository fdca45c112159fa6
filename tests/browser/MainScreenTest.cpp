// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' size: the screen as the mode change left it, and run sizes beyond any screen.
#include "tests/browser/BrowserFixture.h"
#include "zembra/browser/ListLayout.h"

using testing_support::BrowserTest;

namespace {

TEST_F(BrowserTest, TheWindowsCoverTheScreenAsTheModeChangeLeftIt) {
    struct Row {
        const char* width;
        const char* height;
        QSize taken; ///< the mode the display lands on
    } const rows[] = {
        {"1280", "960", {1280, 1024}}, // the monitor's nearest mode
        {"1280", "960", {1920, 1080}}, // no RandR: the mode stays as it was
        {"800", "600", {800, 600}},    // the mode asked for
    };
    for (const Row& row : rows) {
        values.runWidth = row.width;
        values.runHeight = row.height;
        modeTaken = row.taken;
        zembra::Main& browser = start();
        ASSERT_EQ(display->changes.size(), 1u);
        EXPECT_EQ(display->changes[0][0], std::stof(row.width));
        EXPECT_EQ(browser.geometry(), QRect(QPoint(0, 0), row.taken)) << row.width;
        EXPECT_EQ(app->intro().size(), row.taken) << row.width;
        app.reset();
        players.clear();
    }
}

TEST_F(BrowserTest, ARunSizeBeyondAnyScreenIsBoundedAndSaidSo) {
    struct Row {
        const char* width;
        const char* height;
        std::array<float, 2> asked;
        const char* said; ///< on standard error, or empty for nothing
    } const rows[] = {
        {"100000", "100000", {16384, 16384}, "run width 100000 is larger than any screen"},
        {"1024", "99999", {1024, 16384}, "run height 99999 is larger than any screen, 16384"},
        {"10240", "7680", {10240, 7680}, ""}, // a typo, but a size some screen may have
    };
    for (const Row& row : rows) {
        values.runWidth = row.width;
        values.runHeight = row.height;
        modeTaken = QSize(1920, 1080); // the nearest mode this monitor has
        testing::internal::CaptureStderr();
        zembra::Main& browser = start();
        const std::string said = testing::internal::GetCapturedStderr();
        ASSERT_EQ(display->changes.size(), 1u);
        EXPECT_EQ(display->changes[0][0], row.asked[0]) << row.width;
        EXPECT_EQ(display->changes[0][1], row.asked[1]) << row.height;
        if (*row.said == '\0') {
            EXPECT_EQ(said.find("larger than any screen"), std::string::npos) << said;
        } else {
            EXPECT_NE(said.find(row.said), std::string::npos) << said;
        }
        EXPECT_EQ(browser.size(), QSize(1920, 1080));
        app.reset();
        players.clear();
    }
}

TEST_F(BrowserTest, SkinNumbersBeyondAnyScreenGiveAListThatFitsIt) {
    struct Row {
        const char* listType;
        int columns;
        const char* listArea;
        const char* cell;
        int spacing;
    } const rows[] = {
        {"\"list\"", 1, "900,200,3600,2000000000", "1000,750", 100}, // a label per row, forever
        {"\"list\"", 1000000000, "900,200,3600,4500", "1000,750", 100},
        {"\"snap\"", 1, "900,200,4800,1200", "15,15", 0}, // cells of one pixel
        {"\"snap\"", 1, "900,200,4800,1200", "1000,1000", -2147483647 - 1},
        {"\"snap\"", 1, "-2000000000,-2000000000,2000000000,2000000000", "1000,1000", 100},
    };
    for (const Row& row : rows) {
        writeSkin(row.listType, row.columns, row.listArea, row.cell, row.spacing);
        zembra::Main& browser = start();
        const std::size_t elements =
            std::string(row.listType) == "\"list\"" ? browser.ll.size() : browser.xlist.size();
        EXPECT_GE(elements, 1u) << row.listArea;
        EXPECT_LE(elements, std::size_t(zembra::kMaxListElements)) << row.listArea;
        EXPECT_LT(state().midIndex, static_cast<int>(elements));
        // Everything placed lies within the screen's own reach.
        for (QWidget* element : browser.findChildren<QWidget*>()) {
            EXPECT_LE(element->width(), 2 * browser.width()) << row.listArea;
            EXPECT_LE(element->height(), 2 * browser.height()) << row.listArea;
        }
        app.reset();
        players.clear();
    }
}

} // namespace
