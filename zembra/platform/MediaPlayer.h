// SPDX-License-Identifier: GPL-3.0-or-later
// The media player element: sound effects, music and the intro video, by file name.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace zembra {

/// Plays one file at a time. Play states are those the program has always known:
/// 0 stopped, 1 paused, 2 playing.
class MediaPlayer : public QObject {
    Q_OBJECT

public:
    enum PlayState { Stopped = 0, Paused = 1, Playing = 2 };

    using QObject::QObject;
    ~MediaPlayer() override = default;

    /// Opens `file` (a native path) for playing, stopping what played before. When the file
    /// cannot be opened the name reads back empty at once and the state stays Stopped.
    virtual void setFileName(const QString& file) = 0;
    virtual QString fileName() const = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual int playState() const = 0;

    /// The program's volume scale: 0 is full volume, each step of -20 a little quieter,
    /// -3020 the quietest the program uses.
    virtual int volume() const = 0;
    virtual void setVolume(int volume) = 0;

signals:
    /// Every change of the play state, with the old and the new one. It is delivered from the
    /// event loop, never from inside play() or stop().
    void playStateChanged(int oldState, int newState);
    /// A key was pressed, or the element was clicked, while it showed video.
    void keyPressed();
    void mouseClicked();
};

/// Makes a player. A player that shows video draws into `videoParent` (filling it); sound
/// players pass nullptr.
using MediaPlayerFactory = std::function<std::unique_ptr<MediaPlayer>(QWidget* videoParent)>;

} // namespace zembra
