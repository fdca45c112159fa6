// SPDX-License-Identifier: GPL-3.0-or-later
// The attract window: the screensaver with rotating artwork and music, and the picture viewer.
#pragma once

#include "common/picture/PictureElement.h"
#include "zembra/attract/MusicKeys.h"
#include "zembra/attract/OffThread.h"
#include "zembra/attract/Playlist.h"
#include "zembra/attract/RandomSource.h"
#include "zembra/attract/SongTag.h"
#include "zembra/platform/MediaPlayer.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

namespace testing_support {
struct ScreenSavAccess;
}

namespace zembra {

class Application;
class FileProbe;
struct ProgramState;

/// Takes the browser's place on the screen. Opened by the idle countdown or the ScreenSaver
/// action it is the screensaver (`ssMode` true): artwork changes every moment and the playlist
/// plays. Opened by the picture view it shows `viewPic` alone. The six music keys go to the
/// jukebox; any other key, a click or another joystick action closes it and brings the browser
/// back. The window is made once and shown and hidden; every opening starts afresh. The playlist,
/// the artwork folders and the song tags are read off the window thread.
class ScreenSav : public QWidget {
    Q_OBJECT

public:
    explicit ScreenSav(Application& app, QWidget* parent = nullptr);
    ~ScreenSav() override;

    /// The window's load: screensaver or viewer as `ssMode` says, over the browser's place.
    void open();
    /// Starts the artwork rotation.
    void scrMode();
    /// Back to the browser: the countdown restarts, the music pauses.
    void closeSaver();
    bool screensaver() const { return screensaver_; }

    void keyDown(int keyCode, bool shift);
    void keyUp();
    void onTimjoy();
    void shootinput(int index);
    void onTimSong();
    void onTimrotate();
    void activated();
    void deactivated();
    void playStateChanged(int oldState, int newState);

    /// Shows `text` on label 0 in the middle of the window instead of the picture, for a while.
    void showMessage(const QString& text);

    const Playlist& playlist() const { return playlist_; }
    /// The program path of the picture the rotation showed last.
    const std::string& prevPic() const { return prevPic_; }
    int artKind() const { return artKind_; }
    /// The disk work of this opening: waits for it and applies what it found (tests).
    void finishReading() { work_.finishAll(); }
    /// Gives the random numbers of songs and artwork (tests).
    void setRandom(std::unique_ptr<RandomSource> random) { random_ = std::move(random); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    friend struct testing_support::ScreenSavAccess;
    enum class TitleLayout { Keyboard, Joystick };

    void layOut();
    void music(MusicKey key, bool shift, TitleLayout layout);
    void readPlaylist();
    void playlistRead(int opening, Playlist playlist);
    void listArtwork();
    void startSong(int song);
    void showTitle(int song, TitleLayout layout);
    void titleRead(const std::string& song, const std::optional<SongTag>& tag, TitleLayout layout);
    void showLabels(int count);
    MusicState musicState() const;
    void takeKeyboard(QWidget& window);

    QTimer timjoy;    ///< 50 ms: joystick poll
    QTimer timSong;   ///< 2 s, on a message: hides it and shows the picture again
    QTimer timrotate; ///< the artwork rotation, screensaver only
    common::PictureElement* xPreview;
    std::array<QLabel*, 3> lblsong{}; ///< messages and the song's title, artist and album
    std::unique_ptr<MediaPlayer> mpSaver;
    Application& app_;
    ProgramState& state_;
    std::unique_ptr<RandomSource> random_;
    Playlist playlist_;
    std::shared_ptr<FileProbe> artwork_; ///< the art folders' listing, once read
    std::string prevPic_;
    int artKind_ = 0;
    bool screensaver_ = true;
    int opening_ = 0;           ///< counts the openings, so late answers of an old one are dropped
    int titleRequest_ = 0;      ///< the newest title asked for; older answers are dropped
    int failedSongs_ = 0;       ///< songs in a row that would not play
    bool joystickHeld_ = false; ///< an input held since the opening, not yet let go
    OffThread work_;            ///< last: its work ends before anything it answers to goes
};

} // namespace zembra
