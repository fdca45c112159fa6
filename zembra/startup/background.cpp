// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/background.h"

#include "zembra/browser/Main.h"
#include "zembra/startup/Application.h"

#include <QGuiApplication>
#include <QScreen>

namespace zembra {

background::background(Application& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), app_(app) {
    setWindowTitle("Background");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setCursor(Qt::BlankCursor);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
}

void background::showBrowser() {
    if (Main* browser = app_.browser()) {
        browser->show();
        browser->raise();
        browser->activateWindow();
    }
}

void background::mousePressEvent(QMouseEvent*) {
    showBrowser();
}

void background::keyPressEvent(QKeyEvent*) {
    showBrowser();
}

void background::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    lower();
}

} // namespace zembra
