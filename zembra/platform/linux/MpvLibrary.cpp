// SPDX-License-Identifier: GPL-3.0-or-later
// Loading libmpv in the background, choosing the audio outputs, and starting mpv instances.
#include "zembra/platform/linux/MpvLibrary.h"

#include "zembra/platform/linux/AudioOutputs.h"

#include <QtGlobal>
#include <clocale>
#include <cstdlib>
#include <utility>

namespace zembra {

namespace {

// The GPU first (through EGL into the X window; named, so that mpv takes a software renderer
// too, as on a bare X server or Xvfb, and never tries to take the screen over by DRM), plain X
// drawing where EGL is missing, and nothing at all rather than a window of mpv's own.
constexpr const char* kVideoOutputs = "gpu,x11,null";
constexpr const char* kGpuContext = "x11egl";

} // namespace

/// Starts an mpv with the player's options: a sound player's without `video`, a video
/// player's drawing into the X window `*video` (0: none). Null, said why, when mpv cannot start.
/// The caller has made numbers read the C way (LC_NUMERIC), which mpv insists on.
mpv_handle* startMpv(const MpvApi& api, const std::string& audioOutputs,
                     std::optional<std::int64_t> video) {
    mpv_handle* mpv = api.create();
    if (mpv == nullptr) {
        qWarning("zembra: cannot start mpv; nothing will play");
        return nullptr;
    }
    const auto setOption = [&](const char* option, const char* value) {
        if (api.setOptionString(mpv, option, value) < 0) {
            qWarning("zembra: mpv does not take %s=%s", option, value);
        }
    };
    // Nothing of a user's own mpv set-up, and mpv never answers keys, clicks or the mouse
    // itself: the front-end does.
    setOption("config", "no");
    setOption("load-scripts", "no");
    setOption("ytdl", "no");
    setOption("terminal", "no");
    setOption("input-default-bindings", "no");
    setOption("input-vo-keyboard", "no");
    setOption("input-cursor", "no");
    setOption("cursor-autohide", "no");
    setOption("osc", "no");
    setOption("osd-level", "0");
    // Stays alive between files, and a file is gone from mpv when it ends.
    setOption("idle", "yes");
    setOption("keep-open", "no");
    setOption("pause", "yes");
    // Chosen once for the program from the servers the machine offers, so that no sound goes
    // looking for a server that is not there.
    setOption("ao", audioOutputs.c_str());
    setOption("audio-client-name", "zembra");
    // A cover picture in a music file is no video.
    setOption("audio-display", "no");
    if (!video) {
        // Sound players never open a window.
        setOption("vid", "no");
        setOption("vo", "null");
    } else if (*video != 0) {
        std::int64_t wid = *video;
        api.setOption(mpv, "wid", MPV_FORMAT_INT64, &wid);
        setOption("vo", kVideoOutputs);
        setOption("gpu-context", kGpuContext);
    } else {
        setOption("vo", "null");
    }
    if (api.initialize(mpv) < 0) {
        qWarning("zembra: mpv does not start; nothing will play");
        api.terminateDestroy(mpv);
        return nullptr;
    }
    return mpv;
}

MpvLibrary::~MpvLibrary() {
    if (loader_.joinable()) {
        loader_.join();
    }
    if (spare_ != nullptr) {
        api_->terminateDestroy(spare_);
    }
}

void MpvLibrary::load() {
    api_ = MpvApi::load(error_);
    audioOutputs_ = audioOutputList(findAudioServers(std::getenv("XDG_RUNTIME_DIR"),
                                                     std::getenv("PIPEWIRE_REMOTE"),
                                                     std::getenv("PULSE_SERVER")));
}

void MpvLibrary::startLoading() {
    if (looked_ || loader_.joinable()) {
        return;
    }
    // mpv refuses to start unless numbers are written the C way; Qt may have set the locale
    // from the environment. Set here, before the other thread could be reading it.
    std::setlocale(LC_NUMERIC, "C");
    loader_ = std::thread([this] {
        load();
        if (api_ != nullptr) {
            spare_ = startMpv(*api_, audioOutputs_, std::nullopt);
        }
        loaded_ = true;
    });
}

void MpvLibrary::find() {
    if (std::exchange(looked_, true)) {
        return;
    }
    if (loader_.joinable()) {
        loader_.join();
    } else {
        load();
        loaded_ = true;
    }
    if (api_ == nullptr) {
        // Said once: every player of the program stays silent.
        qWarning("zembra: no sound or video: %s", error_.c_str());
    }
}

mpv_handle* MpvLibrary::takeSpare() {
    return std::exchange(spare_, nullptr);
}

} // namespace zembra
