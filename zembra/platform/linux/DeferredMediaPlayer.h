// SPDX-License-Identifier: GPL-3.0-or-later
// A media player that is there at once while the real one waits for its library to load.
#pragma once

#include "zembra/platform/MediaPlayer.h"

#include <QTimer>
#include <functional>
#include <memory>

namespace zembra {

/// Stands in for a player whose library is loaded on another thread, so a window that makes a
/// player at start does not wait for it. What it is told meanwhile is kept: the file (which
/// reads back at once, empty when it cannot be opened), the volume and whether it should play.
/// The first play() asks for the library (`needed`, from the event loop, so the loading starts
/// after the work in hand); as soon as `ready` says it is there, the real player is made (on
/// the window thread), told the same, and takes over, its signals passed on. Meanwhile it
/// reads as playing from play() on, and tells its changes as a player does (so a play stopped
/// before the library came is still followed by a stop report); a pause before the start
/// counts as a stop.
class DeferredMediaPlayer final : public MediaPlayer {
    Q_OBJECT

public:
    using Ready = std::function<bool()>;
    using Make = std::function<std::unique_ptr<MediaPlayer>()>;
    using Openable = std::function<bool(const QString&)>;

    DeferredMediaPlayer(Ready ready, Make make, Openable openable, std::function<void()> needed);
    ~DeferredMediaPlayer() override;

    void setFileName(const QString& file) override;
    QString fileName() const override;
    void play() override;
    void pause() override;
    void stop() override;
    int playState() const override;
    int volume() const override;
    void setVolume(int volume) override;

    /// Whether the real player has taken over (for tests).
    bool handedOver() const { return real_ != nullptr; }

private:
    /// The real player, made now if the library is ready; null while it is not.
    MediaPlayer* real();
    void takeOver();
    /// Tells a change of the state, from the event loop.
    void tell(int state);

    Ready ready_;
    Make make_;
    Openable openable_;
    std::function<void()> needed_;
    std::unique_ptr<MediaPlayer> real_;
    QTimer waiting_; ///< from the first play(), looks for the library until it is there
    QString name_;
    int volume_ = 0;
    bool volumeSet_ = false;
    bool playing_ = false;
    int told_ = Stopped; ///< the state last told through playStateChanged
};

} // namespace zembra
