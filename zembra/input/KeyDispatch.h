// SPDX-License-Identifier: GPL-3.0-or-later
// Which action a key performs: the bindings are tried in a fixed order, first match wins.
#pragma once

#include "zembra/input/KeyFile.h"

#include <optional>

namespace zembra {

enum class Action {
    Up,
    Down,
    NextPage,
    PrevPage,
    Refresh,
    Config,
    NextPath,
    PrevPath,
    Select,
    Exit,
    Saver,
    Mute,
    Info
};

/// The action bound to key `code`, trying Info, Config, Mute, Exit, Invoke ScreenSaver, Up,
/// Down, Next Path, Previous Path, Next Page, Previous Page, Refresh, Select in that order.
/// An unbound action matches no key, not even the code 0 of a key without a code.
std::optional<Action> dispatchKey(const KeyBindings& keys, int code);

} // namespace zembra
