// SPDX-License-Identifier: GPL-3.0-or-later
// A media player for the window tests: it records its calls and plays until told to finish.
#pragma once

#include "zembra/platform/MediaPlayer.h"

#include <QFile>
#include <QMetaObject>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace testing_fakes {

/// Keeps the element's promises: a file opens when it is a regular file on disk, state changes
/// are told from the event loop, and every play() is followed by a stop in the end (here when
/// finish() is called, or at once with `endsByItself`).
class FakeMediaPlayer : public zembra::MediaPlayer {
public:
    explicit FakeMediaPlayer(QWidget* /*videoParent*/ = nullptr) {}

    /// Every call, as "setFileName /x/pop.mp3", "play", "pause", "stop", "setVolume -20".
    std::vector<std::string> calls;
    /// Each play() ends by itself (from the event loop), like a short sound.
    bool endsByItself = false;

    void setFileName(const QString& file) override {
        calls.push_back("setFileName " + file.toStdString());
        setState(Stopped);
        std::error_code error;
        const bool openable = !file.isEmpty() && std::filesystem::is_regular_file(
                                                     QFile::encodeName(file).toStdString(), error);
        name_ = openable ? file : QString();
    }
    QString fileName() const override { return name_; }

    void play() override {
        calls.push_back("play");
        if (name_.isEmpty() || state_ == Playing) {
            return;
        }
        setState(Playing);
        if (failNext_ || endsByItself) {
            // Any change of state before it comes cancels this end (see setState).
            const int run = ++run_;
            later([this, run, fail = std::exchange(failNext_, false)] {
                if (run == run_) {
                    if (fail) {
                        name_.clear();
                    }
                    setState(Stopped);
                }
            });
        }
    }
    void pause() override {
        calls.push_back("pause");
        if (state_ == Playing) {
            setState(Paused);
        }
    }
    void stop() override {
        calls.push_back("stop");
        setState(Stopped);
    }
    int playState() const override { return state_; }

    int volume() const override { return volume_; }
    void setVolume(int volume) override {
        calls.push_back("setVolume " + std::to_string(volume));
        volume_ = volume;
    }

    /// The file plays to its end now.
    void finish() { setState(Stopped); }
    /// The next play() finds the file broken: it stops from the event loop and the name reads
    /// back empty.
    void failNextPlay() { failNext_ = true; }

    /// Makes fake players, adding each to `made` when given (the caller's test owns the list;
    /// the players belong to whoever asked for them).
    static zembra::MediaPlayerFactory factory(std::vector<FakeMediaPlayer*>* made = nullptr) {
        return [made](QWidget* videoParent) -> std::unique_ptr<zembra::MediaPlayer> {
            auto player = std::make_unique<FakeMediaPlayer>(videoParent);
            if (made != nullptr) {
                made->push_back(player.get());
            }
            return player;
        };
    }

private:
    template <typename Function>
    void later(Function function) {
        QMetaObject::invokeMethod(this, function, Qt::QueuedConnection);
    }

    void setState(int now) {
        if (now == state_) {
            return;
        }
        const int old = state_;
        state_ = now;
        // A new state ends whatever end was still coming for the play before.
        ++run_;
        later([this, old, now] { emit playStateChanged(old, now); });
    }

    QString name_;
    int state_ = Stopped;
    int volume_ = 0;
    bool failNext_ = false;
    int run_ = 0;
};

} // namespace testing_fakes
