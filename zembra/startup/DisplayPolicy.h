// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the front-end changes the display mode at start.
#pragma once

#include "common/text/Numbers.h"
#include "zembra/startup/EmulatorConfig.h"

#include <cmath>
#include <string>

namespace zembra {

/// The largest run width or height taken from quarn.ini. No screen a cabinet drives is larger,
/// and a picture of the whole screen that size already fills a gigabyte: a typo such as
/// 100000 must not ask for more.
inline constexpr float kMaxRunSize = 16384;

/// Bounds the run width and height to kMaxRunSize; a value that is not a number counts as 0
/// (the desktop's size). Returns what was changed, as a line for standard error, or nothing.
inline std::string boundRunSize(EmulatorConfig& config) {
    std::string note;
    auto bound = [&](float& value, const char* name) {
        if (std::isnan(value)) {
            value = 0;
        } else if (value > kMaxRunSize) {
            note += std::string(note.empty() ? "" : "; ") + "quarn.ini's run " + name + " " +
                    common::numberText(value) + " is larger than any screen, " +
                    common::numberText(kMaxRunSize) + " is used";
            value = kMaxRunSize;
        }
    };
    bound(config.runWidth, "width");
    bound(config.runHeight, "height");
    return note;
}

/// True when the configured run mode asks for a change: a run width above 0 that differs from
/// the desktop's, with a run height above 0. Otherwise the run size becomes the desktop's and
/// nothing is changed (or restored at exit). Only the widths are compared. The run size is
/// bounded first (see boundRunSize); `note` receives what that changed.
inline bool wantsModeChange(EmulatorConfig& config, float desktopWidth, float desktopHeight,
                            std::string* note = nullptr) {
    std::string bounded = boundRunSize(config);
    if (note != nullptr) {
        *note = std::move(bounded);
    }
    if (config.runWidth <= 0 || config.runWidth == desktopWidth || config.runHeight <= 0) {
        config.runWidth = desktopWidth;
        config.runHeight = desktopHeight;
        return false;
    }
    return true;
}

} // namespace zembra
