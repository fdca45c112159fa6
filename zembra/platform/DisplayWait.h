// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting for the X display before the windows open.
#pragma once

#include <chrono>

namespace zembra {

/// Waits at most `limit` until the X display named by DISPLAY accepts a client: a cabinet's
/// session may start Zembra before its X server is ready, and a server busy with another client
/// refuses one now and then for a moment. The connection stays open while this object lives, so
/// the windows' own connection is not made just as this one leaves. Without DISPLAY, or with
/// another window system chosen (QT_QPA_PLATFORM), nothing is waited for.
class DisplayWait {
public:
    explicit DisplayWait(std::chrono::milliseconds limit);
    ~DisplayWait();
    DisplayWait(const DisplayWait&) = delete;
    DisplayWait& operator=(const DisplayWait&) = delete;

    /// Whether the display answered (false also when there was nothing to wait for).
    bool ready() const { return display_ != nullptr; }

private:
    void* display_ = nullptr;
};

} // namespace zembra
