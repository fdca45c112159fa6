// SPDX-License-Identifier: GPL-3.0-or-later
// The see-through tint: the colour a skin tints with, and the picture of what lies behind.
#include "zembra/widgets/TintBehind.h"

#include "common/ui/Units.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// Plain white or black backgrounds tint with the text colour; each pixel behind is ANDed.
TEST(TintBehind, TheColourIsTheBackgroundsOrTheTextsAndIsAndedWithEachPixel) {
    // Background, text colour, tint.
    const std::int32_t rows[][3] = {
        {0xFFFFFF, 0x123456, 0x123456}, {0, 0x123456, 0x123456}, {0xFFFFFE, 0x123456, 0xFFFFFE}};
    for (const auto& [bg, font, tint] : rows)
        EXPECT_EQ(zembra::tintColour(bg, font), tint) << bg;
    QImage behind(4, 2, QImage::Format_ARGB32);
    behind.fill(QColor(0xF0, 0x3C, 0xAA));
    behind.setPixelColor(3, 1, QColor(0x0F, 0xFF, 0x55));
    const QImage tinted = zembra::tintedPicture(behind, 0x3366CC); // red CC, green 66, blue 33
    EXPECT_EQ(tinted.pixelColor(0, 0), QColor(0xC0, 0x24, 0x22));
    EXPECT_EQ(tinted.pixelColor(3, 1), QColor(0x0C, 0x66, 0x11));
}

TEST(TintBehind, AWindowNotYetShownTakesTheWindowBehindItAndNeverItself) {
    QWidget below(nullptr, Qt::Window | Qt::FramelessWindowHint);
    below.setGeometry(0, 0, 200, 120);
    QPalette palette = below.palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0xFF, 0x0F));
    below.setPalette(palette);
    below.setAutoFillBackground(true);
    below.show();
    QCoreApplication::processEvents();

    QWidget pane(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    pane.setGeometry(20, 10, 100, 50);
    palette.setColor(QPalette::Window, Qt::black); // the pane's own colour must not show
    pane.setPalette(palette);
    zembra::TintBehind(&pane, 0xFF00FF); // red FF, green 00, blue FF
    pane.show();
    const QImage background = pane.palette().window().texture().toImage();
    ASSERT_EQ(background.size(), QSize(100, 50));
    EXPECT_EQ(background.pixelColor(0, 0), QColor(0x80, 0x00, 0x0F));
    EXPECT_EQ(background.pixelColor(99, 49), QColor(0x80, 0x00, 0x0F));

    // Tinted again while it stands there: it steps aside for the picture.
    zembra::TintBehind(&pane, 0x0000FF);
    EXPECT_TRUE(pane.isVisible());
    EXPECT_EQ(pane.palette().window().texture().toImage().pixelColor(50, 25),
              QColor(0x80, 0x00, 0x00));
}

} // namespace
