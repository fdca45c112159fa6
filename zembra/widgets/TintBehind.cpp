// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/widgets/TintBehind.h"

#include "common/ui/Units.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace zembra {
namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kBlack = 0;

// The screen where `area` (global pixels) lies; the windows shown there, not this program's
// idea of them, so a desktop or another program behind shows too.
QImage screenBehind(const QRect& area) {
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return {};
    }
    const QPoint origin = area.topLeft() - screen->geometry().topLeft();
    return screen->grabWindow(0, origin.x(), origin.y(), area.width(), area.height()).toImage();
}

} // namespace

std::int32_t tintColour(std::int32_t bgColour, std::int32_t fontColour) {
    return bgColour == kWhite || bgColour == kBlack ? fontColour : bgColour;
}

QImage tintedPicture(QImage behind, std::int32_t colour) {
    behind = behind.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&behind);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.fillRect(behind.rect(), common::colourFromNumber(colour));
    painter.end();
    return behind;
}

void TintBehind(QWidget* window, std::int32_t colour) {
    const bool shown = window->isVisible();
    if (shown) {
        window->hide();
        QCoreApplication::processEvents();
    }
    const QRect area = window->geometry();
    QImage behind = screenBehind(area);
    if (shown) {
        window->show();
    }
    if (behind.isNull()) {
        behind = QImage(area.size(), QImage::Format_RGB32);
        behind.fill(Qt::white);
    } else if (behind.size() != area.size()) {
        behind = behind.scaled(area.size()); // a screen of more than one pixel per point
    }
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(tintedPicture(behind, colour))));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->update();
}

} // namespace zembra
