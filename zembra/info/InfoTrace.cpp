// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/info/InfoTrace.h"

#include "zembra/info/Info.h"

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

InfoTrace::InfoTrace(Info& window, const std::string& file)
    : QObject(&window), window_(window), out_(std::fopen(file.c_str(), "a")) {
    if (out_ == nullptr) {
        std::perror(("zembra: cannot write the trace " + file).c_str());
        return;
    }
    window.installEventFilter(this);
    connect(&window, &Info::opening, this, [this] { opened_ = now(); });
    connect(&window, &Info::textShown, this, [this](const QString& mode, bool found) {
        shown_ = mode + (found ? " found" : " none");
    });
}

InfoTrace::~InfoTrace() {
    if (out_ != nullptr) {
        std::fclose(out_);
    }
}

bool InfoTrace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == &window_) {
        opened_ = now(); // a page key starts the other file's look-up
    } else if (event->type() == QEvent::UpdateRequest && watched == &window_ && !shown_.isEmpty()) {
        // The window paints and hands its picture to the display inside this event.
        watched->event(event);
        std::fprintf(out_, "info-text %lld %lld %s\n", opened_, now(), qPrintable(shown_));
        std::fflush(out_);
        shown_.clear();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zembra
