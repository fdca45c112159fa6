// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/info/InfoTrace.h"

#include "zembra/info/Info.h"

#include <QEvent>

namespace zembra {
InfoTrace::InfoTrace(Info& window, const std::string& file)
    : QObject(&window), window_(window), out_(file, true) {
    if (!out_.isOpen()) {
        return;
    }
    window.installEventFilter(this);
    connect(&window, &Info::opening, this, [this] { opened_ = TraceFile::now(); });
    connect(&window, &Info::textShown, this, [this](const QString& mode, bool found) {
        shown_ = mode + (found ? " found" : " none");
    });
}

bool InfoTrace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == &window_) {
        opened_ = TraceFile::now(); // a page key starts the other file's look-up
    } else if (event->type() == QEvent::UpdateRequest && watched == &window_ && !shown_.isEmpty()) {
        // The window paints and hands its picture to the display inside this event.
        watched->event(event);
        out_.writeLine("info-text " + std::to_string(opened_) + " " +
                       std::to_string(TraceFile::now()) + " " + shown_.toStdString());
        shown_.clear();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zembra
