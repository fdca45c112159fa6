// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the skin.ini reader and checks that whatever it read is saved and read back unchanged.
#include "FuzzSupport.h"
#include "common/skin/SkinFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

/// A layout with no value left at zero, to see that a complete read replaces every one.
common::SkinLayout filledLayout() {
    common::SkinLayout l;
    for (auto* rect : {&l.snap, &l.cabinet, &l.flyer, &l.marquee, &l.listArea}) {
        *rect = {1.5f, 2.5f, 3.5f, 4};
    }
    l.showSnap = l.showCabinet = l.showFlyer = l.showMarquee = true;
    l.listColumns = 5;
    l.listType = "stale";
    l.cellWidth = 6;
    l.cellHeight = 7;
    l.pathTop = 8;
    l.pathLeft = 9;
    l.showPath = true;
    l.navTop = 10;
    l.navLeft = 11;
    l.showNav = true;
    l.imageSpacing = 12;
    l.listAlignment = 2;
    l.logoTop = 13;
    l.logoLeft = 14;
    l.logoHeight = 15;
    l.logoWidth = 16;
    l.showLogo = true;
    return l;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);

    common::SkinLayout layout;
    const bool complete = common::readSkinLayout(text, layout);

    common::SkinLayout over = filledLayout();
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
