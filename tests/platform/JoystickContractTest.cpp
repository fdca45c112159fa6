// SPDX-License-Identifier: GPL-3.0-or-later
// What every joystick promises the windows' polls, held against SDL's virtual joysticks and
// against the fake the window tests use; then what only the SDL service has to get right.
#include "tests/fakes/FakeJoystick.h"
#include "tests/support/Contract.h"
#include "tests/support/Waiting.h"
#include "zembra/platform/Joystick.h"

#include <SDL2/SDL.h>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using zembra::JoystickState;
constexpr std::uint32_t kCentre = 32768;
constexpr Sint16 kMin = SDL_JOYSTICK_AXIS_MIN;
constexpr Sint16 kMax = SDL_JOYSTICK_AXIS_MAX;

class SdlWorld {
public:
    SdlWorld() : joystick_(zembra::makeJoystick()) {
        // The service starts SDL on a thread of its own; the tests begin once it reads a
        // joystick plugged in for the purpose and taken out again.
        if (!testing_support::waitUntil([] { return SDL_WasInit(SDL_INIT_JOYSTICK) != 0; },
                                        std::chrono::seconds(10)))
            return;
        SDL_Joystick* probe = plugIn();
        testing_support::waitUntil([this] { return joystick_->poll().has_value(); });
        unplug(probe);
        SDL_JoystickClose(probe);
        testing_support::waitUntil([this] { return !joystick_->poll().has_value(); });
    }
    const char* missing() const {
        return SDL_WasInit(SDL_INIT_JOYSTICK) == 0 || SDL_NumJoysticks() > 0
                   ? "needs SDL's joystick subsystem and no real joystick attached"
                   : "";
    }
    /// Plugs in a virtual joystick and returns a handle for moving it.
    SDL_Joystick* plugIn(int axes = 2, int buttons = 12, int hats = 0) {
        stick_ = SDL_JoystickOpen(
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_ARCADE_STICK, axes, buttons, hats));
        EXPECT_NE(stick_, nullptr) << SDL_GetError();
        return stick_;
    }
    void unplug(SDL_Joystick* handle) {
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == SDL_JoystickInstanceID(handle))
                SDL_JoystickDetachVirtual(index);
        }
    }
    /// Pushes the stick to the top left corner and presses the first and the twelfth button.
    void pushUpLeftWithTwoButtons() {
        SDL_JoystickSetVirtualAxis(stick_, 0, kMin);
        SDL_JoystickSetVirtualAxis(stick_, 1, kMin);
        SDL_JoystickSetVirtualButton(stick_, 0, SDL_PRESSED);
        SDL_JoystickSetVirtualButton(stick_, 11, SDL_PRESSED);
    }
    zembra::Joystick& joystick() { return *joystick_; }

private:
    // Closing the service quits SDL's joystick subsystem, which closes every handle and
    // unplugs every virtual joystick: nothing is left for the next test.
    std::unique_ptr<zembra::Joystick> joystick_;
    SDL_Joystick* stick_ = nullptr;
};

class FakeWorld {
public:
    void plugIn() { fake_.state = JoystickState{}; }
    void pushUpLeftWithTwoButtons() { fake_.state = JoystickState{0, 0, 1 | 2048}; }
    zembra::Joystick& joystick() { return fake_; }

private:
    testing_fakes::FakeJoystick fake_;
};

template <typename World>
using JoystickContract = testing_support::Contract<World>;

using Joysticks = ::testing::Types<SdlWorld, FakeWorld>;
TYPED_TEST_SUITE(JoystickContract, Joysticks);

TYPED_TEST(JoystickContract, ReadsNothingUntilPluggedInThenTheCentreAndTheButtonBits) {
    zembra::Joystick& joystick = this->world.joystick();
    EXPECT_EQ(joystick.poll(), std::nullopt);
    ASSERT_NO_FATAL_FAILURE(this->world.plugIn());
    EXPECT_EQ(joystick.poll(), (JoystickState{kCentre, kCentre, 0}));
    this->world.pushUpLeftWithTwoButtons();
    EXPECT_EQ(joystick.poll(), (JoystickState{0, 0, 1 | 2048}));
}

using SdlJoystick = testing_support::Contract<SdlWorld>;

// The front-end starts before the joystick is plugged in, and a cabinet's encoder can be
// swapped while it runs. None of it may queue SDL events: nobody would ever read them.
TEST_F(SdlJoystick, FollowsJoysticksPluggedInAndOut) {
    SDL_Joystick* first = world.plugIn();
    SDL_Joystick* second = world.plugIn();
    SDL_JoystickSetVirtualButton(first, 0, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(second, 3, SDL_PRESSED);
    EXPECT_EQ(world.joystick().poll(), (JoystickState{kCentre, kCentre, 1}));
    world.unplug(first);
    EXPECT_EQ(world.joystick().poll(), (JoystickState{kCentre, kCentre, 8}));
    world.unplug(second);
    EXPECT_EQ(world.joystick().poll(), std::nullopt);
    // Moved before the first poll that finds it.
    SDL_Joystick* again = world.plugIn();
    SDL_JoystickSetVirtualAxis(again, 0, kMin);
    EXPECT_EQ(world.joystick().poll(), (JoystickState{0, kCentre, 0}));
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
}

TEST_F(SdlJoystick, MapsTheFirstTwoAxesOrAHatOntoZeroTo65535) {
    constexpr int kNoHat = -1;
    const struct {
        std::vector<Sint16> axes;
        int hat;
        std::uint32_t x, y;
    } rows[] = {
        {{-1, 1}, kNoHat, 32767, 32769},
        {{kMax}, kNoHat, 65535, kCentre},                  // a missing axis stays centred
        {{0, 0, kMin, kMax}, kNoHat, kCentre, kCentre},    // axes past the second are not the stick
        {{}, SDL_HAT_LEFTUP, 0, 0},                        // many pads report their stick as a hat
        {{20000, -20000}, SDL_HAT_CENTERED, 52768, 12768}, // a centred hat leaves the axes be
        {{20000, -20000}, SDL_HAT_RIGHT, 65535, 12768},    // a pushed one overrules them
    };
    for (const auto& row : rows) {
        SDL_Joystick* stick =
            world.plugIn(static_cast<int>(row.axes.size()), 0, row.hat == kNoHat ? 0 : 1);
        for (std::size_t axis = 0; axis < row.axes.size(); ++axis)
            SDL_JoystickSetVirtualAxis(stick, static_cast<int>(axis), row.axes[axis]);
        if (row.hat != kNoHat)
            SDL_JoystickSetVirtualHat(stick, 0, static_cast<Uint8>(row.hat));
        EXPECT_EQ(world.joystick().poll(), (JoystickState{row.x, row.y, 0}))
            << "axes " << ::testing::PrintToString(row.axes) << ", hat " << row.hat;
        world.unplug(stick);
    }
}

// SDL's event loop, which comes with its joysticks, must not take Ctrl+C and SIGTERM from the
// Qt program: it would turn them into quit events nobody reads.
TEST_F(SdlJoystick, LeavesTheStopSignalsAlone) {
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

} // namespace
