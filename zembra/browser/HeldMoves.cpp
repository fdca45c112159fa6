// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/browser/HeldMoves.h"

#include "zembra/widgets/WindowTimer.h"

#include <utility>

namespace zembra {

namespace {

constexpr Action kMoves[] = {Action::Up,       Action::Down,     Action::PrevPage,
                             Action::NextPage, Action::PrevPath, Action::NextPath};

} // namespace

HeldMoves::HeldMoves(QObject& context, std::function<void(Action)> move) : move_(std::move(move)) {
    for (const Action action : kMoves) {
        QTimer& timer = *timerFor(action);
        setupTimer(timer, 75);
        QObject::connect(&timer, &QTimer::timeout, &context, [this, action] { tick(action); });
    }
}

bool HeldMoves::isMove(Action action) {
    for (const Action move : kMoves) {
        if (move == action) {
            return true;
        }
    }
    return false;
}

QTimer* HeldMoves::timerFor(Action action) {
    switch (action) {
    case Action::Up:
        return &timUp;
    case Action::Down:
        return &timdown;
    case Action::PrevPage:
        return &timleft;
    case Action::NextPage:
        return &timright;
    case Action::PrevPath:
        return &timPp;
    case Action::NextPath:
        return &timNp;
    default:
        return nullptr;
    }
}

void HeldMoves::press(Action action) {
    QTimer* timer = timerFor(action);
    if (timer == nullptr || timer->isActive()) {
        return;
    }
    held_ = action;
    ticked_ = false;
    timer->start();
}

void HeldMoves::tick(Action action) {
    if (timerFor(action) != nullptr) {
        ticked_ = true;
        move_(action);
    }
}

void HeldMoves::release() {
    const std::optional<Action> tapped =
        held_ && timerFor(*held_)->isActive() && !ticked_ ? held_ : std::nullopt;
    held_.reset();
    stop();
    if (tapped) {
        tick(*tapped);
    }
}

bool HeldMoves::setSRate(int rate) {
    if (rate <= 15) {
        return false;
    }
    for (QTimer* t : {&timUp, &timdown, &timleft, &timright}) {
        t->setInterval(rate);
    }
    for (QTimer* t : {&timNp, &timPp}) {
        t->setInterval(3 * rate);
    }
    stop();
    return true;
}

void HeldMoves::stop() {
    for (QTimer* t : {&timUp, &timdown, &timleft, &timright, &timPp, &timNp}) {
        t->stop();
    }
}

void HeldMoves::installTimerFilter(QObject& filter) {
    for (QTimer* t : {&timUp, &timdown, &timleft, &timright, &timPp, &timNp}) {
        t->installEventFilter(&filter);
    }
}

} // namespace zembra
