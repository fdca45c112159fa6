// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the front-end changes the display mode at start.
#pragma once

#include "zembra/startup/EmulatorConfig.h"

namespace zembra {

/// True when the configured run mode asks for a change: a run width above 0 that differs from
/// the desktop's, with a run height above 0. Otherwise the run size becomes the desktop's and
/// nothing is changed (or restored at exit). Only the widths are compared.
inline bool wantsModeChange(EmulatorConfig& config, float desktopWidth, float desktopHeight) {
    if (config.runWidth <= 0 || config.runWidth == desktopWidth || config.runHeight <= 0) {
        config.runWidth = desktopWidth;
        config.runHeight = desktopHeight;
        return false;
    }
    return true;
}

} // namespace zembra
