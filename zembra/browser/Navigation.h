// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the selection: steps, pages and path switches, with their bounds.
#pragma once

#include "zembra/browser/ItemList.h"

#include <cstdint>
#include <functional>

namespace zembra {

/// One step up; nothing at the top (there is no wrap) or on an empty list.
void stepUp(ItemList& list);
/// One step down; nothing at the bottom.
void stepDown(ItemList& list);

/// Down by one page of `midIndex` items, stopping at the last; `savedIndex` takes the result.
void gNextPage(ItemList& list, int midIndex, std::int16_t& savedIndex);
/// Up by one page, stopping at the first.
void gPrevPage(ItemList& list, int midIndex, std::int16_t& savedIndex);

/// The path after `path` in browsing order: 27 (or beyond) wraps to 1.
std::int16_t nextPathNumber(std::int16_t path);
/// The path before `path`: 1 (or below) wraps to 27.
std::int16_t prevPathNumber(std::int16_t path);

/// Switches to the next (`forward`) or previous path whose list is not empty. `fill` refills
/// the list for the new `curPath`. Empty paths are skipped; after one full round of 27 paths
/// with nothing to show the switch gives up, leaving the list empty. Does nothing while the
/// list is being rebuilt (not visible).
void switchPath(bool forward, std::int16_t& curPath, ItemList& list, std::int16_t& savedIndex,
                const std::function<void()>& fill);

} // namespace zembra
