// SPDX-License-Identifier: GPL-3.0-or-later
#include "tessel/Throttle.h"

namespace tessel {

bool Throttle::offer(int bar, int value) {
    if (running_) {
        waiting_[bar] = value;
        return false;
    }
    running_ = true;
    return true;
}

std::map<int, int> Throttle::tick() {
    std::map<int, int> due;
    due.swap(waiting_);
    running_ = !due.empty();
    return due;
}

} // namespace tessel
