// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the browser's elements where the skin says, within the designed window.
#pragma once

#include "common/skin/SkinFile.h"
#include "common/ui/Units.h"
#include "zembra/browser/SkinBounds.h"

#include <QWidget>

namespace zembra::placement {

/// Skin values are placed as the file says, within what the designed window can show: a
/// rectangle of two thousand million twips would otherwise make an element (and the picture
/// decoded for it) larger than any memory.
inline TwipRect drawable(double left, double top, double width, double height) {
    return drawableRect({left, top, width, height}, kDesignWidthTwips, kDesignHeightTwips);
}

inline void place(QWidget* element, const TwipRect& r) {
    element->setGeometry(common::twipsRect(r.left, r.top, r.width, r.height));
}

inline void place(QWidget* element, const common::ElementRect& r) {
    place(element, drawable(r.left, r.top, r.width, r.height));
}

inline QPoint position(double left, double top) {
    return {common::twipsToPixels(drawablePosition(left, kDesignWidthTwips)),
            common::twipsToPixels(drawablePosition(top, kDesignHeightTwips))};
}

} // namespace zembra::placement
