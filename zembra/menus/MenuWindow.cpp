// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/MenuWindow.h"

#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "zembra/browser/Main.h"
#include "zembra/input/QtKeyMap.h"
#include "zembra/menus/KeyboardFocus.h"
#include "zembra/startup/Application.h"
#include "zembra/widgets/TintBehind.h"
#include "zembra/widgets/WindowTimer.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

namespace zembra {

MenuWindow::MenuWindow(Application& app, int tintDelay)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kMenuCaption.data(), kMenuCaption.size()));
    setCursor(Qt::BlankCursor);
    const common::Scheme& scheme = app.state().scheme;
    const QRect browser =
        app.browser() != nullptr ? app.browser()->geometry() : QRect(0, 0, 640, 480);
    geometry_ = menuGeometry(common::schemeFont(scheme), browser);
    setGeometry(geometry_.window);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, common::colourFromNumber(scheme.bgColour));
    palette.setColor(QPalette::WindowText, common::colourFromNumber(scheme.highColour));
    setPalette(palette);

    setupTimer(timhigh, 150);
    setupTimer(timtrans, tintDelay, true);
    connect(&timhigh, &QTimer::timeout, this, &MenuWindow::onTimhigh);
    connect(&timtrans, &QTimer::timeout, this, &MenuWindow::onTimtrans);
    timtrans.start();
}

QLabel* MenuWindow::addLabel(const QString& text, int top) {
    auto* label = new QLabel(text, this);
    label->setFont(common::schemeFont(app_.state().scheme));
    label->setAlignment(Qt::AlignCenter);
    common::setTextColour(label, common::colourFromNumber(app_.state().scheme.highColour));
    label->setGeometry(0, top, width(), geometry_.lineHeight);
    return label;
}

void MenuWindow::onTimhigh() {
    if (flashing_ == nullptr) {
        return;
    }
    // The label's own background stays see-through; only its text blinks.
    flashing_->setAutoFillBackground(false);
    if (const auto colour = flasher_.tick(app_.state().scheme.highColour)) {
        common::setTextColour(flashing_, common::colourFromNumber(*colour));
    }
}

void MenuWindow::onTimtrans() {
    timtrans.stop();
    const common::Scheme& scheme = app_.state().scheme;
    TintBehind(this, tintColour(scheme.bgColour, scheme.fontColour));
    // Taking the picture behind may unmap the window for a moment, and the keyboard with it;
    // the tint comes just after the window opened in front, so it takes the keyboard again.
    if (isVisible()) {
        takeFocus();
    }
}

void MenuWindow::activated() {
    app_.ownWindowActivated();
}

void MenuWindow::takeFocus() {
    giveKeyboard(this, *app_.services().keys);
}

bool MenuWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        activated();
    } else if (event->type() == QEvent::WindowDeactivate) {
        deactivated();
    }
    return QWidget::event(event);
}

void MenuWindow::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        return; // one step per press, as the browser's keys
    }
    const int code = windowsKeyCode(event->key(), event->modifiers() & Qt::KeypadModifier);
    if (const auto what = menuKeyCommand(code, app_.state().keys)) {
        command(*what);
    }
}

void MenuWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The frame in the highlight colour, as large as the window.
    QPainter painter(this);
    painter.setPen(common::colourFromNumber(app_.state().scheme.highColour));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zembra
