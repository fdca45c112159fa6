// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/info/Info.h"

#include "common/text/NativePath.h"
#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "zembra/browser/Main.h"
#include "zembra/info/InfoKeys.h"
#include "zembra/info/InfoLookup.h"
#include "zembra/input/QtKeyMap.h"
#include "zembra/startup/Application.h"
#include "zembra/widgets/TintBehind.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

namespace zembra {

Info::Info(Application& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app) {
    setWindowTitle("Info");
    setCursor(Qt::BlankCursor);
    infoc = new QLabel(this);
    infoc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    infoc->setTextFormat(Qt::PlainText);
    infoc->setAutoFillBackground(true);

    Timer1.setInterval(15);
    timinit.setInterval(300);
    connect(&Timer1, &QTimer::timeout, this, &Info::onTimer1);
    connect(&timinit, &QTimer::timeout, this, &Info::onTiminit);
    connect(&indexer_, &InfoIndexer::answered, this, &Info::answered);
}

void Info::load() {
    emit opening();
    mode_ = infoModeOnLoad(mode_);
    ++ticket_; // an answer still on its way belongs to the last opening
    looking_ = false;

    // At the screen's top-left corner, as large as the browser.
    const Main* browser = app_.browser();
    const QScreen* screen =
        browser != nullptr ? browser->screen() : QGuiApplication::primaryScreen();
    const QPoint corner = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    const QSize size = browser != nullptr  ? browser->size()
                       : screen != nullptr ? screen->geometry().size()
                                           : QSize(640, 480);
    setGeometry(QRect(corner, size));

    const common::Scheme& scheme = app_.state().scheme;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, common::colourFromNumber(scheme.bgColour));
    palette.setColor(QPalette::WindowText, common::colourFromNumber(scheme.highColour));
    setPalette(palette);
    infoc->setPalette(palette);
    infoc->setFont(common::schemeFont(scheme));
    infoc->setGeometry(rect());
    infoc->clear();
    textTop_ = 0;
    // The file's index, when it has to be built, is under way while the screen is read.
    indexer_.prepare(infoFile());
    // The picture behind is taken before the window stands over it.
    if (!isVisible()) {
        TintBehind(this, tintColour(scheme.bgColour, scheme.fontColour));
    }

    Timer1.start();
    timinit.start();
    show();
    raise();
    activateWindow();
    setFocus();
}

void Info::onTimer1() {
    Timer1.stop();
    lookUp();
}

void Info::onTiminit() {
    timinit.stop();
}

void Info::lookUp() {
    const ProgramState& state = app_.state();
    const std::string key = infoGameKey(state.tables, state.curPath, state.list1.index());
    ++ticket_;
    if (auto text = indexer_.lookUp(infoFile(), key, ticket_)) {
        looking_ = false;
        showText(QString::fromStdString(*text));
        emit textShown(QString::fromStdString(mode_), *text != kNoEntry);
        return;
    }
    looking_ = true;
    showText(kLookingText);
}

std::filesystem::path Info::infoFile() const {
    return common::nativePath(infoFilePath(app_.state().config.mameDir, mode_));
}

void Info::answered(quint64 ticket, const QString& text) {
    if (ticket != ticket_ || !looking_) {
        return; // closed, switched or opened again since it was asked
    }
    looking_ = false;
    showText(text);
    emit textShown(QString::fromStdString(mode_), text.toStdString() != kNoEntry);
}

void Info::showText(const QString& text) {
    // Every line of an entry starts with CR LF; the label breaks lines at LF alone.
    QString shown = text;
    shown.replace("\r\n", "\n");
    infoc->setWordWrap(false);
    infoc->setText(shown);
    const int unwrapped = infoc->sizeHint().height();
    infoc->setWordWrap(true);
    // Long lines wrap at the window's width; the label is as tall as the wrapped text, so no
    // line is cut off and the scrolling reaches the last one.
    const int wrapped = infoc->heightForWidth(width());
    infoc->resize(width(), std::max(unwrapped, wrapped));
    placeText(0);
}

void Info::placeText(int top) {
    textTop_ = top;
    infoc->move(0, common::twipsToPixels(top));
}

void Info::keyDown(int keyCode, bool autoRepeat) {
    if (timinit.isActive()) {
        return;
    }
    const InfoCommand command = infoKeyCommand(keyCode, app_.state().keys);
    switch (command) {
    case InfoCommand::ScrollUp:
    case InfoCommand::ScrollDown:
        placeText(scrollInfo(command, textTop_,
                             static_cast<int>(common::pixelsToTwips(infoc->height())),
                             static_cast<int>(common::pixelsToTwips(height()))));
        break;
    case InfoCommand::SwitchFile:
        // A held key scrolls on; it does not flick between the files or close the window.
        if (!autoRepeat) {
            mode_ = switchInfoMode(mode_);
            lookUp();
        }
        break;
    case InfoCommand::Close:
        if (!autoRepeat) {
            closeInfo();
        }
        break;
    }
}

void Info::closeInfo() {
    Timer1.stop();
    timinit.stop();
    looking_ = false;
    if (Main* browser = app_.browser()) {
        browser->activateWindow();
        browser->setFocus();
    }
    hide();
}

void Info::activated() {
    app_.ownWindowActivated();
}

bool Info::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        activated();
    }
    return QWidget::event(event);
}

void Info::keyPressEvent(QKeyEvent* event) {
    keyDown(windowsKeyCode(event->key(), event->modifiers() & Qt::KeypadModifier),
            event->isAutoRepeat());
}

void Info::mousePressEvent(QMouseEvent*) {
    closeInfo();
}

} // namespace zembra
