// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll bars' throttle: at most one value per tick reaches the element while dragging.
#pragma once

#include <map>

namespace tessel {

/// Dragging a bar sends a stream of values; each one rebuilds part of the mock-up, so the
/// editors pass at most one per tick of their timer. A value that arrives while the timer runs
/// is kept (the newest per bar) and applied at the tick, so the element always ends where the
/// bar ends.
class Throttle {
public:
    /// Offers `value` of bar `bar`. True when it is to be applied now (the timer was idle and
    /// must be started); false when it waits for the tick.
    bool offer(int bar, int value);

    /// The timer's tick: the values waiting, bar by bar, to apply now. When there are any the
    /// timer runs on for one more tick; otherwise it stops.
    std::map<int, int> tick();

    bool running() const { return running_; }

private:
    bool running_ = false;
    std::map<int, int> waiting_;
};

} // namespace tessel
