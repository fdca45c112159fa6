// SPDX-License-Identifier: GPL-3.0-or-later
// Where the row labels or picture cells of the list go, and which item each one shows.
#pragma once

#include <vector>

namespace zembra {

/// A rectangle in twips.
struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool operator==(const TwipRect&) const = default;
};

/// The text list: labels fill the list area column by column, top to bottom. There is always
/// at least label 0; `midIndex` is the label that shows the selection.
struct TextListLayout {
    std::vector<TwipRect> labels;
    int midIndex = 0;
};

/// `columns` 0 counts as 1; `labelHeight` is the measured height of one row of text.
TextListLayout textListLayout(const TwipRect& area, int columns, double labelHeight);

/// The picture strip: cells of the skin's size from the area's top-left corner, left to right
/// with `spacing` between them, in as many rows as fit.
struct StripLayout {
    std::vector<TwipRect> cells;
    int midIndex = 0;
    TwipRect highlight; ///< the frame around the selection cell
};

StripLayout stripLayout(const TwipRect& area, double cellWidth, double cellHeight, double spacing);

/// The item a row label (or cell) `row` shows when item `index` is selected: -1 for a row
/// before the first or after the last item.
int rowItem(int row, int index, int midIndex, int count);

} // namespace zembra
