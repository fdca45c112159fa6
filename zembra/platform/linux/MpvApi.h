// SPDX-License-Identifier: GPL-3.0-or-later
// libmpv's functions, found at run time so that only a window that plays something loads it.
#pragma once

#include <memory>
#include <mpv/client.h>
#include <string>

namespace zembra {

/// The few libmpv functions the media player calls. libmpv and everything it pulls in (the
/// codecs, the sound servers' clients, the GPU libraries) is loaded when the first player is
/// made, so `--rescan`, `--help` and `--version` never pay for it.
struct MpvApi {
    decltype(&::mpv_create) create = nullptr;
    decltype(&::mpv_initialize) initialize = nullptr;
    decltype(&::mpv_terminate_destroy) terminateDestroy = nullptr;
    decltype(&::mpv_set_option) setOption = nullptr;
    decltype(&::mpv_set_option_string) setOptionString = nullptr;
    decltype(&::mpv_set_property_async) setPropertyAsync = nullptr;
    decltype(&::mpv_command_async) commandAsync = nullptr;
    decltype(&::mpv_wait_event) waitEvent = nullptr;
    decltype(&::mpv_set_wakeup_callback) setWakeupCallback = nullptr;
    decltype(&::mpv_error_string) errorString = nullptr;

    /// Loads libmpv (`library` names the file, for tests). Empty, with `error` saying why, when
    /// it is missing or lacks a function.
    static std::shared_ptr<const MpvApi> load(std::string& error,
                                              const char* library = "libmpv.so.2");
};

} // namespace zembra
