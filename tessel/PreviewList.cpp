// SPDX-License-Identifier: GPL-3.0-or-later
#include "tessel/PreviewList.h"

#include "common/text/Numbers.h"

#include <algorithm>
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

namespace {

// Beyond a few canvases nothing can be seen, and the counts would overflow.
constexpr double kLargestArea = 8 * 7680;
constexpr double kSmallestStep = 15; // one design pixel

double bounded(double value, double low, double high) {
    return std::isfinite(value) ? std::clamp(value, low, high) : low;
}

// A size of 0 (no cell size yet) stays 0: one cell, as the browser shows it.
double cellSide(double value) {
    return value > 0 ? bounded(value, kSmallestStep, kLargestArea) : value;
}

} // namespace

PreviewList previewList(const common::SkinLayout& layout, double labelHeight) {
    PreviewList list;
    const common::ElementRect& a = layout.listArea;
    const zembra::TwipRect area{a.left, a.top, bounded(a.width, -kLargestArea, kLargestArea),
                                bounded(double(a.height), -kLargestArea, kLargestArea)};
    if (isPictureList(layout.listType)) {
        list.pictures = true;
        list.pictureName = placeholderFor(layout.listType);
        const double spacing = bounded(double(layout.imageSpacing), -kLargestArea, kLargestArea);
        const zembra::StripLayout strip = zembra::stripLayout(
            area, cellSide(layout.cellWidth), cellSide(double(layout.cellHeight)), spacing);
        list.rects = strip.cells;
        list.midIndex = strip.midIndex;
        if (list.rects.size() > kMostPreviewEntries) {
            list.rects.resize(kMostPreviewEntries);
            list.midIndex = static_cast<int>(kMostPreviewEntries / 2);
        }
        return list;
    }
    list.columns = textColumns(layout.listColumns);
    const zembra::TextListLayout text = zembra::textListLayout(
        area, list.columns, bounded(labelHeight, kSmallestStep, kLargestArea));
    list.rects = text.labels;
    list.midIndex = text.midIndex;
    if (list.rects.size() > kMostPreviewEntries) {
        list.rects.resize(kMostPreviewEntries);
        list.midIndex = static_cast<int>(kMostPreviewEntries / 2);
    }
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
