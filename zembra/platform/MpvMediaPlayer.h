// SPDX-License-Identifier: GPL-3.0-or-later
// The media player element on libmpv.
#pragma once

#include "zembra/platform/MediaPlayer.h"

struct mpv_handle;

namespace zembra {

/// Audio goes to PipeWire, PulseAudio or ALSA, whichever answers, and to a null output on a
/// machine without sound, so everything runs there too. Video, when a parent widget is given,
/// is drawn into it.
class MpvMediaPlayer final : public MediaPlayer {
    Q_OBJECT

public:
    explicit MpvMediaPlayer(QWidget* videoParent = nullptr);
    ~MpvMediaPlayer() override;

    void setFileName(const QString& file) override;
    QString fileName() const override;
    void play() override;
    void pause() override;
    void stop() override;
    int playState() const override;
    int volume() const override;
    void setVolume(int volume) override;

    /// The factory the program uses.
    static MediaPlayerFactory factory();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zembra
