// SPDX-License-Identifier: GPL-3.0-or-later
// The joystick service on SDL's joystick subsystem: opens the first joystick, follows hot-plug.
#include "zembra/platform/Joystick.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <dlfcn.h>
#include <future>

namespace zembra {
namespace {

/// The SDL functions the service calls, found at run time: SDL is loaded when the windows make
/// their joystick, so the headless commands never load it.
struct SdlApi {
    decltype(&::SDL_SetHint) setHint = nullptr;
    decltype(&::SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&::SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&::SDL_JoystickEventState) eventState = nullptr;
    decltype(&::SDL_JoystickUpdate) update = nullptr;
    decltype(&::SDL_NumJoysticks) numJoysticks = nullptr;
    decltype(&::SDL_JoystickOpen) open = nullptr;
    decltype(&::SDL_JoystickClose) close = nullptr;
    decltype(&::SDL_JoystickGetAttached) attached = nullptr;
    decltype(&::SDL_JoystickNumAxes) numAxes = nullptr;
    decltype(&::SDL_JoystickGetAxis) axis = nullptr;
    decltype(&::SDL_JoystickNumHats) numHats = nullptr;
    decltype(&::SDL_JoystickGetHat) hat = nullptr;
    decltype(&::SDL_JoystickNumButtons) numButtons = nullptr;
    decltype(&::SDL_JoystickGetButton) button = nullptr;
    /// Frees what SDL keeps for the calling thread; absent before SDL 2.0.16.
    decltype(&::SDL_TLSCleanup) threadCleanup = nullptr;

    /// False, with nothing filled in that could be called, when SDL is missing.
    bool load() {
        // Never closed: SDL's threads may outlive the service, and the library is shared with
        // whoever else in the process uses it.
        void* library = ::dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return false;
        find(library, "SDL_TLSCleanup", threadCleanup);
        return find(library, "SDL_SetHint", setHint) &&
               find(library, "SDL_InitSubSystem", initSubSystem) &&
               find(library, "SDL_QuitSubSystem", quitSubSystem) &&
               find(library, "SDL_JoystickEventState", eventState) &&
               find(library, "SDL_JoystickUpdate", update) &&
               find(library, "SDL_NumJoysticks", numJoysticks) &&
               find(library, "SDL_JoystickOpen", open) &&
               find(library, "SDL_JoystickClose", close) &&
               find(library, "SDL_JoystickGetAttached", attached) &&
               find(library, "SDL_JoystickNumAxes", numAxes) &&
               find(library, "SDL_JoystickGetAxis", axis) &&
               find(library, "SDL_JoystickNumHats", numHats) &&
               find(library, "SDL_JoystickGetHat", hat) &&
               find(library, "SDL_JoystickNumButtons", numButtons) &&
               find(library, "SDL_JoystickGetButton", button);
    }

private:
    template <typename Function>
    static bool find(void* library, const char* name, Function& slot) {
        slot = reinterpret_cast<Function>(::dlsym(library, name));
        return slot != nullptr;
    }
};

constexpr int kStickButtons = 12;
constexpr std::uint32_t kAxisCentre = 32768;
constexpr std::uint32_t kAxisLow = 0;
constexpr std::uint32_t kAxisHigh = 65535;

class SdlJoystick : public Joystick {
public:
    // SDL is loaded and its joystick subsystem started (a scan of the input devices, and a
    // wait for the loader while the media library loads) on a thread of its own, so the
    // windows come up meanwhile; the joystick reads as absent until then.
    SdlJoystick() : starting_(std::async(std::launch::async, [this] { return start(); })) {}

    ~SdlJoystick() override {
        if (starting_.valid())
            started_ = starting_.get();
        if (!started_)
            return;
        if (joystick_ != nullptr)
            sdl_.close(joystick_);
        sdl_.quitSubSystem(SDL_INIT_JOYSTICK);
    }

    SdlJoystick(const SdlJoystick&) = delete;
    SdlJoystick& operator=(const SdlJoystick&) = delete;

    std::optional<JoystickState> poll() override {
        if (starting_.valid()) {
            if (starting_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
                return std::nullopt;
            started_ = starting_.get();
        }
        if (!started_)
            return std::nullopt;
        // Besides refreshing the open joystick, this is where SDL notices joysticks coming and
        // going; it needs no video subsystem and no event pumping.
        sdl_.update();
        if (joystick_ != nullptr && !sdl_.attached(joystick_)) {
            sdl_.close(joystick_);
            joystick_ = nullptr;
        }
        if (joystick_ == nullptr) {
            if (!openFirst())
                return std::nullopt;
            // A joystick just opened may not hold its current position and buttons until the
            // next update.
            sdl_.update();
        }
        return read();
    }

private:
    bool start() {
        const bool started = startSdl();
        // What SDL kept for this thread (its error text) would be left behind when it ends.
        if (sdl_.threadCleanup != nullptr)
            sdl_.threadCleanup();
        return started;
    }

    bool startSdl() {
        if (!sdl_.load()) {
            // A cabinet without SDL is played from the keyboard.
            std::fprintf(stderr, "zembra: no joystick: SDL2 cannot be loaded\n");
            return false;
        }
        // The front-end's windows are Qt's, never SDL's, so SDL must not hold input back for
        // want of a focused SDL window.
        sdl_.setHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        // The joystick subsystem brings SDL's event loop with it, which would otherwise take
        // over SIGINT and SIGTERM and turn them into quit events nobody reads: the front-end
        // would no longer stop when told to.
        sdl_.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (sdl_.initSubSystem(SDL_INIT_JOYSTICK) != 0)
            return false;
        // The state is read directly; queued joystick events would pile up unread.
        sdl_.eventState(SDL_IGNORE);
        return true;
    }

    /// Opens the first joystick that can be opened: one that cannot (no permission on its
    /// device, say) must not hide the others.
    bool openFirst() {
        const int count = sdl_.numJoysticks();
        for (int index = 0; index < count && joystick_ == nullptr; ++index)
            joystick_ = sdl_.open(index);
        return joystick_ != nullptr;
    }

    std::uint32_t axis(int index) const {
        if (index >= sdl_.numAxes(joystick_))
            return kAxisCentre;
        return static_cast<std::uint32_t>(sdl_.axis(joystick_, index) - SDL_JOYSTICK_AXIS_MIN);
    }

    JoystickState read() const {
        JoystickState state;
        state.x = axis(0);
        state.y = axis(1);
        // Many arcade encoders and pads report their stick as a hat; a hat pushed one way
        // is a deliberate move and takes that direction over whatever the axis says.
        if (sdl_.numHats(joystick_) > 0) {
            const Uint8 hat = sdl_.hat(joystick_, 0);
            if (hat & SDL_HAT_LEFT)
                state.x = kAxisLow;
            else if (hat & SDL_HAT_RIGHT)
                state.x = kAxisHigh;
            if (hat & SDL_HAT_UP)
                state.y = kAxisLow;
            else if (hat & SDL_HAT_DOWN)
                state.y = kAxisHigh;
        }
        const int buttons = std::min(sdl_.numButtons(joystick_), kStickButtons);
        for (int button = 0; button < buttons; ++button) {
            if (sdl_.button(joystick_, button))
                state.buttons |= 1u << button;
        }
        return state;
    }

    SdlApi sdl_;
    bool started_ = false;
    SDL_Joystick* joystick_ = nullptr;
    std::future<bool> starting_; ///< last, so the thread starts on a complete object
};

} // namespace

std::unique_ptr<Joystick> makeJoystick() {
    return std::make_unique<SdlJoystick>();
}

} // namespace zembra
