// SPDX-License-Identifier: GPL-3.0-or-later
// The attract window's jukebox: the playlist, the music keys, the titles and the end of a song.
#include "zembra/attract/ScreenSav.h"
#include "zembra/catalogue/FileProbe.h"
#include "zembra/startup/Application.h"

namespace zembra {

namespace {

// Songs in a row that end without playing (all broken, say) before the jukebox stops choosing
// the next one by itself; a music key tries again.
constexpr int kMaxFailedSongs = 8;

} // namespace

void ScreenSav::readPlaylist() {
    const int opening = opening_;
    work_.run([this, opening, folder = state_.programFolder] {
        PerNameProbe probe;
        auto playlist = std::make_shared<Playlist>(setarray(folder, probe));
        return std::function<void()>(
            [this, opening, playlist] { playlistRead(opening, std::move(*playlist)); });
    });
}

void ScreenSav::playlistRead(int opening, Playlist playlist) {
    if (opening != opening_) {
        return; // the window closed meanwhile
    }
    playlist_ = std::move(playlist);
    UserSettings& settings = state_.settings;
    const int song =
        openingSong(songNumber(settings.songIdx), playlist_.songCount(), screensaver_, *random_);
    if (song == 0) {
        return; // no playlist, no music; the song number is kept for when there is one again
    }
    settings.songIdx = static_cast<float>(song);
    mpSaver->setVolume(volumeLevel(settings.musicVolume));
    mpSaver->setFileName(Application::nativeFile(playlist_.entry(song)));
    if (screensaver_) {
        mpSaver->play();
        showMessage(QString::fromStdString(keyboardLabels(std::nullopt, playlist_.entry(song))[0]));
    }
}

MusicState ScreenSav::musicState() const {
    const UserSettings& settings = state_.settings;
    return MusicState{settings.shuffle, songNumber(settings.songIdx),
                      volumeLevel(settings.musicVolume), playlist_.songCount()};
}

void ScreenSav::music(MusicKey key, bool shift, TitleLayout layout) {
    const MusicSituation now{mpSaver->playState() == MediaPlayer::Playing, timrotate.isActive(),
                             shift};
    const MusicOutcome outcome = handleMusicKey(musicState(), key, now, *random_);
    const MusicCommand& command = outcome.command;
    UserSettings& settings = state_.settings;
    settings.shuffle = outcome.state.shuffle;
    failedSongs_ = 0;
    if (command.playSong != 0) {
        settings.songIdx = static_cast<float>(command.playSong);
        startSong(command.playSong);
        if (command.showTitle) {
            showTitle(command.playSong, layout);
        }
    }
    if (command.playback == Playback::Pause) {
        mpSaver->pause();
    } else if (command.playback == Playback::Resume) {
        mpSaver->play();
    }
    if (command.volume) {
        settings.musicVolume = static_cast<float>(*command.volume);
        mpSaver->setVolume(*command.volume);
    }
    if (!command.message.empty()) {
        showMessage(QString::fromStdString(command.message));
    }
}

void ScreenSav::startSong(int song) {
    mpSaver->setFileName(Application::nativeFile(playlist_.entry(song)));
    mpSaver->play();
}

void ScreenSav::showTitle(int song, TitleLayout layout) {
    const int request = ++titleRequest_;
    const int opening = opening_;
    work_.run([this, request, opening, layout, path = playlist_.entry(song)] {
        const std::optional<SongTag> tag = readId3v1(path);
        return std::function<void()>([this, request, opening, layout, path, tag] {
            if (request == titleRequest_ && opening == opening_) {
                titleRead(path, tag, layout);
            }
        });
    });
}

void ScreenSav::titleRead(const std::string& song, const std::optional<SongTag>& tag,
                          TitleLayout layout) {
    if (!tag) {
        showMessage(QString::fromStdString(keyboardLabels(tag, song)[0]));
        return;
    }
    if (layout == TitleLayout::Joystick) {
        // One label, the three fields as its lines.
        QString text = QString::fromStdString(joystickLabel(tag, song));
        text.replace("\r\n", "\n");
        lblsong[0]->setText(text);
        showLabels(1);
        return;
    }
    const std::array<std::string, 3> labels = keyboardLabels(tag, song);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        lblsong[i]->setText(QString::fromStdString(labels[i]));
    }
    showLabels(3);
}

void ScreenSav::playStateChanged(int /*oldState*/, int newState) {
    // Only a player that is still stopped has come to an end: a song just started stops the
    // one before it, and that report arrives after the new one plays.
    if (newState != MediaPlayer::Stopped || mpSaver->playState() != MediaPlayer::Stopped ||
        !isVisible() || !screensaver_ || playlist_.songCount() == 0) {
        return;
    }
    if (!mpSaver->fileName().isEmpty()) {
        failedSongs_ = 0;
    } else if (++failedSongs_ >= kMaxFailedSongs) {
        return;
    }
    // The next song is always a random one and the song number stays.
    startSong(songAtEnd(musicState(), *random_));
}

} // namespace zembra
