// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/platform/Services.h"

#include "zembra/platform/linux/MpvMediaPlayer.h"

namespace zembra {

Services makeLinuxServices(std::string opener) {
    Services services;
    services.display = makeDisplayMode();
    services.joystick = makeJoystick();
    services.pictures = std::make_unique<common::PictureLoader>();
    services.launcher = makeLauncher("wine", std::move(opener));
    services.keys = makeKeyInjector();
    services.power = makePower();
    services.makePlayer = MpvMediaPlayer::factory();
    return services;
}

} // namespace zembra
