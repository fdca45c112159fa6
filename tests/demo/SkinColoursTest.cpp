// SPDX-License-Identifier: GPL-3.0-or-later
// The demo skins' colours on their own backgrounds: the pulsing selection and the mute notice
// must stay readable (a contrast of at least 3:1 in relative luminance).
#include "common/skin/SchemeFile.h"
#include "common/skin/SkinFile.h"
#include "zembra/browser/HighlightPulse.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr double kReadable = 3.0;

double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(int red, int green, int blue) {
    return 0.2126 * channel(red) + 0.7152 * channel(green) + 0.0722 * channel(blue);
}

/// A colour number of scheme.cfg: red in the low byte, then green, then blue.
double numberLuminance(std::int32_t number) {
    return luminance(number & 0xff, (number >> 8) & 0xff, (number >> 16) & 0xff);
}

double contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

struct Panel {
    double darkest = 0; ///< luminances, the extreme hundredth on each side left out
    double brightest = 0;
};

/// The background behind the list area, inside the panel's drawn outline.
Panel listPanel(const QImage& background, const common::ElementRect& list) {
    const double perTwip = background.width() / 7680.0;
    const double inset = 8 * 15; // the panel's outline and glow, in twips
    const int left = static_cast<int>((list.left + inset) * perTwip);
    const int top = static_cast<int>((list.top + inset) * perTwip);
    const int right = static_cast<int>((list.left + list.width - inset) * perTwip);
    const int bottom = static_cast<int>((list.top + list.height - inset) * perTwip);
    std::vector<double> found;
    for (int y = std::max(top, 0); y < std::min(bottom, background.height()); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, background.width()); ++x) {
            const QRgb pixel = background.pixel(x, y);
            found.push_back(luminance(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
    }
    if (found.empty()) {
        return {};
    }
    std::sort(found.begin(), found.end());
    const std::size_t margin = found.size() / 100;
    return {found[margin], found[found.size() - 1 - margin]};
}

struct Skin {
    std::string name;
    common::Scheme scheme;
    common::SkinLayout layout;
    QImage background;
};

std::vector<Skin> demoSkins() {
    std::vector<Skin> skins;
    for (const char* name : {"neon", "filmstrip"}) {
        const std::string folder = std::string(ZEMBRA_DEMO_SKINS) + "/" + name + "/";
        Skin skin{name, {}, {}, QImage(QString::fromStdString(folder + "background.jpg"))};
        EXPECT_TRUE(common::loadScheme(folder + "scheme.cfg", skin.scheme)) << name;
        EXPECT_TRUE(common::loadSkinLayout(folder + "skin.ini", skin.layout)) << name;
        EXPECT_FALSE(skin.background.isNull()) << name;
        skins.push_back(std::move(skin));
    }
    return skins;
}

TEST(DemoSkins, TheSelectionReadsOnTheListPanelThroughTheWholePulse) {
    for (const Skin& skin : demoSkins()) {
        const Panel panel = listPanel(skin.background, skin.layout.listArea);
        ASSERT_GT(panel.brightest, 0) << skin.name << ": no list panel found";
        // Seven ticks paint a colour; the eighth paints nothing and the last colour stays.
        std::int32_t shown = 0;
        for (int step = 0; step < zembra::kPulseSteps; ++step) {
            shown = zembra::pulseColour(step, skin.scheme.highColour).value_or(shown);
            const double text = numberLuminance(shown);
            EXPECT_GE(std::min(contrast(text, panel.darkest), contrast(text, panel.brightest)),
                      kReadable)
                << skin.name << ", pulse step " << step << ": colour number " << shown;
        }
    }
}

TEST(DemoSkins, TheMuteNoticeReadsOnItsTint) {
    for (const Skin& skin : demoSkins()) {
        const common::Scheme& s = skin.scheme;
        // The notice shows the screen behind it ANDed with a tint: the font colour on a black or
        // white skin background, the background colour otherwise. Behind white it is the tint
        // itself, the brightest it can be; its text is the highlight colour, brighter still.
        const bool plain = s.bgColour == 0 || s.bgColour == 0xffffff;
        const double tint = numberLuminance(plain ? s.fontColour : s.bgColour);
        const double text = numberLuminance(s.highColour);
        EXPECT_GT(text, tint) << skin.name;
        EXPECT_GE(contrast(text, tint), kReadable) << skin.name;
    }
}

} // namespace
