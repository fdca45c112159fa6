// SPDX-License-Identifier: GPL-3.0-or-later
#include "tessel/Preview.h"

#include <QPainter>

namespace tessel {

void Preview::setBackground(const QColor& colour, const QImage& picture) {
    colour_ = colour;
    picture_ = picture;
    update();
}

void Preview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    if (!picture_.isNull()) {
        // The browser stretches the background over its whole window; so does the mock-up.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture_);
    }
}

} // namespace tessel
