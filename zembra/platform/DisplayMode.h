// SPDX-License-Identifier: GPL-3.0-or-later
// The screen's size and display mode.
#pragma once

#include <memory>

namespace zembra {

class DisplayMode {
public:
    virtual ~DisplayMode() = default;

    /// The primary screen's width and height in pixels.
    virtual int desktopWidth() = 0;
    virtual int desktopHeight() = 0;

    /// Switches the primary output to the mode closest to the size and refresh rate asked for
    /// (`depth` is taken for what it is worth; X keeps its depth). A failure is not reported:
    /// the front-end then runs at the current resolution.
    virtual void ChangeRes(float width, float height, float depth, float refresh) = 0;
};

/// XRandR on the primary output when an X display is there; otherwise a display that reports
/// the Qt screen's size and changes nothing.
std::unique_ptr<DisplayMode> makeDisplayMode();

} // namespace zembra
