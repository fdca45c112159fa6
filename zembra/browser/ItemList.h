// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden item list of the current path: the descriptions in order and the selection.
#pragma once

#include <string>
#include <vector>

namespace zembra {

/// Never seen by the user: the browser draws a window of it. Item i is row i + 1 of the
/// current path's game table; the current index is the selection (-1 for none).
class ItemList {
public:
    void clear() {
        items_.clear();
        index_ = -1;
    }
    void add(std::string text) { items_.push_back(std::move(text)); }

    int count() const { return static_cast<int>(items_.size()); }
    int index() const { return index_; }

    /// Selects item `index`, or nothing with -1. An index outside the list changes nothing and
    /// returns false, as the list control always refused it.
    bool setIndex(int index) {
        if (index < -1 || index >= count()) {
            return false;
        }
        index_ = index;
        return true;
    }

    const std::string& text(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    /// The selected item's text, empty when nothing is selected.
    std::string currentText() const { return index_ >= 0 ? items_[index_] : std::string(); }

    /// Turned off while the catalogue rebuilds the list, on when it is ready.
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

private:
    std::vector<std::string> items_;
    int index_ = -1;
    bool visible_ = true;
};

} // namespace zembra
