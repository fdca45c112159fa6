// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/browser/frmMute.h"

#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "zembra/browser/HighlightPulse.h"
#include "zembra/browser/Main.h"
#include "zembra/startup/Application.h"
#include "zembra/widgets/MenuGeometry.h"
#include "zembra/widgets/TintBehind.h"

#include <QEvent>
#include <QPainter>

namespace zembra {

frmMute::frmMute(Application& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Menu");
    setCursor(Qt::BlankCursor);
    const common::Scheme& scheme = app.state().scheme;
    const QFont font = common::schemeFont(scheme);
    const QRect browser =
        app.browser() != nullptr ? app.browser()->geometry() : QRect(0, 0, 640, 480);
    const MenuGeometry menu = menuGeometry(font, browser);
    setGeometry(menu.window);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, common::colourFromNumber(scheme.bgColour));
    palette.setColor(QPalette::WindowText, common::colourFromNumber(scheme.highColour));
    setPalette(palette);

    lblMute = new QLabel(app.state().settings.muted ? "Sound Fx Are Off" : "Sound Fx Are On", this);
    lblMute->setFont(font);
    lblMute->setPalette(palette);
    lblMute->setAlignment(Qt::AlignCenter);
    lblMute->setGeometry(0, menu.entryTop(4), width(), menu.lineHeight);

    // Tinted before it is first shown, so the picture is the browser's and never its own.
    TintBehind(this, tintColour(scheme.bgColour, scheme.fontColour));

    timexit.setInterval(800);
    timhigh.setInterval(150);
    connect(&timexit, &QTimer::timeout, this, &frmMute::onTimexit);
    connect(&timhigh, &QTimer::timeout, this, &frmMute::onTimhigh);
    timexit.start();
    timhigh.start();
}

void frmMute::onTimhigh() {
    // The label's own background stays see-through; only its text pulses.
    lblMute->setAutoFillBackground(false);
    if (const auto colour = pulseColour(flashStep_, app_.state().scheme.highColour)) {
        common::setTextColour(lblMute, common::colourFromNumber(*colour));
    }
    flashStep_ = nextPulseStep(flashStep_);
}

bool frmMute::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        activated();
    }
    return QWidget::event(event);
}

void frmMute::activated() {
    app_.ownWindowActivated();
}

void frmMute::onTimexit() {
    timexit.stop();
    if (Main* browser = app_.browser()) {
        browser->setEnabled(true);
        browser->activateWindow();
        browser->setFocus();
    }
    close();
}

void frmMute::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The frame in the highlight colour, as large as the window.
    QPainter painter(this);
    painter.setPen(common::colourFromNumber(app_.state().scheme.highColour));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zembra
