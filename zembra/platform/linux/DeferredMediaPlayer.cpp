// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/platform/linux/DeferredMediaPlayer.h"

#include <QMetaObject>
#include <utility>

namespace zembra {

namespace {
constexpr int kLookEveryMs = 5;
}

DeferredMediaPlayer::DeferredMediaPlayer(Ready ready, Make make, Openable openable,
                                         std::function<void()> needed)
    : ready_(std::move(ready)), make_(std::move(make)), openable_(std::move(openable)),
      needed_(std::move(needed)) {
    waiting_.setInterval(kLookEveryMs);
    connect(&waiting_, &QTimer::timeout, this, [this] { real(); });
}

DeferredMediaPlayer::~DeferredMediaPlayer() = default;

MediaPlayer* DeferredMediaPlayer::real() {
    if (real_ == nullptr && ready_()) {
        takeOver();
    }
    return real_.get();
}

void DeferredMediaPlayer::takeOver() {
    waiting_.stop();
    real_ = make_();
    // The stand-in has told its own changes already: only a state it has not told is passed on.
    connect(real_.get(), &MediaPlayer::playStateChanged, this, [this](int, int now) {
        if (now != told_) {
            emit playStateChanged(std::exchange(told_, now), now);
        }
    });
    connect(real_.get(), &MediaPlayer::keyPressed, this, &MediaPlayer::keyPressed);
    connect(real_.get(), &MediaPlayer::mouseClicked, this, &MediaPlayer::mouseClicked);
    if (volumeSet_) {
        real_->setVolume(volume_);
    }
    if (!name_.isEmpty()) {
        real_->setFileName(name_);
        if (playing_) {
            real_->play();
        }
    }
}

void DeferredMediaPlayer::setFileName(const QString& file) {
    if (MediaPlayer* player = real()) {
        player->setFileName(file);
        return;
    }
    name_ = openable_(file) ? file : QString();
    playing_ = false;
    tell(Stopped);
}

QString DeferredMediaPlayer::fileName() const {
    return real_ != nullptr ? real_->fileName() : name_;
}

void DeferredMediaPlayer::play() {
    if (MediaPlayer* player = real()) {
        player->play();
        return;
    }
    if (name_.isEmpty()) {
        return;
    }
    playing_ = true;
    tell(Playing);
    if (!waiting_.isActive()) {
        QTimer::singleShot(0, this, [this] { needed_(); });
        waiting_.start();
    }
}

void DeferredMediaPlayer::pause() {
    if (MediaPlayer* player = real()) {
        player->pause();
        return;
    }
    // Nothing has started: a pause keeps it from starting, and a later play starts it.
    playing_ = false;
    tell(Stopped);
}

void DeferredMediaPlayer::stop() {
    if (MediaPlayer* player = real()) {
        player->stop();
        return;
    }
    playing_ = false;
    tell(Stopped);
}

void DeferredMediaPlayer::tell(int state) {
    if (state == told_) {
        return;
    }
    const int old = std::exchange(told_, state);
    // From the event loop, never from inside the call, as every player does.
    QMetaObject::invokeMethod(
        this, [this, old, state] { emit playStateChanged(old, state); }, Qt::QueuedConnection);
}

int DeferredMediaPlayer::playState() const {
    return real_ != nullptr ? real_->playState() : told_;
}

int DeferredMediaPlayer::volume() const {
    return real_ != nullptr ? real_->volume() : volume_;
}

void DeferredMediaPlayer::setVolume(int volume) {
    if (MediaPlayer* player = real()) {
        player->setVolume(volume);
        return;
    }
    volume_ = volume;
    volumeSet_ = true;
}

} // namespace zembra
