// SPDX-License-Identifier: GPL-3.0-or-later
// The joystick service on SDL's joystick subsystem: opens the first joystick, follows hot-plug.
#include "zembra/platform/Joystick.h"

#include <SDL.h>
#include <algorithm>

namespace zembra {
namespace {

constexpr int kStickButtons = 12;
constexpr std::uint32_t kAxisCentre = 32768;
constexpr std::uint32_t kAxisLow = 0;
constexpr std::uint32_t kAxisHigh = 65535;

class SdlJoystick : public Joystick {
public:
    SdlJoystick() {
        // The front-end's windows are Qt's, never SDL's, so SDL must not hold input back for
        // want of a focused SDL window.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        // The joystick subsystem brings SDL's event loop with it, which would otherwise take
        // over SIGINT and SIGTERM and turn them into quit events nobody reads: the front-end
        // would no longer stop when told to.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        started_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
        if (started_) {
            // The state is read directly; queued joystick events would pile up unread.
            SDL_JoystickEventState(SDL_IGNORE);
        }
    }

    ~SdlJoystick() override {
        if (!started_)
            return;
        if (joystick_ != nullptr)
            SDL_JoystickClose(joystick_);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    SdlJoystick(const SdlJoystick&) = delete;
    SdlJoystick& operator=(const SdlJoystick&) = delete;

    std::optional<JoystickState> poll() override {
        if (!started_)
            return std::nullopt;
        // Besides refreshing the open joystick, this is where SDL notices joysticks coming and
        // going; it needs no video subsystem and no event pumping.
        SDL_JoystickUpdate();
        if (joystick_ != nullptr && !SDL_JoystickGetAttached(joystick_)) {
            SDL_JoystickClose(joystick_);
            joystick_ = nullptr;
        }
        if (joystick_ == nullptr) {
            if (!openFirst())
                return std::nullopt;
            // A joystick just opened may not hold its current position and buttons until the
            // next update.
            SDL_JoystickUpdate();
        }
        return read();
    }

private:
    /// Opens the first joystick that can be opened: one that cannot (no permission on its
    /// device, say) must not hide the others.
    bool openFirst() {
        const int count = SDL_NumJoysticks();
        for (int index = 0; index < count && joystick_ == nullptr; ++index)
            joystick_ = SDL_JoystickOpen(index);
        return joystick_ != nullptr;
    }

    std::uint32_t axis(int index) const {
        if (index >= SDL_JoystickNumAxes(joystick_))
            return kAxisCentre;
        return static_cast<std::uint32_t>(SDL_JoystickGetAxis(joystick_, index) -
                                          SDL_JOYSTICK_AXIS_MIN);
    }

    JoystickState read() const {
        JoystickState state;
        state.x = axis(0);
        state.y = axis(1);
        // Many arcade encoders and pads report their stick as a hat; a hat pushed one way
        // is a deliberate move and takes that direction over whatever the axis says.
        if (SDL_JoystickNumHats(joystick_) > 0) {
            const Uint8 hat = SDL_JoystickGetHat(joystick_, 0);
            if (hat & SDL_HAT_LEFT)
                state.x = kAxisLow;
            else if (hat & SDL_HAT_RIGHT)
                state.x = kAxisHigh;
            if (hat & SDL_HAT_UP)
                state.y = kAxisLow;
            else if (hat & SDL_HAT_DOWN)
                state.y = kAxisHigh;
        }
        const int buttons = std::min(SDL_JoystickNumButtons(joystick_), kStickButtons);
        for (int button = 0; button < buttons; ++button) {
            if (SDL_JoystickGetButton(joystick_, button))
                state.buttons |= 1u << button;
        }
        return state;
    }

    bool started_ = false;
    SDL_Joystick* joystick_ = nullptr;
};

} // namespace

std::unique_ptr<Joystick> makeJoystick() {
    return std::make_unique<SdlJoystick>();
}

} // namespace zembra
