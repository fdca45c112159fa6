// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting on a condition with a deadline, never on a fixed time.
#pragma once

#include <chrono>
#include <thread>

namespace testing_support {

/// Polls `done` until it holds or `limit` has passed, calling `between` (processing events,
/// say) after each miss; whether it came to hold. The generous limit only stops a broken build
/// from hanging: the test goes on as soon as the condition holds.
template <typename Condition, typename Between>
bool pollUntil(Condition done, Between between,
               std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        between();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

template <typename Condition>
bool waitUntil(Condition done, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    return pollUntil(
        done, [] {}, limit);
}

} // namespace testing_support
