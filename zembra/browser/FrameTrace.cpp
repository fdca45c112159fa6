// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's frame times: the first complete frame and each held key's move.
#include "zembra/browser/FrameTrace.h"

#include "zembra/browser/Main.h"

#include <QEvent>

namespace zembra {

FrameTrace::FrameTrace(Main& browser, const std::string& file)
    : QObject(&browser), browser_(browser), out_(file, false) {
    if (!out_.isOpen()) {
        return;
    }
    browser.installEventFilter(this);
    browser.Timer1.installEventFilter(this);
    browser.moves().installTimerFilter(*this);
}

bool FrameTrace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Timer && watched != &browser_) {
        if (watched == &browser_.Timer1) {
            // The start-up sequence runs inside this tick; the frame after it is complete.
            watched->event(event);
            startedUp_ = true;
            return true;
        }
        ticks_.push_back(TraceFile::now());
    } else if (event->type() == QEvent::UpdateRequest && watched == &browser_) {
        // The window paints and hands its picture to the display inside this event.
        watched->event(event);
        const long long frame = TraceFile::now();
        if (startedUp_ && !firstFrameWritten_ && browser_.isVisible()) {
            firstFrameWritten_ = true;
            out_.writeLine("first-frame " + std::to_string(frame));
        }
        for (const long long tick : ticks_) {
            out_.writeLine("move " + std::to_string(tick) + " " + std::to_string(frame));
        }
        ticks_.clear();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zembra
