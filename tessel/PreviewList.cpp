// SPDX-License-Identifier: GPL-3.0-or-later
#include "tessel/PreviewList.h"

#include "common/text/Numbers.h"

#include <cmath>

namespace tessel {

bool isPictureList(const std::string& listType) {
    return !listType.empty() && listType != "list";
}

std::string placeholderFor(const std::string& listType) {
    if (listType == "snap") {
        return "screen32.jpg";
    }
    if (listType == "marquee" || listType == "cabinet" || listType == "flyer") {
        return listType + "32.jpg";
    }
    return {};
}

int textColumns(float listColumns) {
    // A huge column count would only build thousands of empty entries.
    constexpr float kMostColumns = 100;
    return listColumns >= 1 ? static_cast<int>(std::min(listColumns, kMostColumns)) : 1;
}

PreviewList previewList(const common::SkinLayout& layout, double labelHeight) {
    PreviewList list;
    const common::ElementRect& a = layout.listArea;
    const zembra::TwipRect area{a.left, a.top, a.width, double(a.height)};
    if (isPictureList(layout.listType)) {
        list.pictures = true;
        list.pictureName = placeholderFor(layout.listType);
        const zembra::StripLayout strip = zembra::stripLayout(
            area, layout.cellWidth, double(layout.cellHeight), double(layout.imageSpacing));
        list.rects = strip.cells;
        list.midIndex = strip.midIndex;
        return list;
    }
    list.columns = textColumns(layout.listColumns);
    const zembra::TextListLayout text = zembra::textListLayout(area, list.columns, labelHeight);
    list.rects = text.labels;
    list.midIndex = text.midIndex;
    // With several columns the entries stay centred whatever the skin's alignment says.
    list.alignment = list.columns > 1 ? 2 : layout.listAlignment;
    return list;
}

std::string entryCaption(int index) {
    return "Testing " + common::blankNumber(index);
}

float columnsFromText(const std::string& text) {
    const auto single = common::toSingle(common::leadingNumber(text));
    return single ? *single : 0;
}

} // namespace tessel
