// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the skin.ini reader and writer, and lays the list out from the file's values as they
// are, as large or as negative as a file can make them.
#include "FuzzSupport.h"
#include "common/skin/SkinFile.h"
#include "zembra/browser/ListLayout.h"
#include "zembra/browser/SkinBounds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    common::SkinLayout l;
    common::readSkinLayout(fuzzing::fileText(data, size), l);
    common::writeSkinLayout(l);
    const zembra::TwipRect area{l.listArea.left, l.listArea.top, l.listArea.width,
                                double(l.listArea.height)};
    zembra::textListLayout(area, zembra::drawableColumns(l.listColumns, area.width), 225);
    zembra::stripLayout(area, l.cellWidth, l.cellHeight, l.imageSpacing);
    return 0;
}
