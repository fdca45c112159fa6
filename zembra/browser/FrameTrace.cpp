// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's frame times: the first complete frame and each held key's move.
#include "zembra/browser/FrameTrace.h"

#include "zembra/browser/Main.h"

#include <QEvent>
#include <chrono>

namespace zembra {

namespace {

long long now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

FrameTrace::FrameTrace(Main& browser, const std::string& file)
    : QObject(&browser), browser_(browser), out_(std::fopen(file.c_str(), "w")) {
    if (out_ == nullptr) {
        std::perror(("zembra: cannot write the trace " + file).c_str());
        return;
    }
    browser.installEventFilter(this);
    browser.Timer1.installEventFilter(this);
    browser.moves().installTimerFilter(*this);
}

FrameTrace::~FrameTrace() {
    if (out_ != nullptr) {
        std::fclose(out_);
    }
}

bool FrameTrace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Timer && watched != &browser_) {
        if (watched == &browser_.Timer1) {
            // The start-up sequence runs inside this tick; the frame after it is complete.
            watched->event(event);
            startedUp_ = true;
            return true;
        }
        ticks_.push_back(now());
    } else if (event->type() == QEvent::UpdateRequest && watched == &browser_) {
        // The window paints and hands its picture to the display inside this event.
        watched->event(event);
        const long long frame = now();
        if (startedUp_ && !firstFrameWritten_ && browser_.isVisible()) {
            firstFrameWritten_ = true;
            std::fprintf(out_, "first-frame %lld\n", frame);
        }
        for (const long long tick : ticks_) {
            std::fprintf(out_, "move %lld %lld\n", tick, frame);
        }
        ticks_.clear();
        std::fflush(out_);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zembra
