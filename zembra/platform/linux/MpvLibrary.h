// SPDX-License-Identifier: GPL-3.0-or-later
// libmpv for the whole program: loaded in the background, and new mpv instances started.
#pragma once

#include "zembra/platform/linux/MpvApi.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace zembra {

/// Starts an mpv with the player's options: a sound player's without `video`, a video
/// player's drawing into the X window `*video` (0: none). Null, said why, when mpv cannot start.
/// The caller has made numbers read the C way (LC_NUMERIC), which mpv insists on.
mpv_handle* startMpv(const MpvApi& api, const std::string& audioOutputs,
                     std::optional<std::int64_t> video);

/// libmpv and the audio outputs, found once for all the players of the program.
class MpvLibrary {
public:
    MpvLibrary() = default;
    MpvLibrary(const MpvLibrary&) = delete;
    MpvLibrary& operator=(const MpvLibrary&) = delete;
    ~MpvLibrary();

    /// Loads libmpv on a thread of its own, and starts an mpv for the first sound player, so
    /// that the windows do not wait the whole time that takes. Once only.
    void startLoading();
    /// Waits for the loading (or loads now); the first call says when libmpv is missing.
    void find();
    /// Whether find() would return at once: the loading has ended.
    bool ready() const { return loaded_; }
    /// The mpv started for a sound player, once; null after that.
    mpv_handle* takeSpare();

    const std::shared_ptr<const MpvApi>& api() const { return api_; }
    const std::string& audioOutputs() const { return audioOutputs_; }

private:
    void load();

    bool looked_ = false;
    std::shared_ptr<const MpvApi> api_;
    std::string error_;
    std::string audioOutputs_;
    std::atomic<bool> loaded_{false};
    std::thread loader_;
    mpv_handle* spare_ = nullptr;
};

} // namespace zembra
