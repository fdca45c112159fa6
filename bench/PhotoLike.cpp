// SPDX-License-Identifier: GPL-3.0-or-later
// Draws photo-like test pictures: a gradient with noise over it.
#include "bench/PhotoLike.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>

namespace zembra::bench {

QImage photoLike(QSize size, int seed) {
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(seed));
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv(seed * 37 % 360, 200, 220));
    gradient.setColorAt(1, QColor::fromHsv(seed * 91 % 360, 160, 60));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int noise = static_cast<int>(random.bounded(24)) - 12;
            const QRgb p = line[x];
            line[x] =
                qRgb(std::clamp(qRed(p) + noise, 0, 255), std::clamp(qGreen(p) + noise, 0, 255),
                     std::clamp(qBlue(p) + noise, 0, 255));
        }
    }
    return image;
}

} // namespace zembra::bench
