// SPDX-License-Identifier: GPL-3.0-or-later
// What every joystick promises the windows' polls, held against SDL's virtual joysticks and
// against the fake the window tests use.
#include "tests/fakes/FakeJoystick.h"
#include "tests/support/Contract.h"
#include "tests/support/Waiting.h"
#include "zembra/platform/Joystick.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

class SdlWorld {
public:
    SdlWorld() : joystick_(zembra::makeJoystick()) {
        // The service starts SDL on a thread of its own; the contract is tried once it has.
        testing_support::waitUntil([] { return SDL_WasInit(SDL_INIT_JOYSTICK) != 0; },
                                   std::chrono::seconds(10));
    }
    const char* missing() const {
        return SDL_WasInit(SDL_INIT_JOYSTICK) == 0 || SDL_NumJoysticks() > 0
                   ? "needs SDL's joystick subsystem and no real joystick attached"
                   : "";
    }
    void plugIn() {
        stick_ =
            SDL_JoystickOpen(SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_ARCADE_STICK, 2, 12, 0));
        ASSERT_NE(stick_, nullptr) << SDL_GetError();
    }
    /// Pushes the stick to the top left corner and presses the first and the twelfth button.
    void pushUpLeftWithTwoButtons() {
        SDL_JoystickSetVirtualAxis(stick_, 0, SDL_JOYSTICK_AXIS_MIN);
        SDL_JoystickSetVirtualAxis(stick_, 1, SDL_JOYSTICK_AXIS_MIN);
        SDL_JoystickSetVirtualButton(stick_, 0, SDL_PRESSED);
        SDL_JoystickSetVirtualButton(stick_, 11, SDL_PRESSED);
    }
    zembra::Joystick& joystick() { return *joystick_; }

private:
    // Closing the service quits SDL's joystick subsystem, which unplugs the virtual joysticks.
    std::unique_ptr<zembra::Joystick> joystick_;
    SDL_Joystick* stick_ = nullptr;
};

class FakeWorld {
public:
    void plugIn() { fake_.state = zembra::JoystickState{}; }
    void pushUpLeftWithTwoButtons() { fake_.state = zembra::JoystickState{0, 0, 1 | 2048}; }
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
    EXPECT_EQ(joystick.poll(), (zembra::JoystickState{32768, 32768, 0}));
    this->world.pushUpLeftWithTwoButtons();
    EXPECT_EQ(joystick.poll(), (zembra::JoystickState{0, 0, 1 | 2048}));
}

} // namespace
