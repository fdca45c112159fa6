// SPDX-License-Identifier: GPL-3.0-or-later
// The sequential item reader every text file of the programs is read with.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace common {

/// Splits text into items the way the cabinet's files have always been read:
/// blanks before an item are dropped; an item ends at a comma or at the end of the line
/// (CR LF, LF or CR); an item that begins with a double quote runs to the next double quote,
/// even across lines, and the rest of that line up to the next comma is dropped. Blanks after
/// an unquoted item are kept; callers trim where their format says so.
///
/// Items are read by position, not by line: a record missing a value takes its next value
/// from the following line, as the files have always behaved.
class ItemReader {
public:
    explicit ItemReader(std::string_view text) : text_(text) {}

    /// The next item, or an empty optional when the text is used up.
    std::optional<std::string> next();

    /// At the start of a line, passes over the lines that hold nothing but blanks (and a line
    /// of blanks that ends the text), so a record-per-line file may hold empty lines. Does
    /// nothing in the middle of a line.
    void skipBlankLines();

    /// True when next() would return nothing.
    bool atEnd() const { return pos_ >= text_.size() && !afterComma_; }

    /// Line (from 1) on which the item last returned began; after the end, the last line
    /// of the text.
    int line() const { return itemLine_; }

    /// Line the next item would begin on.
    int nextLine() const { return line_; }

private:
    bool isLineEnd(std::size_t at) const;
    void skipLineEnd();

    std::string_view text_;
    std::size_t pos_ = 0;
    bool afterComma_ = false;
    int line_ = 1;
    int itemLine_ = 1;
};

} // namespace common
