// SPDX-License-Identifier: GPL-3.0-or-later
// The platform services the windows use, gathered so tests can hand in fakes.
#pragma once

#include "common/picture/PictureLoader.h"
#include "zembra/platform/DisplayMode.h"
#include "zembra/platform/Joystick.h"
#include "zembra/platform/MediaPlayer.h"

#include <memory>

namespace zembra {

struct Services {
    MediaPlayerFactory makePlayer;
    std::unique_ptr<DisplayMode> display;
    std::unique_ptr<Joystick> joystick;
    std::unique_ptr<common::PictureLoader> pictures;
};

/// The services of a Linux cabinet: libmpv, XRandR, SDL's joystick, the picture workers.
Services makeLinuxServices();

} // namespace zembra
