// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/widgets/TintBehind.h"

#include "common/ui/Units.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace zembra {

void TintBehind(QWidget* window, std::int32_t colour) {
    const QColor tint = common::colourFromNumber(colour);
    const QRect area = window->geometry();
    window->hide();
    QCoreApplication::processEvents();
    QImage behind;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        behind = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    }
    window->show();
    if (behind.isNull() || behind.size() != area.size()) {
        behind = QImage(area.size(), QImage::Format_RGB32);
        behind.fill(Qt::white);
    }
    behind = behind.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&behind);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.fillRect(behind.rect(), tint);
    painter.end();
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(behind)));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->update();
}

} // namespace zembra
