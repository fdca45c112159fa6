// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/platform/linux/DeferredMediaPlayer.h"

namespace zembra {

namespace {
constexpr int kLookEveryMs = 5;
}

DeferredMediaPlayer::DeferredMediaPlayer(Ready ready, Make make, Openable openable)
    : ready_(std::move(ready)), make_(std::move(make)), openable_(std::move(openable)) {
    waiting_.setInterval(kLookEveryMs);
    connect(&waiting_, &QTimer::timeout, this, [this] { real(); });
    // Taken over as soon as the library is there, so that a video player watches its window's
    // keys and clicks from then on, not only from its first call.
    waiting_.start();
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
    connect(real_.get(), &MediaPlayer::playStateChanged, this, &MediaPlayer::playStateChanged);
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
}

QString DeferredMediaPlayer::fileName() const {
    return real_ != nullptr ? real_->fileName() : name_;
}

void DeferredMediaPlayer::play() {
    if (MediaPlayer* player = real()) {
        player->play();
        return;
    }
    playing_ = !name_.isEmpty();
}

void DeferredMediaPlayer::pause() {
    if (MediaPlayer* player = real()) {
        player->pause();
        return;
    }
    // Nothing has started: a pause keeps it from starting, and a later play starts it.
    playing_ = false;
}

void DeferredMediaPlayer::stop() {
    if (MediaPlayer* player = real()) {
        player->stop();
        return;
    }
    playing_ = false;
}

int DeferredMediaPlayer::playState() const {
    return real_ != nullptr ? real_->playState() : Stopped;
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
