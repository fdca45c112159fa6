// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/widgets/MenuGeometry.h"

#include <QFontMetrics>
#include <cmath>

namespace zembra {

MenuGeometry menuGeometry(const QFont& font, const QRect& browser) {
    const QFontMetrics metrics(font);
    MenuGeometry menu;
    menu.lineHeight = metrics.height();
    menu.gap = static_cast<int>(std::lround(0.15 * menu.lineHeight));
    const int height = 5 * menu.lineHeight + 6 * menu.gap;
    // Wide enough for the longest entry and the notices shown in its place.
    const int width =
        std::max(metrics.horizontalAdvance("Sound Fx Are Off") + 4 * metrics.horizontalAdvance('M'),
                 browser.width() / 3);
    menu.window = QRect(browser.x() + (browser.width() - width) / 2,
                        browser.y() + (browser.height() - height) / 2, width, height);
    return menu;
}

} // namespace zembra
