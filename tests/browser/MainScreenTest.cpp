// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' size: the screen as the mode change left it, and run sizes beyond any screen.
// Skin numbers beyond any screen are bounded in the layout's own tests.
#include "tests/browser/BrowserFixture.h"

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
        {"100000", "100000", {1920, 1080}, {{16384, 16384}}, "run width 100000 is larger"},
        // A run size that changes no mode: the desktop's size, and nothing to restore.
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
            EXPECT_EQ((std::array{display->changes[0][0], display->changes[0][1]}), *row.asked);
        }
        EXPECT_EQ(said.find("larger than any screen") != std::string::npos, *row.said != '\0');
        EXPECT_NE(said.find(row.said), std::string::npos) << said;
        EXPECT_EQ(browser.geometry(), QRect(QPoint(0, 0), row.taken));
        EXPECT_EQ(app->intro().size(), row.taken);
    }
}

} // namespace
