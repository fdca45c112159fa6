// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/input/KeyDispatch.h"

#include <utility>

namespace zembra {

bool exitIsBound(const KeyBindings& keys) {
    return keys.keyExit && *keys.keyExit >= 1 && *keys.keyExit <= 254;
}

std::optional<Action> dispatchKey(const KeyBindings& keys, int code) {
    if (code == kFallbackExitKey && !exitIsBound(keys)) {
        return Action::Exit;
    }
    const std::pair<const KeyBindings::Code*, Action> order[] = {
        {&keys.keyInfo, Action::Info},         {&keys.keyConfig, Action::Config},
        {&keys.keyMute, Action::Mute},         {&keys.keyExit, Action::Exit},
        {&keys.keySaver, Action::Saver},       {&keys.keyUp, Action::Up},
        {&keys.keyDown, Action::Down},         {&keys.keyNextPath, Action::NextPath},
        {&keys.keyPrevPath, Action::PrevPath}, {&keys.keyNextPage, Action::NextPage},
        {&keys.keyPrevPage, Action::PrevPage}, {&keys.keyRefresh, Action::Refresh},
        {&keys.keySelect, Action::Select},
    };
    for (const auto& [binding, action] : order) {
        if (*binding && **binding == code) {
            return action;
        }
    }
    return std::nullopt;
}

} // namespace zembra
