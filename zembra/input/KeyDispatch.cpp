// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/input/KeyDispatch.h"

namespace zembra {

bool exitIsBound(const KeyBindings& keys) {
    return keys.keyExit && *keys.keyExit >= 1 && *keys.keyExit <= 254;
}

std::optional<Action> dispatchKey(const KeyBindings& keys, int code) {
    if (code == kFallbackExitKey && !exitIsBound(keys)) {
        return Action::Exit;
    }
    constexpr Action order[] = {
        Action::Info,     Action::Config,  Action::Mute,     Action::Exit,     Action::Saver,
        Action::Up,       Action::Down,    Action::NextPath, Action::PrevPath, Action::NextPage,
        Action::PrevPage, Action::Refresh, Action::Select};
    for (const Action action : order) {
        if (keys.of(action) == code) {
            return action;
        }
    }
    return std::nullopt;
}

} // namespace zembra
