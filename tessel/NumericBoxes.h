// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric editor's boxes: which value of the layout each one shows and sets.
#pragma once

#include "tessel/SkinDocument.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

/// One text box of the numeric editor. `page` is the tab it sits on; `spacing` marks the box
/// of the gap between picture cells, which is no element's rectangle.
struct NumericBox {
    std::string name; ///< "Mtop", "LAPSpace", ...
    std::string page; ///< "Marquee", "List Area", ...
    Element element;
    Property property;
    bool spacing = false;
};

/// All 31 boxes, page by page.
const std::vector<NumericBox>& numericBoxes();

/// The tab pages in order.
const std::vector<std::string>& numericPages();

/// A typed number: the whole trimmed text must be one finite number. Empty text, letters or
/// a trailing unit are not a number, and the element keeps its value.
std::optional<double> boxNumber(std::string_view text);

/// The value a box shows: a single-precision number in plain decimal, the gap as a whole
/// number.
std::string boxText(const common::SkinLayout& layout, const NumericBox& box);

/// Applies typed text to the layout; false (nothing changed) when it is not a number the
/// value can hold.
bool applyBox(common::SkinLayout& layout, const NumericBox& box, std::string_view text);

} // namespace tessel
