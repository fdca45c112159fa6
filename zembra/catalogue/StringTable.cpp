// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/StringTable.h"

#include <algorithm>

namespace zembra {

namespace {
const std::string kEmpty;
}

const std::string& StringTable::at(int row, int column) const {
    const auto index = static_cast<std::size_t>(row) * columns_ + column;
    return index < cells_.size() ? cells_[index] : kEmpty;
}

bool StringTable::set(int row, int column, std::string value) {
    if (row < 1 || row > lastRow_ || column < 1 || column >= columns_) {
        return false;
    }
    const auto index = static_cast<std::size_t>(row) * columns_ + column;
    if (index >= cells_.size()) {
        cells_.resize(static_cast<std::size_t>(row + 1) * columns_);
    }
    cells_[index] = std::move(value);
    highestFilled_ = std::max(highestFilled_, row);
    return true;
}

bool StringTable::assign(int row, int column, std::string_view value) {
    if (row < 1 || row > lastRow_ || column < 1 || column >= columns_) {
        return false;
    }
    const auto index = static_cast<std::size_t>(row) * columns_ + column;
    if (index >= cells_.size()) {
        cells_.resize(static_cast<std::size_t>(row + 1) * columns_);
    }
    cells_[index].assign(value);
    highestFilled_ = std::max(highestFilled_, row);
    return true;
}

void StringTable::clearRows(int from, int to) {
    from = std::max(from, 0);
    // The scan empties the tables before every folder; rows never filled cost nothing.
    to = std::min({to, lastRow_, highestFilled_});
    if (from > to) {
        return;
    }
    if (to == highestFilled_) {
        highestFilled_ = from - 1;
    }
    for (int row = from; row <= to; ++row) {
        for (int column = 0; column < columns_; ++column) {
            const auto index = static_cast<std::size_t>(row) * columns_ + column;
            if (index >= cells_.size()) {
                return;
            }
            cells_[index].clear();
        }
    }
}

int StringTable::count() const {
    int row = 1;
    while (row <= lastRow_ && !at(row, 1).empty()) {
        ++row;
    }
    return row - 1;
}

} // namespace zembra
