// SPDX-License-Identifier: GPL-3.0-or-later
// zbkeys.cfg, the file that binds each of the thirteen actions to a key.
#pragma once

#include "zembra/input/Action.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zembra {

/// Key codes are Windows virtual-key codes (Tab 9, Enter 13, Escape 27, arrows 37 to 40), so a
/// key file moves between cabinets unchanged. An action without a binding holds nothing and
/// matches no key.
struct KeyBindings {
    using Code = std::optional<int>;
    Code keyUp, keyDown, keyNextPage, keyPrevPage, keyRefresh, keyConfig, keyNextPath, keyPrevPath,
        keySelect, keyExit, keySaver, keyMute, keyInfo;

    /// The bindings in key-file order, which is the order of `Action`.
    std::array<Code*, kActionCount> inFileOrder();
    std::array<const Code*, kActionCount> inFileOrder() const;

    /// The key bound to one action.
    const Code& of(Action action) const { return *inFileOrder()[index(action)]; }

    bool operator==(const KeyBindings&) const = default;
};

/// What a binding compares as: its code, or 0 when it holds nothing.
inline int keyCode(const KeyBindings::Code& code) {
    return code.value_or(0);
}

/// Tab, the key that always reaches the settings menu when the key file is missing or short.
inline constexpr int kFallbackConfigKey = 9;

/// Reads the thirteen fields (separated by commas or line ends; blanks around them ignored).
/// When the text ends before the thirteenth, the fields read are kept and Config falls back to
/// Tab. True when all thirteen were read.
bool readKeyBindings(std::string_view text, KeyBindings& keys);

/// One line: the thirteen codes separated by commas, empty fields for unbound actions, CR LF.
std::string writeKeyBindings(const KeyBindings& keys);

/// Reads the program folder's zbkeys.cfg; a missing file leaves Config on Tab.
bool getKeys(const std::string& programFolder, KeyBindings& keys);

/// Replaces the program folder's zbkeys.cfg with all thirteen bindings.
bool saveKeys(const std::string& programFolder, const KeyBindings& keys,
              std::string* error = nullptr);

} // namespace zembra
