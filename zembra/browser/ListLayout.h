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

/// The most row labels or picture cells a list is given: twice the 4000 games a path holds,
/// and the selection. A label further from the selection could never show a game.
inline constexpr int kMaxListElements = 2 * 4000 + 1;

/// One pixel of the design, in twips: the smallest row, column or cell counted.
inline constexpr double kPixelTwips = 15;

/// How many whole `each` fit in `length`, computed wide: 0 for a length or size that is not a
/// positive number, at most kMaxListElements.
int fitCount(double length, double each);

/// The text list: labels fill the list area column by column, top to bottom. There is always
/// at least label 0; `midIndex` is the label that shows the selection. Rows lower than one
/// pixel count as one pixel, and there are never more than kMaxListElements labels.
struct TextListLayout {
    std::vector<TwipRect> labels;
    int midIndex = 0;
};

/// `columns` 0 counts as 1; `labelHeight` is the measured height of one row of text.
TextListLayout textListLayout(const TwipRect& area, int columns, double labelHeight);

/// The picture strip: cells of the skin's size from the area's top-left corner, left to right
/// with `spacing` between them, in as many rows as fit. Cells smaller than one pixel are
/// counted as one pixel, and there are never more than kMaxListElements cells.
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
