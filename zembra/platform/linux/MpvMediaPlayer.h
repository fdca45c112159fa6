// SPDX-License-Identifier: GPL-3.0-or-later
// The media player element on libmpv.
#pragma once

#include "zembra/platform/MediaPlayer.h"

#include <memory>
#include <string>

struct mpv_handle;

namespace zembra {

struct MpvApi;

/// Audio goes to PipeWire, PulseAudio or ALSA, whichever the machine offers, and to a null
/// output on a machine without sound, so everything runs there too. Video, when a parent widget
/// is given, is drawn into it. Every call only queues its work for mpv's own thread, so the
/// window never waits for a sound; the changes of the play state come back through the event
/// loop. Without libmpv every play() ends at once, as a file that does not play.
class MpvMediaPlayer final : public MediaPlayer {
    Q_OBJECT

public:
    /// Loads libmpv for itself; the program's players share one through factory().
    explicit MpvMediaPlayer(QWidget* videoParent = nullptr);
    /// Plays through `api` (none: nothing plays) to the outputs in `audioOutputs` (mpv's list).
    /// A sound player may be handed an mpv `started` with a sound player's options already,
    /// which it takes over.
    MpvMediaPlayer(QWidget* videoParent, std::shared_ptr<const MpvApi> api,
                   const std::string& audioOutputs, mpv_handle* started = nullptr);
    ~MpvMediaPlayer() override;

    void setFileName(const QString& file) override;
    QString fileName() const override;
    void play() override;
    void pause() override;
    void stop() override;
    int playState() const override;
    int volume() const override;
    void setVolume(int volume) override;

    /// The factory the program uses. It starts loading libmpv on a thread of its own at once;
    /// its players stand in (DeferredMediaPlayer) until the loading has ended, the first says
    /// once when libmpv is missing, and every player shares the library and the audio outputs
    /// chosen then.
    static MediaPlayerFactory factory();

    /// Whether `file` is worth handing to mpv: an existing regular file this process may read.
    static bool openable(const QString& file);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zembra
