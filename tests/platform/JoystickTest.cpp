// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL joystick service against SDL's virtual joysticks: hot-plug, axis scale and buttons.
#include "zembra/platform/Joystick.h"

#include "tests/support/Waiting.h"

#include <SDL2/SDL.h>
#include <csignal>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr std::uint32_t kCentre = 32768;
constexpr Sint16 kMin = SDL_JOYSTICK_AXIS_MIN;
constexpr Sint16 kMax = SDL_JOYSTICK_AXIS_MAX;

class JoystickTest : public ::testing::Test {
protected:
    void SetUp() override {
        joystick_ = zembra::makeJoystick();
        // The service starts SDL on a thread of its own; the tests begin once it has.
        testing_support::waitUntil([] { return SDL_WasInit(SDL_INIT_JOYSTICK) != 0; },
                                   std::chrono::seconds(10));
        if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0 || SDL_NumJoysticks() > 0)
            GTEST_SKIP() << "needs SDL's joystick subsystem and no real joystick attached";
    }

    // Closing the service quits SDL's joystick subsystem, which closes every handle and
    // unplugs every virtual joystick: nothing is left for the next test.

    /// Plugs in a virtual joystick and returns a handle for moving it.
    SDL_Joystick* plugIn(int axes, int buttons, int hats = 0) {
        const int index =
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_ARCADE_STICK, axes, buttons, hats);
        SDL_Joystick* handle = SDL_JoystickOpen(index);
        EXPECT_NE(handle, nullptr) << SDL_GetError();
        return handle;
    }

    void unplug(SDL_Joystick* handle) {
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == SDL_JoystickInstanceID(handle))
                SDL_JoystickDetachVirtual(index);
        }
    }

    std::optional<zembra::JoystickState> poll() { return joystick_->poll(); }

    std::unique_ptr<zembra::Joystick> joystick_;
};

zembra::JoystickState at(std::uint32_t x, std::uint32_t y, std::uint32_t buttons = 0) {
    return zembra::JoystickState{x, y, buttons};
}

// The front-end starts before the joystick is plugged in, and a cabinet's encoder can be
// swapped while it runs. None of it may queue SDL events: nobody would ever read them.
TEST_F(JoystickTest, FollowsJoysticksPluggedInAndOut) {
    EXPECT_EQ(poll(), std::nullopt);
    SDL_Joystick* first = plugIn(2, 4);
    SDL_Joystick* second = plugIn(2, 4);
    SDL_JoystickSetVirtualButton(first, 0, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(second, 3, SDL_PRESSED);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 1));
    unplug(first);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 8));
    unplug(second);
    EXPECT_EQ(poll(), std::nullopt);
    // Moved before the first poll that finds it.
    SDL_Joystick* again = plugIn(2, 4);
    SDL_JoystickSetVirtualAxis(again, 0, kMin);
    SDL_JoystickSetVirtualButton(again, 1, SDL_PRESSED);
    EXPECT_EQ(poll(), at(0, kCentre, 2));
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
}

TEST_F(JoystickTest, MapsTheFirstTwoAxesOrAHatOntoZeroTo65535) {
    constexpr int kNoHat = -1;
    const struct {
        std::vector<Sint16> axes;
        int hat;
        std::uint32_t x, y;
    } rows[] = {
        {{0, 0}, kNoHat, kCentre, kCentre},
        {{kMin, kMax}, kNoHat, 0, 65535},
        {{-1, 1}, kNoHat, 32767, 32769},
        {{kMax}, kNoHat, 65535, kCentre},               // a missing axis stays centred
        {{0, 0, kMin, kMax}, kNoHat, kCentre, kCentre}, // axes past the second are not the stick
        {{}, SDL_HAT_LEFTUP, 0, 0},                     // many pads report their stick as a hat
        {{}, SDL_HAT_RIGHTDOWN, 65535, 65535},
        {{20000, -20000}, SDL_HAT_CENTERED, 52768, 12768}, // a centred hat leaves the axes be
        {{20000, -20000}, SDL_HAT_LEFT, 0, 12768},         // a pushed one overrules them
    };
    for (const auto& row : rows) {
        SDL_Joystick* stick =
            plugIn(static_cast<int>(row.axes.size()), 0, row.hat == kNoHat ? 0 : 1);
        for (std::size_t axis = 0; axis < row.axes.size(); ++axis)
            SDL_JoystickSetVirtualAxis(stick, static_cast<int>(axis), row.axes[axis]);
        if (row.hat != kNoHat)
            SDL_JoystickSetVirtualHat(stick, 0, static_cast<Uint8>(row.hat));
        EXPECT_EQ(poll(), at(row.x, row.y))
            << "axes " << ::testing::PrintToString(row.axes) << ", hat " << row.hat;
        unplug(stick);
    }
}

// One bit a button for the first twelve (JoystickContract); buttons past them are not reported.
TEST_F(JoystickTest, ButtonsPastTheTwelfthAreLeftOut) {
    SDL_Joystick* stick = plugIn(2, 16);
    for (int button = 0; button < 16; ++button)
        SDL_JoystickSetVirtualButton(stick, button, SDL_PRESSED);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 0xFFF));
}

// SDL's event loop, which comes with its joysticks, must not take Ctrl+C and SIGTERM from the
// Qt program: it would turn them into quit events nobody reads.
TEST_F(JoystickTest, LeavesTheStopSignalsAlone) {
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

} // namespace
