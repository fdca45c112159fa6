// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and text colours as a skin's scheme gives them.
#pragma once

#include "common/skin/SchemeFile.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace common {

/// The scheme's font at its size (a size of 0 or less keeps the default size).
inline QFont schemeFont(const Scheme& scheme) {
    QFont font(QString::fromStdString(scheme.fontName));
    if (scheme.fontSize > 0) {
        font.setPointSizeF(scheme.fontSize);
    }
    return font;
}

/// Sets the colour a label's text is drawn in.
inline void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace common
