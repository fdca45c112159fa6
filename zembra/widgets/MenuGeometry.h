// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings menu stands; the small screens of the menu family take the same place.
#pragma once

#include <QFont>
#include <QRect>

namespace zembra {

/// The menu's five entries, one line of the scheme's font each with a gap of 0.15 line
/// between them and at both ends; the window is centred on the browser.
struct MenuGeometry {
    QRect window;
    int lineHeight = 0;
    int gap = 0;
    /// Top of entry `position` (1 to 5) inside the window.
    int entryTop(int position) const { return gap + (position - 1) * (lineHeight + gap); }
};

MenuGeometry menuGeometry(const QFont& font, const QRect& browser);

} // namespace zembra
