// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/input/JoystickPoll.h"

namespace zembra {

std::vector<int> joystickInputs(const JoystickState& state) {
    std::vector<int> inputs;
    if (state.y > 40000) {
        inputs.push_back(13);
    }
    if (state.y < 20000) {
        inputs.push_back(12);
    }
    if (state.x > 40000) {
        inputs.push_back(15);
    }
    if (state.x < 20000) {
        inputs.push_back(14);
    }
    for (int button = 0; button < 12; ++button) {
        if (state.buttons == (1u << button)) {
            inputs.push_back(button);
        }
    }
    return inputs;
}

std::uint32_t checkExitbut(const JoyBindings& bindings, std::uint32_t current) {
    return bindings.exitButton != 0 ? bindings.exitButton : current;
}

} // namespace zembra
