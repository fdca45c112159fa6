// SPDX-License-Identifier: GPL-3.0-or-later
// The platform services the windows use, gathered so tests can hand in fakes.
#pragma once

#include "common/picture/PictureLoader.h"
#include "zembra/platform/DisplayMode.h"
#include "zembra/platform/Joystick.h"
#include "zembra/platform/KeyInjector.h"
#include "zembra/platform/Launcher.h"
#include "zembra/platform/MediaPlayer.h"
#include "zembra/platform/Power.h"

#include <memory>
#include <string>

namespace zembra {

struct Services {
    MediaPlayerFactory makePlayer;
    std::unique_ptr<DisplayMode> display;
    std::unique_ptr<Joystick> joystick;
    std::unique_ptr<common::PictureLoader> pictures;
    std::unique_ptr<Launcher> launcher;
    std::unique_ptr<KeyInjector> keys;
    std::unique_ptr<Power> power;
};

/// The services of a Linux cabinet: libmpv, XRandR, SDL's joystick, the picture workers,
/// posix_spawn, XTest and systemd-logind. `opener` opens the files that are started with the
/// desktop's handler for them.
Services makeLinuxServices(std::string opener = "xdg-open");

} // namespace zembra
