// SPDX-License-Identifier: GPL-3.0-or-later
// Which action a key performs: the bindings are tried in a fixed order, first match wins.
#pragma once

#include "zembra/input/Action.h"
#include "zembra/input/KeyFile.h"

#include <optional>

namespace zembra {

/// The action bound to key `code`, trying Info, Config, Mute, Exit, Invoke ScreenSaver, Up,
/// Down, Next Path, Previous Path, Next Page, Previous Page, Refresh, Select in that order.
/// An unbound action matches no key, not even the code 0 of a key without a code.
/// The browser can always be left: while no key is bound to Exit, Escape is Exit, before any
/// other binding of Escape.
std::optional<Action> dispatchKey(const KeyBindings& keys, int code);

/// Escape, the key that leaves when the key file binds nothing to Exit.
inline constexpr int kFallbackExitKey = 27;

/// Whether Exit is bound to a key a keyboard can send (a code from 1 to 254).
bool exitIsBound(const KeyBindings& keys);

} // namespace zembra
