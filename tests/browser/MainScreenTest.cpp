// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' size: the screen as the mode change left it, and run sizes beyond any screen.
#include "tests/browser/BrowserFixture.h"
#include "zembra/browser/ListLayout.h"

using testing_support::BrowserTest;

namespace {

TEST_F(BrowserTest, TheWindowsCoverTheScreenAsTheModeChangeLeftItAndTheRunSizeIsBounded) {
    struct Row {
        const char* width;
        const char* height;
        QSize taken;                               ///< the mode the display lands on
        std::optional<std::array<float, 2>> asked; ///< of the display, when a mode is changed
        const char* said;                          ///< on standard error
    } const rows[] = {
        {"1280", "960", {1280, 1024}, {{1280, 960}}, ""}, // the monitor's nearest mode
        {"1280", "960", {1920, 1080}, {{1280, 960}}, ""}, // no RandR: the mode stays
        {"100000", "100000", {1920, 1080}, {{16384, 16384}}, "run width 100000 is larger"},
        {"1024", "99999", {1024, 768}, {{1024, 16384}}, "run height 99999 is larger"},
        // A run size that changes no mode: the desktop's size, and nothing to restore.
        {"0", "600", {1920, 1080}, std::nullopt, ""},
        {"1920", "1200", {1920, 1080}, std::nullopt, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.width) + " x " + row.height);
        values.runWidth = row.width;
        values.runHeight = row.height;
        modeTaken = row.taken;
        testing::internal::CaptureStderr();
        zembra::Main& browser = restart();
        const std::string said = testing::internal::GetCapturedStderr();
        ASSERT_EQ(display->changes.size(), row.asked ? 1u : 0u);
        if (row.asked) {
            EXPECT_EQ(display->changes[0][0], (*row.asked)[0]);
            EXPECT_EQ(display->changes[0][1], (*row.asked)[1]);
        }
        EXPECT_EQ(said.find("larger than any screen") != std::string::npos, *row.said != '\0');
        EXPECT_NE(said.find(row.said), std::string::npos) << said;
        EXPECT_EQ(browser.geometry(), QRect(QPoint(0, 0), row.taken));
        EXPECT_EQ(app->intro().size(), row.taken);
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
        {"\"snap\"", 1, "900,200,4800,1200", "15,15", 0},            // cells of one pixel
    };
    for (const Row& row : rows) {
        writeSkin(row.listType, row.columns, row.listArea, row.cell, row.spacing);
        zembra::Main& browser = restart();
        const std::size_t elements = std::string(row.listType) == "\"list\""
                                         ? parts(browser).ll().size()
                                         : parts(browser).xlist().size();
        EXPECT_GE(elements, 1u) << row.listArea;
        EXPECT_LE(elements, std::size_t(zembra::kMaxListElements)) << row.listArea;
        EXPECT_LT(state().midIndex, static_cast<int>(elements));
    }
}

} // namespace
