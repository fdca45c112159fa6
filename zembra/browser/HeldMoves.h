// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's six held moves: a timer each, the tap rule and the scroll rate.
#pragma once

#include "zembra/input/Action.h"

#include <QTimer>
#include <functional>
#include <optional>

namespace testing_support {
struct BrowserAccess;
}

namespace zembra {

/// A key held on Up, Down, a page or a path move repeats the move on the move's own timer
/// (timUp, timdown, timleft, timright, timPp, timNp) until every key is up.
class HeldMoves {
public:
    /// `move` makes one move of an action; the timers tick in `context`'s thread.
    HeldMoves(QObject& context, std::function<void(Action)> move);

    /// Whether the action is one of the six moves.
    static bool isMove(Action action);
    /// A key went down on the move: its timer starts; one that runs keeps its rhythm.
    void press(Action action);
    /// One move now, as a tick of its timer makes it.
    void tick(Action action);
    /// Every key is up: the timers stop. A key released before its timer's first tick (a quick
    /// tap, or an arcade encoder's short pulse) still makes its one move; a held key has already
    /// moved on every tick.
    void release();
    /// The scroll rate of quarn.ini in milliseconds: the steps and pages repeat at it, the paths
    /// at a third of it. A rate of 15 or less keeps the usual 75 ms; false then.
    bool setSRate(int rate);
    void stop();
    /// Lets `filter` see the timers' ticks (the frame trace times the moves from them).
    void installTimerFilter(QObject& filter);

private:
    friend struct testing_support::BrowserAccess;
    QTimer* timerFor(Action action);

    QTimer timUp;    ///< held Up
    QTimer timdown;  ///< held Down
    QTimer timleft;  ///< held Previous Page
    QTimer timright; ///< held Next Page
    QTimer timPp;    ///< held Previous Path
    QTimer timNp;    ///< held Next Path
    std::function<void(Action)> move_;
    /// The move the last key started, and whether its timer has ticked since.
    std::optional<Action> held_;
    bool ticked_ = false;
};

} // namespace zembra
