// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/ItemReader.h"

#include <algorithm>

namespace common {

bool ItemReader::isLineEnd(std::size_t at) const {
    return text_[at] == '\n' || text_[at] == '\r';
}

void ItemReader::skipLineEnd() {
    if (pos_ >= text_.size()) {
        return;
    }
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') {
        ++pos_;
    }
    ++pos_;
    ++line_;
}

void ItemReader::skipBlankLines() {
    if (afterComma_ || (pos_ > 0 && !isLineEnd(pos_ - 1))) {
        return;
    }
    while (pos_ < text_.size()) {
        std::size_t at = pos_;
        while (at < text_.size() && (text_[at] == ' ' || text_[at] == '\t')) {
            ++at;
        }
        if (at < text_.size() && !isLineEnd(at)) {
            return;
        }
        pos_ = at;
        skipLineEnd();
    }
}

std::optional<std::string> ItemReader::next() {
    if (atEnd()) {
        // Past the last line end there is no line of its own: the text ended on the one before.
        const bool endsWithLineEnd = !text_.empty() && isLineEnd(text_.size() - 1);
        itemLine_ = endsWithLineEnd && line_ > 1 ? line_ - 1 : line_;
        return std::nullopt;
    }
    afterComma_ = false;
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
        ++pos_;
    }
    itemLine_ = line_;

    std::string item;
    if (pos_ < text_.size() && text_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        const std::size_t close = text_.find('"', start);
        const std::size_t stop = close == std::string_view::npos ? text_.size() : close;
        item.assign(text_.substr(start, stop - start));
        line_ += static_cast<int>(std::count(item.begin(), item.end(), '\n'));
        pos_ = close == std::string_view::npos ? text_.size() : close + 1;
    } else {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(pos_)) {
            ++pos_;
        }
        item.assign(text_.substr(start, pos_ - start));
    }

    // Whatever follows a closing quote up to the next comma is dropped.
    while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(pos_)) {
        ++pos_;
    }
    if (pos_ < text_.size()) {
        if (text_[pos_] == ',') {
            ++pos_;
            afterComma_ = true;
        } else {
            skipLineEnd();
        }
    }
    return item;
}

} // namespace common
