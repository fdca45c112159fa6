// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL joystick service against SDL's virtual joysticks: hot-plug, axis scale and buttons.
#include "zembra/platform/Joystick.h"

#include <SDL2/SDL.h>
#include <csignal>
#include <gtest/gtest.h>
#include <vector>

namespace {

using zembra::JoystickState;

constexpr std::uint32_t kCentre = 32768;

class JoystickTest : public ::testing::Test {
protected:
    void SetUp() override {
        joystick_ = zembra::makeJoystick();
        if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0)
            GTEST_SKIP() << "SDL's joystick subsystem cannot start here";
        if (SDL_NumJoysticks() > 0)
            GTEST_SKIP() << "a real joystick is attached; these tests need none";
    }

    void TearDown() override {
        for (SDL_Joystick* handle : handles_)
            SDL_JoystickClose(handle);
        for (int index = SDL_NumJoysticks() - 1; index >= 0; --index) {
            if (SDL_JoystickIsVirtual(index))
                SDL_JoystickDetachVirtual(index);
        }
    }

    /// Plugs in a virtual joystick and returns the test's own handle for moving it.
    SDL_Joystick* plugIn(int axes, int buttons, int hats = 0) {
        const int index =
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_ARCADE_STICK, axes, buttons, hats);
        EXPECT_GE(index, 0) << SDL_GetError();
        SDL_Joystick* handle = SDL_JoystickOpen(index);
        EXPECT_NE(handle, nullptr) << SDL_GetError();
        handles_.push_back(handle);
        return handle;
    }

    /// Unplugs the virtual joystick behind `handle`.
    void unplug(SDL_Joystick* handle) {
        const SDL_JoystickID id = SDL_JoystickInstanceID(handle);
        std::erase(handles_, handle);
        SDL_JoystickClose(handle);
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == id) {
                SDL_JoystickDetachVirtual(index);
                return;
            }
        }
        ADD_FAILURE() << "joystick " << id << " was not attached";
    }

    std::optional<JoystickState> poll() { return joystick_->poll(); }

    std::unique_ptr<zembra::Joystick> joystick_;
    std::vector<SDL_Joystick*> handles_;
};

JoystickState at(std::uint32_t x, std::uint32_t y, std::uint32_t buttons = 0) {
    return JoystickState{x, y, buttons};
}

// Plugging and unplugging: the front-end starts before the joystick is plugged in, and a
// cabinet's encoder can be swapped while it runs.

TEST_F(JoystickTest, ReportsNothingWithoutAJoystick) {
    EXPECT_EQ(poll(), std::nullopt);
    EXPECT_EQ(poll(), std::nullopt);
}

TEST_F(JoystickTest, FindsAJoystickPluggedInLaterAndLosesItWhenUnplugged) {
    EXPECT_EQ(poll(), std::nullopt);
    SDL_Joystick* stick = plugIn(2, 4);
    EXPECT_EQ(poll(), at(kCentre, kCentre));
    unplug(stick);
    EXPECT_EQ(poll(), std::nullopt);
    EXPECT_EQ(poll(), std::nullopt);

    SDL_Joystick* again = plugIn(2, 4);
    SDL_JoystickSetVirtualButton(again, 1, SDL_PRESSED);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 2));
}

TEST_F(JoystickTest, ReadsAJoystickAlreadyMovedWhenFirstFound) {
    SDL_Joystick* stick = plugIn(2, 4);
    SDL_JoystickSetVirtualAxis(stick, 0, SDL_JOYSTICK_AXIS_MIN);
    SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
    EXPECT_EQ(poll(), at(0, kCentre, 1));
}

TEST_F(JoystickTest, MovesOnToTheRemainingJoystickWhenTheFirstIsUnplugged) {
    SDL_Joystick* first = plugIn(2, 4);
    SDL_Joystick* second = plugIn(2, 4);
    SDL_JoystickSetVirtualButton(first, 0, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(second, 3, SDL_PRESSED);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 1));
    unplug(first);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 8));
}

// The stick's position: SDL's signed axes on the front-end's 0 to 65535 scale.

TEST_F(JoystickTest, MapsBothAxesOntoTheFullScaleWithoutSwappingThem) {
    SDL_Joystick* stick = plugIn(2, 0);
    EXPECT_EQ(poll(), at(kCentre, kCentre));
    SDL_JoystickSetVirtualAxis(stick, 0, SDL_JOYSTICK_AXIS_MIN);
    SDL_JoystickSetVirtualAxis(stick, 1, SDL_JOYSTICK_AXIS_MAX);
    EXPECT_EQ(poll(), at(0, 65535));
    SDL_JoystickSetVirtualAxis(stick, 0, SDL_JOYSTICK_AXIS_MAX);
    SDL_JoystickSetVirtualAxis(stick, 1, SDL_JOYSTICK_AXIS_MIN);
    EXPECT_EQ(poll(), at(65535, 0));
    SDL_JoystickSetVirtualAxis(stick, 0, -1);
    SDL_JoystickSetVirtualAxis(stick, 1, 1);
    EXPECT_EQ(poll(), at(32767, 32769));
    SDL_JoystickSetVirtualAxis(stick, 0, 0);
    SDL_JoystickSetVirtualAxis(stick, 1, 0);
    EXPECT_EQ(poll(), at(kCentre, kCentre));
}

TEST_F(JoystickTest, ReadsOnlyTheFirstTwoAxes) {
    SDL_Joystick* stick = plugIn(4, 0);
    SDL_JoystickSetVirtualAxis(stick, 2, SDL_JOYSTICK_AXIS_MIN);
    SDL_JoystickSetVirtualAxis(stick, 3, SDL_JOYSTICK_AXIS_MAX);
    EXPECT_EQ(poll(), at(kCentre, kCentre));
}

TEST_F(JoystickTest, CentresTheAxesAJoystickLacks) {
    SDL_Joystick* stick = plugIn(1, 2);
    SDL_JoystickSetVirtualAxis(stick, 0, SDL_JOYSTICK_AXIS_MAX);
    EXPECT_EQ(poll(), at(65535, kCentre));
}

TEST_F(JoystickTest, TakesAHatAsTheStick) {
    SDL_Joystick* pad = plugIn(0, 2, 1);
    EXPECT_EQ(poll(), at(kCentre, kCentre));
    SDL_JoystickSetVirtualHat(pad, 0, SDL_HAT_LEFTUP);
    EXPECT_EQ(poll(), at(0, 0));
    SDL_JoystickSetVirtualHat(pad, 0, SDL_HAT_RIGHTDOWN);
    EXPECT_EQ(poll(), at(65535, 65535));
    SDL_JoystickSetVirtualHat(pad, 0, SDL_HAT_DOWN);
    EXPECT_EQ(poll(), at(kCentre, 65535));
    SDL_JoystickSetVirtualHat(pad, 0, SDL_HAT_CENTERED);
    EXPECT_EQ(poll(), at(kCentre, kCentre));
}

TEST_F(JoystickTest, LetsAPushedHatOverruleTheAxesButNotACentredOne) {
    SDL_Joystick* pad = plugIn(2, 0, 1);
    SDL_JoystickSetVirtualAxis(pad, 0, 20000);
    SDL_JoystickSetVirtualAxis(pad, 1, -20000);
    EXPECT_EQ(poll(), at(52768, 12768));
    SDL_JoystickSetVirtualHat(pad, 0, SDL_HAT_LEFT);
    EXPECT_EQ(poll(), at(0, 12768));
}

// Buttons: the first twelve, one bit each.

TEST_F(JoystickTest, ReportsButtonsHeldTogetherAndTheirRelease) {
    SDL_Joystick* stick = plugIn(2, 12);
    SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(stick, 11, SDL_PRESSED);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 1 | 2048));
    SDL_JoystickSetVirtualButton(stick, 0, SDL_RELEASED);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 2048));
    SDL_JoystickSetVirtualButton(stick, 11, SDL_RELEASED);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 0));
}

TEST_F(JoystickTest, IgnoresButtonsPastTheTwelfth) {
    SDL_Joystick* stick = plugIn(2, 16);
    SDL_JoystickSetVirtualButton(stick, 12, SDL_PRESSED);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 0));
    for (int button = 0; button < 16; ++button)
        SDL_JoystickSetVirtualButton(stick, button, SDL_PRESSED);
    EXPECT_EQ(poll(), at(kCentre, kCentre, 0xFFF));
}

// Living inside a Qt program that reads no SDL events.

TEST_F(JoystickTest, LeavesTheProgramsStopSignalsAlone) {
    struct sigaction action {};
    ASSERT_EQ(sigaction(SIGINT, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
}

TEST_F(JoystickTest, QueuesNoEventsThatNobodyReads) {
    SDL_Joystick* stick = plugIn(2, 4, 1);
    for (int step = 0; step < 4; ++step) {
        SDL_JoystickSetVirtualAxis(stick, 0, static_cast<Sint16>(step * 1000));
        SDL_JoystickSetVirtualButton(stick, step, SDL_PRESSED);
        SDL_JoystickSetVirtualHat(stick, 0, SDL_HAT_UP);
        ASSERT_TRUE(poll().has_value());
    }
    unplug(stick);
    EXPECT_EQ(poll(), std::nullopt);
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
}

} // namespace
