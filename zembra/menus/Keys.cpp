// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/Keys.h"

#include "common/text/Strings.h"
#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "zembra/browser/Main.h"
#include "zembra/input/QtKeyMap.h"
#include "zembra/menus/KeyboardFocus.h"
#include "zembra/startup/Application.h"
#include "zembra/widgets/WindowTimer.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace zembra {

Keys::Keys(Application& app)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app),
      redefinition_(app.state().keys) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Keys");
    setCursor(Qt::BlankCursor);
    const common::Scheme& scheme = app.state().scheme;
    setGeometry(app.browser() != nullptr ? app.browser()->geometry() : QRect(0, 0, 640, 480));

    Label1 = new QLabel(QString::fromStdString(redefinition_.caption()), this);
    const QFont font = common::schemeFont(scheme);
    Label1->setFont(font);
    Label1->setAlignment(Qt::AlignCenter);
    common::setTextColour(Label1, common::colourFromNumber(scheme.highColour));
    // As wide as the longest prompt, so that no caption is cut and none moves the label.
    const QFontMetrics metrics(font);
    int widest = metrics.horizontalAdvance(QString::fromUtf8(kKeySavingText.data()));
    for (const std::string_view prompt : kKeyPrompts) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(
                                      std::string(kKeyPromptPrefix) + std::string(prompt))));
    }
    Label1->resize(widest + metrics.horizontalAdvance('M'), metrics.height());
    centre();

    setupTimer(timhigh, 150);
    connect(&timhigh, &QTimer::timeout, this, &Keys::onTimhigh);
    timhigh.start();
}

void Keys::centre() {
    Label1->move(width() / 2 - Label1->width() / 2, height() / 2 - Label1->height() / 2);
}

void Keys::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    centre();
}

void Keys::onTimhigh() {
    Label1->setAutoFillBackground(false);
    if (const auto colour = flasher_.tick(app_.state().scheme.highColour)) {
        common::setTextColour(Label1, common::colourFromNumber(*colour));
    }
}

bool Keys::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        app_.ownWindowActivated();
    }
    return QWidget::event(event);
}

void Keys::keyPressEvent(QKeyEvent* event) {
    // A held key is one key, not a run of bindings.
    if (event->isAutoRepeat()) {
        return;
    }
    keyDown(windowsKeyCode(event->key(), event->modifiers() & Qt::KeypadModifier));
}

void Keys::keyDown(int keyCode) {
    // A key without a code could not be told from any other such key.
    if (keyCode <= 0 || redefinition_.complete()) {
        return;
    }
    const bool last = redefinition_.take(keyCode);
    Label1->setText(QString::fromStdString(redefinition_.caption()));
    if (last) {
        finish();
    }
}

void Keys::finish() {
    // The new keys act from now on, saved or not; the exit saves them again.
    app_.state().keys = redefinition_.bindings();
    std::string error;
    if (!saveRedefinedKeys(redefinition_, app_.state().programFolder, &error)) {
        if (Main* browser = app_.browser()) {
            browser->showProblems({"Keys not saved: " + error});
        }
    }
    timhigh.stop();
    close();
    if (Main* browser = app_.browser()) {
        giveKeyboard(browser, *app_.services().keys);
    }
}

void Keys::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), common::colourFromNumber(app_.state().scheme.bgColour));
}

} // namespace zembra
