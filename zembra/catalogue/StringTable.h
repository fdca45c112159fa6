// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed-size string tables the catalogue is kept in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zembra {

/// A table of strings with rows numbered from 1 and columns from 1; row 0 and column 0 exist
/// but are never used. The first row whose column 1 is empty ends the table's contents.
/// Rows past that keep whatever they held, as the game tables always have; only an explicit
/// clear empties them. Storage grows with the highest row written, so an empty table is cheap.
class StringTable {
public:
    StringTable(int lastRow, int lastColumn) : lastRow_(lastRow), columns_(lastColumn + 1) {}

    int lastRow() const { return lastRow_; }
    int lastColumn() const { return columns_ - 1; }

    /// The cell's text; empty for a row never written. Row and column must lie in the table.
    const std::string& at(int row, int column) const;

    /// False, and nothing stored, when the row lies outside 1 to lastRow().
    bool set(int row, int column, std::string value);
    /// The same, copying `value` into the cell's own storage: a cell emptied by clearRows keeps
    /// its room, so a scan refilling the table folder after folder does not allocate again.
    bool assign(int row, int column, std::string_view value);

    /// Empties rows `from` to `to` (clamped to the table).
    void clearRows(int from, int to);
    void clear() {
        cells_.clear();
        highestFilled_ = 0;
    }

    /// Rows before the first row whose column 1 is empty.
    int count() const;

private:
    int lastRow_;
    int columns_;
    std::vector<std::string> cells_; // row-major, rows 0 .. highest written
    int highestFilled_ = 0;          // no row above this holds text, so clearing stops here
};

} // namespace zembra
