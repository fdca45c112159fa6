// SPDX-License-Identifier: GPL-3.0-or-later
// Which sound outputs the machine offers, looked at once when the first player is made.
#pragma once

#include <string>

namespace zembra {

/// The sound servers and cards found on the machine.
struct AudioServers {
    bool pipewire = false;
    bool pulse = false;
    bool alsa = false;
};

/// mpv's list of audio outputs: the ones found, in the order pipewire, pulse, alsa, and always
/// null last, so that a machine without sound still plays every file to its end.
std::string audioOutputList(const AudioServers& servers);

/// Looks for the servers without starting any: a server's socket in `runtimeFolder` (the
/// session's XDG_RUNTIME_DIR, may be null) or its address in `pipewireRemote` / `pulseServer`
/// (PIPEWIRE_REMOTE, PULSE_SERVER, may be null), and a sound card listed in `cardsFile`.
AudioServers findAudioServers(const char* runtimeFolder, const char* pipewireRemote,
                              const char* pulseServer,
                              const std::string& cardsFile = "/proc/asound/cards");

} // namespace zembra
