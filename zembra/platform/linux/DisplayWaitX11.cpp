// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/platform/DisplayWait.h"

#include <X11/Xlib.h>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace zembra {

DisplayWait::DisplayWait(std::chrono::milliseconds limit) {
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (display == nullptr || *display == '\0' ||
        (platform != nullptr && *platform != '\0' && std::strncmp(platform, "xcb", 3) != 0)) {
        return;
    }
    constexpr auto kPause = std::chrono::milliseconds(50);
    const auto end = std::chrono::steady_clock::now() + limit;
    while ((display_ = XOpenDisplay(nullptr)) == nullptr &&
           std::chrono::steady_clock::now() + kPause < end) {
        std::this_thread::sleep_for(kPause);
    }
}

DisplayWait::~DisplayWait() {
    if (display_ != nullptr) {
        XCloseDisplay(static_cast<Display*>(display_));
    }
}

} // namespace zembra
