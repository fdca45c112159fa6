// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/browser/Navigation.h"

#include "zembra/catalogue/GameTables.h"

namespace zembra {

void stepUp(ItemList& list) {
    if (list.index() != 0 && list.count() > 0) {
        list.setIndex(list.index() - 1);
    }
}

void stepDown(ItemList& list) {
    if (list.index() != list.count() - 1 && list.count() >= 1) {
        list.setIndex(list.index() + 1);
    }
}

void gNextPage(ItemList& list, int midIndex, std::int16_t& savedIndex) {
    const int remaining = list.count() - 1 - list.index();
    list.setIndex(remaining <= midIndex ? list.count() - 1 : list.index() + midIndex);
    savedIndex = static_cast<std::int16_t>(list.index());
}

void gPrevPage(ItemList& list, int midIndex, std::int16_t& savedIndex) {
    list.setIndex(list.index() <= midIndex ? 0 : list.index() - midIndex);
    savedIndex = static_cast<std::int16_t>(list.index());
}

std::int16_t nextPathNumber(std::int16_t path) {
    return path >= kExtrasPath ? 1 : static_cast<std::int16_t>(path + 1);
}

std::int16_t prevPathNumber(std::int16_t path) {
    return path <= 1 ? kExtrasPath : static_cast<std::int16_t>(path - 1);
}

void switchPath(bool forward, std::int16_t& curPath, ItemList& list, std::int16_t& savedIndex,
                const std::function<void()>& fill) {
    if (!list.visible()) {
        return;
    }
    for (int tries = 0; tries < kExtrasPath; ++tries) {
        curPath = forward ? nextPathNumber(curPath) : prevPathNumber(curPath);
        list.clear();
        fill();
        savedIndex = 0;
        if (list.visible() && list.count() >= 1) {
            list.setIndex(0);
            return;
        }
    }
}

} // namespace zembra
