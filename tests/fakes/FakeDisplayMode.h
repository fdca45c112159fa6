// SPDX-License-Identifier: GPL-3.0-or-later
// A display that records resolution changes instead of making them, for the window tests.
#pragma once

#include "zembra/platform/DisplayMode.h"

#include <array>
#include <cmath>
#include <vector>

namespace testing_fakes {

class FakeDisplayMode : public zembra::DisplayMode {
public:
    FakeDisplayMode() = default;
    FakeDisplayMode(int w, int h) : width(w), height(h) {}

    int desktopWidth() override { return width; }
    int desktopHeight() override { return height; }

    /// Records {width, height, depth, refresh} and, as a real change would, takes on the size
    /// asked for (rounded as the real display rounds it); a size that is not
    /// a screen size (0, negative, not a number) leaves it as is.
    void ChangeRes(float w, float h, float depth, float refresh) override {
        changes.push_back({w, h, depth, refresh});
        const float newWidth = std::nearbyint(w);
        const float newHeight = std::nearbyint(h);
        if (newWidth >= 1.0f && newWidth <= 65535.0f && newHeight >= 1.0f &&
            newHeight <= 65535.0f) {
            width = static_cast<int>(newWidth);
            height = static_cast<int>(newHeight);
        }
    }

    int width = 1920;
    int height = 1080;
    std::vector<std::array<float, 4>> changes;
};

} // namespace testing_fakes
