// SPDX-License-Identifier: GPL-3.0-or-later
// The media player element on libmpv: one file at a time, sound only or drawn into a widget.
#include "zembra/platform/linux/MpvMediaPlayer.h"

#include "zembra/attract/MusicKeys.h"
#include "zembra/platform/linux/DeferredMediaPlayer.h"
#include "zembra/platform/linux/MpvApi.h"
#include "zembra/platform/linux/MpvLibrary.h"
#include "zembra/platform/linux/VideoWatch.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace zembra {

// Only an existing regular file that this process may read is worth handing to mpv; anything
// else (a folder, a device, a FIFO that would block the reader) reads back as no file at once.
bool MpvMediaPlayer::openable(const QString& file) {
    if (file.isEmpty()) {
        return false;
    }
    const QByteArray native = QFile::encodeName(file);
    std::error_code error;
    const auto status = std::filesystem::status(native.toStdString(), error);
    return !error && std::filesystem::is_regular_file(status) &&
           ::access(native.constData(), R_OK) == 0;
}

struct MpvMediaPlayer::Impl {
    MpvMediaPlayer* owner = nullptr;
    std::shared_ptr<const MpvApi> api;
    mpv_handle* mpv = nullptr;
    QPointer<VideoWatch> videoWatch;
    QString name;
    int state = Stopped;
    int volume = 0;
    // The playlist entry of the file now loaded. mpv reports the end of an entry some time
    // after it was replaced; only the end of this one means anything. It is known once mpv
    // answers the load; until then it is 0.
    std::int64_t entry = 0;
    // Entries that failed before mpv had them are numbered downwards from here, so that their
    // end takes the same way as mpv's own reports.
    std::int64_t nextLocalEntry = -1;
    // Each load is numbered; mpv's answer to the newest one names its entry, older answers
    // are stale.
    std::uint64_t lastLoad = 0;
    std::uint64_t pendingLoad = 0;
    // The entry is loaded (or being loaded) and paused at its beginning: playing only lets
    // it go.
    bool ready = false;
    // One drain is waiting in the event loop; mpv may wake us many times for it.
    std::atomic<bool> drainPosted{false};

    ~Impl() { destroyHandle(); }

    void destroyHandle() {
        if (mpv == nullptr) {
            return;
        }
        // Once the callback is cleared mpv calls it no more, and mpv_terminate_destroy() waits
        // for all of mpv's threads: nothing posts to the player after this.
        api->setWakeupCallback(mpv, nullptr, nullptr);
        api->terminateDestroy(mpv);
        mpv = nullptr;
        pendingLoad = 0;
    }

    static void wakeUp(void* context) {
        // Called on mpv's threads, where no mpv call is allowed: the work is done in the
        // player's thread.
        auto* impl = static_cast<Impl*>(context);
        if (impl->drainPosted.exchange(true)) {
            return;
        }
        QMetaObject::invokeMethod(
            impl->owner, [impl] { impl->drain(); }, Qt::QueuedConnection);
    }

    // Changes of the state are told from the event loop, in the order they happened, so that a
    // listener may call the player again (or delete it) without re-entering a call in progress.
    void setState(int now) {
        if (now == state) {
            return;
        }
        const int old = state;
        state = now;
        QMetaObject::invokeMethod(
            owner, [player = owner, old, now] { emit player->playStateChanged(old, now); },
            Qt::QueuedConnection);
    }

    // Every call to mpv from here on only queues its work: mpv's own thread does it, in the
    // order asked, while the window goes on drawing.
    bool setPause(bool paused) {
        int flag = paused ? 1 : 0;
        return mpv != nullptr &&
               api->setPropertyAsync(mpv, 0, "pause", MPV_FORMAT_FLAG, &flag) >= 0;
    }

    // Loads the file by name, replacing whatever was loaded. Paused, it waits at its beginning
    // so that playing starts at once later.
    bool load(bool paused) {
        entry = 0;
        ready = false;
        pendingLoad = 0;
        if (!setPause(paused)) {
            return false;
        }
        // An absolute path, so mpv never takes a name with a colon for a protocol.
        const QByteArray path = QFile::encodeName(QFileInfo(name).absoluteFilePath());
        const char* command[] = {"loadfile", path.constData(), "replace", nullptr};
        if (api->commandAsync(mpv, ++lastLoad, command) < 0) {
            return false;
        }
        pendingLoad = lastLoad;
        ready = paused;
        return true;
    }

    void unload() {
        entry = 0;
        ready = false;
        pendingLoad = 0;
        if (mpv != nullptr) {
            const char* command[] = {"stop", nullptr};
            api->commandAsync(mpv, 0, command);
        }
    }

    // A file that could not even be handed to mpv ends like one mpv could not play, from the
    // event loop, so that play() is followed by its stop all the same.
    void failSoon() {
        const std::int64_t failed = nextLocalEntry--;
        entry = failed;
        ready = false;
        QMetaObject::invokeMethod(
            owner,
            [impl = this, failed] {
                impl->ended(failed, MPV_END_FILE_REASON_ERROR, MPV_ERROR_GENERIC);
            },
            Qt::QueuedConnection);
    }

    // mpv's answer to a load: the entry it made, or why it made none.
    void loaded(std::uint64_t load, int error, const mpv_node& result) {
        if (load == 0 || load != pendingLoad) {
            return;
        }
        pendingLoad = 0;
        if (error < 0) {
            const std::int64_t failed = nextLocalEntry--;
            entry = failed;
            ended(failed, MPV_END_FILE_REASON_ERROR, error);
            return;
        }
        if (result.format == MPV_FORMAT_NODE_MAP) {
            const mpv_node_list* map = result.u.list;
            for (int i = 0; i < map->num; ++i) {
                if (std::strcmp(map->keys[i], "playlist_entry_id") == 0 &&
                    map->values[i].format == MPV_FORMAT_INT64) {
                    entry = map->values[i].u.int64;
                }
            }
        }
    }

    void ended(std::int64_t id, int reason, int error) {
        if (id != entry || id == 0) {
            return;
        }
        entry = 0;
        ready = false;
        switch (reason) {
        case MPV_END_FILE_REASON_EOF:
            // Played to its end: ready again from the beginning. (Reached while stopped, the
            // file has nothing in it to wait at; play() loads it again.)
            if (state != Stopped) {
                setState(Stopped);
                load(true);
            }
            break;
        case MPV_END_FILE_REASON_ERROR:
        case MPV_END_FILE_REASON_REDIRECT:
            if (reason == MPV_END_FILE_REASON_REDIRECT) {
                // A playlist: it would go on with files nobody asked for.
                unload();
            }
            // Found broken while stopped, the file keeps its name until a play() finds it
            // broken too: that play() still gets its stop.
            if (state != Stopped) {
                const char* why = mpv == nullptr                        ? "mpv is not running"
                                  : reason == MPV_END_FILE_REASON_ERROR ? api->errorString(error)
                                                                        : "a playlist";
                qWarning("zembra: cannot play %s: %s", qUtf8Printable(name), why);
                name.clear();
                setState(Stopped);
            }
            break;
        default:
            setState(Stopped);
            break;
        }
    }

    void drain() {
        drainPosted = false;
        while (mpv != nullptr) {
            const mpv_event* event = api->waitEvent(mpv, 0);
            if (event->event_id == MPV_EVENT_NONE) {
                break;
            }
            if (event->event_id == MPV_EVENT_COMMAND_REPLY) {
                loaded(event->reply_userdata, event->error,
                       static_cast<const mpv_event_command*>(event->data)->result);
            } else if (event->event_id == MPV_EVENT_END_FILE) {
                const auto* end = static_cast<const mpv_event_end_file*>(event->data);
                ended(end->playlist_entry_id, end->reason, end->error);
            } else if (event->event_id == MPV_EVENT_SHUTDOWN) {
                // mpv quit on its own; from now on every play() fails and ends at once.
                destroyHandle();
                entry = 0;
                ready = false;
                setState(Stopped);
            }
        }
    }

    // Takes over `started` (an mpv started for a sound player), or starts one of its own.
    void create(QWidget* parent, const std::string& audioOutputs, mpv_handle* started) {
        if (api == nullptr) {
            return;
        }
        WId window = 0;
        if (started != nullptr) {
            mpv = started;
        } else {
            std::optional<std::int64_t> video;
            if (parent != nullptr) {
                // Without X there is no window mpv could draw into (offscreen, Wayland): the
                // sound plays and the video is decoded for nothing.
                video = 0;
                if (QGuiApplication::platformName() == QLatin1String("xcb")) {
                    parent->setAttribute(Qt::WA_NativeWindow);
                    window = parent->winId();
                    video = static_cast<std::int64_t>(window);
                }
            }
            mpv = startMpv(*api, audioOutputs, video);
            if (mpv == nullptr) {
                return;
            }
        }
        sendVolume();
        api->setWakeupCallback(mpv, &Impl::wakeUp, this);
        if (parent != nullptr) {
            videoWatch = new VideoWatch(parent, owner, window, [this] { windowGoing(); });
        }
    }

    void sendVolume() {
        if (mpv != nullptr) {
            // The program's scale has one mapping onto mpv's, the jukebox's.
            double mpvLevel = mpvMusicVolume(volume);
            api->setPropertyAsync(mpv, 0, "volume", MPV_FORMAT_DOUBLE, &mpvLevel);
        }
    }

    // Without its window the player cannot go on: what plays stops, and every later play()
    // ends at once.
    void windowGoing() {
        if (mpv != nullptr) {
            qWarning("zembra: the video window went away; the video player stops");
        }
        destroyHandle();
        entry = 0;
        ready = false;
        setState(Stopped);
    }
};

MpvMediaPlayer::MpvMediaPlayer(QWidget* videoParent) : impl_(std::make_unique<Impl>()) {
    MpvLibrary library;
    library.find();
    impl_->owner = this;
    impl_->api = library.api();
    std::setlocale(LC_NUMERIC, "C");
    impl_->create(videoParent, library.audioOutputs(), nullptr);
}

MpvMediaPlayer::MpvMediaPlayer(QWidget* videoParent, std::shared_ptr<const MpvApi> api,
                               const std::string& audioOutputs, mpv_handle* started)
    : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->api = std::move(api);
    std::setlocale(LC_NUMERIC, "C");
    impl_->create(videoParent, audioOutputs, started);
}

MpvMediaPlayer::~MpvMediaPlayer() {
    if (impl_->videoWatch) {
        impl_->videoWatch->forget();
        delete impl_->videoWatch;
    }
    // mpv goes first, while the player (the target of mpv's wake-ups) is whole.
    impl_->destroyHandle();
}

void MpvMediaPlayer::setFileName(const QString& file) {
    Impl& d = *impl_;
    d.setState(Stopped);
    if (!openable(file)) {
        d.name.clear();
        d.unload();
        return;
    }
    if (file == d.name && d.ready) {
        // Loaded already and waiting at its beginning: a sound effect set again before each
        // play costs nothing.
        return;
    }
    d.name = file;
    d.load(true);
}

QString MpvMediaPlayer::fileName() const {
    return impl_->name;
}

void MpvMediaPlayer::play() {
    Impl& d = *impl_;
    if (d.name.isEmpty() || d.state == Playing) {
        return;
    }
    const bool started = d.state == Paused || d.ready ? d.setPause(false) : d.load(false);
    d.ready = false;
    if (!started) {
        d.failSoon();
    }
    d.setState(Playing);
}

void MpvMediaPlayer::pause() {
    if (impl_->state != Playing) {
        return;
    }
    impl_->setPause(true);
    impl_->setState(Paused);
}

void MpvMediaPlayer::stop() {
    if (impl_->state == Stopped) {
        return;
    }
    impl_->setState(Stopped);
    // Back to the beginning, ready for the next play().
    impl_->load(true);
}

int MpvMediaPlayer::playState() const {
    return impl_->state;
}

int MpvMediaPlayer::volume() const {
    return impl_->volume;
}

void MpvMediaPlayer::setVolume(int volume) {
    impl_->volume = volume;
    impl_->sendVolume();
}

MediaPlayerFactory MpvMediaPlayer::factory() {
    // Only the windows make a factory: the commands without windows never load libmpv.
    auto library = std::make_shared<MpvLibrary>();
    return [library](QWidget* videoParent) -> std::unique_ptr<MediaPlayer> {
        // The windows get their players at once; libmpv is loaded when the first sound or video
        // is played (the library is large, and while it loads the loader holds a lock that
        // starting a thread or a plug-in also needs), and each player becomes an mpv then.
        return std::make_unique<DeferredMediaPlayer>(
            [library] { return library->ready(); },
            [library, videoParent = QPointer<QWidget>(videoParent)] {
                library->find();
                return std::make_unique<MpvMediaPlayer>(
                    videoParent, library->api(), library->audioOutputs(),
                    videoParent == nullptr ? library->takeSpare() : nullptr);
            },
            &MpvMediaPlayer::openable, [library] { library->startLoading(); });
    };
}

} // namespace zembra
