// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the skin.ini reader and checks that whatever it read is saved and read back unchanged,
// then lays the skin out as the browser does and checks that it stays within bounds.
#include "FuzzSupport.h"
#include "common/skin/SkinFile.h"
#include "zembra/browser/ListLayout.h"
#include "zembra/browser/SkinBounds.h"
#include "zembra/widgets/Scaling.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

/// A skin with no value left at zero, to see that a complete read replaces every one.
constexpr const char* kStaleSkin = "1.5,2.5,3.5,4\n#TRUE#\n1.5,2.5,3.5,4\n#TRUE#\n1.5,2.5,3.5,4\n"
                                   "#TRUE#\n1.5,2.5,3.5,4\n#TRUE#\n1.5,2.5,3.5,4\n5\n\"stale\"\n"
                                   "6,7\n8,9\n#TRUE#\n10,11\n#TRUE#\n12\n2\n13,14,15,16\n#TRUE#\n";

using zembra::TwipRect;

bool within(const TwipRect& r, double width, double height) {
    return std::abs(r.left) <= width && std::abs(r.top) <= height && r.width >= 0 &&
           r.width <= width && r.height >= 0 && r.height <= height;
}

template <typename Layout>
bool bounded(const Layout& layout, std::size_t size) {
    return size >= 1 && size <= std::size_t(zembra::kMaxListElements) && layout.midIndex >= 0 &&
           std::size_t(layout.midIndex) < size;
}

/// The skin placed in the designed window, stretched to a screen `screenWidth` x
/// `screenHeight` pixels by the window scaling, and its list laid out there.
void layOut(const common::SkinLayout& l, int screenWidth, int screenHeight) {
    const double designWidth = zembra::kDesignWidthTwips, designHeight = zembra::kDesignHeightTwips;
    auto place = [&](double left, double top, double width, double height) {
        const TwipRect r =
            zembra::drawableRect({left, top, width, height}, designWidth, designHeight);
        FUZZ_REQUIRE(within(r, designWidth, designHeight));
        return r;
    };
    for (const common::ElementRect* r : {&l.snap, &l.cabinet, &l.flyer, &l.marquee}) {
        place(r->left, r->top, r->width, r->height);
    }
    place(l.logoLeft, l.logoTop, l.logoWidth, l.logoHeight);
    for (const double position :
         {double(l.pathTop), double(l.pathLeft), double(l.navTop), double(l.navLeft)}) {
        FUZZ_REQUIRE(std::abs(zembra::drawablePosition(position, designWidth)) <= designWidth);
    }

    const double widthRatio = zembra::scaleRatio(screenWidth * 15, int(designWidth));
    const double heightRatio = zembra::scaleRatio(screenHeight * 15, int(designHeight));
    auto stretch = [&](const TwipRect& r) {
        const int left = zembra::scaledPixels(r.left, widthRatio);
        const int top = zembra::scaledPixels(r.top, heightRatio);
        const int width = zembra::scaledPixels(r.width, widthRatio);
        const int height = zembra::scaledPixels(r.height, heightRatio);
        FUZZ_REQUIRE(std::abs(left) <= screenWidth + 1 && std::abs(top) <= screenHeight + 1);
        FUZZ_REQUIRE(width >= 0 && width <= screenWidth + 1);
        FUZZ_REQUIRE(height >= 0 && height <= screenHeight + 1);
        return TwipRect{left * 15.0, top * 15.0, width * 15.0, height * 15.0};
    };
    const TwipRect area =
        stretch(place(l.listArea.left, l.listArea.top, l.listArea.width, l.listArea.height));
    const TwipRect cell = stretch(place(0, 0, l.cellWidth, l.cellHeight));

    const int columns = zembra::drawableColumns(l.listColumns, area.width);
    FUZZ_REQUIRE(columns >= 1 && columns <= zembra::kMaxListElements);
    for (const double labelHeight : {1.0, 15.0, 225.0}) {
        const auto text = zembra::textListLayout(area, columns, labelHeight);
        FUZZ_REQUIRE(bounded(text, text.labels.size()));
    }
    const double screenTwips = screenWidth * 15.0;
    const std::int32_t spacing = zembra::scaledSpacing(l.imageSpacing, screenTwips);
    FUZZ_REQUIRE(std::abs(double(spacing)) <= screenTwips);
    const auto strip = zembra::stripLayout(area, cell.width, cell.height, spacing);
    FUZZ_REQUIRE(bounded(strip, strip.cells.size()));

    // The layout stays bounded even when handed the file's values unbounded.
    const TwipRect raw{l.listArea.left, l.listArea.top, l.listArea.width,
                       double(l.listArea.height)};
    const auto rawText =
        zembra::textListLayout(raw, zembra::drawableColumns(l.listColumns, raw.width), 225);
    FUZZ_REQUIRE(bounded(rawText, rawText.labels.size()));
    const auto rawStrip = zembra::stripLayout(raw, l.cellWidth, l.cellHeight, l.imageSpacing);
    FUZZ_REQUIRE(bounded(rawStrip, rawStrip.cells.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);

    common::SkinLayout layout;
    const bool complete = common::readSkinLayout(text, layout);

    layOut(layout, 1920, 1080);
    layOut(layout, 640, 480);

    common::SkinLayout over;
    FUZZ_REQUIRE(common::readSkinLayout(kStaleSkin, over));
    FUZZ_REQUIRE(common::readSkinLayout(text, over) == complete);
    if (complete) {
        FUZZ_REQUIRE(over == layout);
    }

    if (!fuzzing::writable(layout.listType)) {
        return 0;
    }
    // Every value read (or left at zero) must survive a save by the skin editor.
    const std::string written = common::writeSkinLayout(layout);
    common::SkinLayout again;
    FUZZ_REQUIRE(common::readSkinLayout(written, again));
    FUZZ_REQUIRE(again == layout);
    FUZZ_REQUIRE(common::writeSkinLayout(again) == written);
    return 0;
}
