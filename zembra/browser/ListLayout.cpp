// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/browser/ListLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zembra {

int fitCount(double length, double each) {
    if (!(length > 0) || !(each > 0)) {
        return 0; // also for what is not a number
    }
    return static_cast<int>(std::min(std::floor(length / each), double(kMaxListElements)));
}

TextListLayout textListLayout(const TwipRect& area, int columns, double labelHeight) {
    if (columns <= 0) {
        columns = 1;
    }
    TextListLayout layout;
    TwipRect label{area.left, area.top, area.width / columns, labelHeight};
    layout.labels.push_back(label);
    const int rowsPerColumn =
        labelHeight > 0 ? fitCount(area.height, std::max(labelHeight, kPixelTwips)) : 0;
    const auto total = static_cast<int>(
        std::min<std::int64_t>(std::int64_t(columns) * rowsPerColumn, kMaxListElements));
    for (int i = 1; i < total; ++i) {
        const TwipRect& previous = layout.labels.back();
        label = previous;
        label.top = previous.bottom();
        if (label.bottom() > area.bottom()) {
            label.top = area.top;
            label.left = previous.right();
        }
        layout.labels.push_back(label);
    }
    layout.midIndex = static_cast<int>(layout.labels.size()) / 2;
    return layout;
}

StripLayout stripLayout(const TwipRect& area, double cellWidth, double cellHeight, double spacing) {
    StripLayout layout;
    const TwipRect first{area.left, area.top, cellWidth, cellHeight};
    layout.cells.push_back(first);
    if (cellWidth > 0 && cellHeight > 0) {
        const auto total = static_cast<int>(std::min<std::int64_t>(
            std::int64_t(fitCount(area.width, std::max(cellWidth, kPixelTwips))) *
                fitCount(area.height, std::max(cellHeight, kPixelTwips)),
            kMaxListElements));
        for (int i = 1; i < total; ++i) {
            const TwipRect& previous = layout.cells.back();
            TwipRect cell = previous;
            cell.left = previous.right() + spacing;
            if (cell.right() > area.right() + spacing) {
                cell.left = first.left;
                cell.top = previous.bottom() + spacing;
                if (cell.bottom() > area.bottom()) {
                    break; // this row does not fit, and no later one would
                }
            }
            layout.cells.push_back(cell);
        }
    }
    layout.midIndex = static_cast<int>(layout.cells.size()) / 2;
    const TwipRect& selection = layout.cells[static_cast<std::size_t>(layout.midIndex)];
    layout.highlight = {selection.left - 50, selection.top - 50, selection.width + 100,
                        selection.height + 100};
    return layout;
}

int rowItem(int row, int index, int midIndex, int count) {
    const int item = index - midIndex + row;
    return item >= 0 && item < count ? item : -1;
}

} // namespace zembra
