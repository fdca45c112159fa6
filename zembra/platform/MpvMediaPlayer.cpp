// SPDX-License-Identifier: GPL-3.0-or-later
// The media player element on libmpv: one file at a time, sound only or drawn into a widget.
#include "zembra/platform/MpvMediaPlayer.h"

#include <QByteArray>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <mpv/client.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace zembra {

namespace {

// Audio tries the desktop's sound servers first and ends on a null output: a cabinet without
// sound still plays every file to its end, so whoever waits for the end is not left waiting.
constexpr const char* kAudioOutputs = "pipewire,pulse,alsa,null";
// The GPU first (through EGL into the X window; named, so that mpv takes a software renderer
// too, as on a bare X server or Xvfb, and never tries to take the screen over by DRM), plain X
// drawing where EGL is missing, and nothing at all rather than a window of mpv's own.
constexpr const char* kVideoOutputs = "gpu,x11,null";
constexpr const char* kGpuContext = "x11egl";

// The program's volume is in hundredths of a decibel below full volume. mpv's volume is a
// cubic curve (amplitude = (volume / 100)^3), so the gain's cube root gives the same loudness.
double mpvVolume(int volume) {
    const double gain = std::pow(10.0, volume / 2000.0);
    return std::clamp(100.0 * std::cbrt(gain), 0.0, 100.0);
}

// Only an existing regular file that this process may read is worth handing to mpv; anything
// else (a folder, a device, a FIFO that would block the reader) reads back as no file at once.
bool openable(const QString& file) {
    if (file.isEmpty()) {
        return false;
    }
    const QByteArray native = QFile::encodeName(file);
    std::error_code error;
    const auto status = std::filesystem::status(native.toStdString(), error);
    return !error && std::filesystem::is_regular_file(status) &&
           ::access(native.constData(), R_OK) == 0;
}

// Lives on the video parent. Keys and clicks on the video reach the parent (mpv's own input is
// off); they are passed on to whoever listens and left for the window to handle as well. mpv
// aborts the whole program when the window it draws into disappears under it, so the player
// must let go of the window first: the parent deletes its children before its window, and a
// window made anew (a change of parent) is seen here as well.
class VideoWatch : public QObject {
public:
    VideoWatch(QWidget* parent, MpvMediaPlayer* player, WId window,
               std::function<void()> windowGoing)
        : QObject(parent), player_(player), window_(window), windowGoing_(std::move(windowGoing)) {
        parent->installEventFilter(this);
    }
    ~VideoWatch() override { tell(); }

    /// The player goes first: nothing to tell it any more.
    void forget() { windowGoing_ = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            // A held key is one press.
            if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
                emit player_->keyPressed();
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            emit player_->mouseClicked();
            break;
        case QEvent::WinIdChange:
            if (window_ != 0 && static_cast<QWidget*>(watched)->internalWinId() != window_) {
                tell();
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void tell() {
        if (windowGoing_) {
            std::exchange(windowGoing_, nullptr)();
        }
    }

    MpvMediaPlayer* player_;
    WId window_;
    std::function<void()> windowGoing_;
};

} // namespace

struct MpvMediaPlayer::Impl {
    MpvMediaPlayer* owner = nullptr;
    mpv_handle* mpv = nullptr;
    QPointer<VideoWatch> videoWatch;
    QString name;
    int state = Stopped;
    int volume = 0;
    // The playlist entry of the file now loaded. mpv reports the end of an entry some time
    // after it was replaced; only the end of this one means anything.
    std::int64_t entry = 0;
    // Entries that failed before mpv had them are numbered downwards from here, so that their
    // end takes the same way as mpv's own reports.
    std::int64_t nextLocalEntry = -1;
    // The entry is loaded and paused at its beginning: playing only lets it go.
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
        mpv_set_wakeup_callback(mpv, nullptr, nullptr);
        mpv_terminate_destroy(mpv);
        mpv = nullptr;
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

    void setOption(const char* name, const char* value) {
        if (mpv_set_option_string(mpv, name, value) < 0) {
            qWarning("zembra: mpv does not take %s=%s", name, value);
        }
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

    bool setPause(bool paused) {
        int flag = paused ? 1 : 0;
        return mpv != nullptr && mpv_set_property(mpv, "pause", MPV_FORMAT_FLAG, &flag) >= 0;
    }

    // Loads the file by name, replacing whatever was loaded. Paused, it waits at its beginning
    // so that playing starts at once later.
    bool load(bool paused) {
        entry = 0;
        ready = false;
        if (mpv == nullptr || !setPause(paused)) {
            return false;
        }
        // An absolute path, so mpv never takes a name with a colon for a protocol.
        const QByteArray path = QFile::encodeName(QFileInfo(name).absoluteFilePath());
        const char* command[] = {"loadfile", path.constData(), "replace", nullptr};
        mpv_node result;
        if (mpv_command_ret(mpv, command, &result) < 0) {
            return false;
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
        mpv_free_node_contents(&result);
        ready = paused && entry != 0;
        return entry != 0;
    }

    void unload() {
        entry = 0;
        ready = false;
        if (mpv != nullptr) {
            const char* command[] = {"stop", nullptr};
            mpv_command(mpv, command);
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
                const char* why = id < 0                                ? "mpv is not running"
                                  : reason == MPV_END_FILE_REASON_ERROR ? mpv_error_string(error)
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
            const mpv_event* event = mpv_wait_event(mpv, 0);
            if (event->event_id == MPV_EVENT_NONE) {
                break;
            }
            if (event->event_id == MPV_EVENT_END_FILE) {
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

    void create(QWidget* parent) {
        WId window = 0;
        // mpv refuses to start unless numbers are written the C way; Qt may have set the
        // locale from the environment.
        std::setlocale(LC_NUMERIC, "C");
        mpv = mpv_create();
        if (mpv == nullptr) {
            qWarning("zembra: cannot start mpv; nothing will play");
            return;
        }
        // Nothing of a user's own mpv set-up, and mpv never answers keys, clicks or the mouse
        // itself: the front-end does.
        setOption("config", "no");
        setOption("load-scripts", "no");
        setOption("ytdl", "no");
        setOption("terminal", "no");
        setOption("input-default-bindings", "no");
        setOption("input-vo-keyboard", "no");
        setOption("input-cursor", "no");
        setOption("cursor-autohide", "no");
        setOption("osc", "no");
        setOption("osd-level", "0");
        // Stays alive between files, and a file is gone from mpv when it ends.
        setOption("idle", "yes");
        setOption("keep-open", "no");
        setOption("pause", "yes");
        setOption("ao", kAudioOutputs);
        setOption("audio-client-name", "zembra");
        // A cover picture in a music file is no video.
        setOption("audio-display", "no");
        if (parent == nullptr) {
            // Sound players never open a window.
            setOption("vid", "no");
            setOption("vo", "null");
        } else if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            parent->setAttribute(Qt::WA_NativeWindow);
            window = parent->winId();
            auto wid = static_cast<std::int64_t>(window);
            mpv_set_option(mpv, "wid", MPV_FORMAT_INT64, &wid);
            setOption("vo", kVideoOutputs);
            setOption("gpu-context", kGpuContext);
        } else {
            // Without X there is no window mpv could draw into (offscreen, Wayland): the
            // sound plays and the video is decoded for nothing.
            setOption("vo", "null");
        }
        if (mpv_initialize(mpv) < 0) {
            qWarning("zembra: mpv does not start; nothing will play");
            mpv_terminate_destroy(mpv);
            mpv = nullptr;
            return;
        }
        double mpvLevel = mpvVolume(volume);
        mpv_set_property(mpv, "volume", MPV_FORMAT_DOUBLE, &mpvLevel);
        mpv_set_wakeup_callback(mpv, &Impl::wakeUp, this);
        if (parent != nullptr) {
            videoWatch = new VideoWatch(parent, owner, window, [this] { windowGoing(); });
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
    impl_->owner = this;
    impl_->create(videoParent);
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
    impl_->setState(Stopped);
    if (!openable(file)) {
        impl_->name.clear();
        impl_->unload();
        return;
    }
    impl_->name = file;
    impl_->load(true);
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
    if (impl_->mpv != nullptr) {
        double mpvLevel = mpvVolume(volume);
        mpv_set_property(impl_->mpv, "volume", MPV_FORMAT_DOUBLE, &mpvLevel);
    }
}

MediaPlayerFactory MpvMediaPlayer::factory() {
    return [](QWidget* videoParent) -> std::unique_ptr<MediaPlayer> {
        return std::make_unique<MpvMediaPlayer>(videoParent);
    };
}

} // namespace zembra
