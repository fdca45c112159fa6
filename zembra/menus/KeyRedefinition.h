// SPDX-License-Identifier: GPL-3.0-or-later
// Binding all thirteen actions again, one key after the other, without the window.
#pragma once

#include "zembra/input/KeyFile.h"

#include <array>
#include <string>
#include <string_view>

namespace zembra {

inline constexpr std::string_view kKeyPromptPrefix = "Press Key for ";
inline constexpr std::string_view kKeySavingText = "Saving:.....  ";

/// What each action is asked for, in key-file order.
inline constexpr std::array<std::string_view, 13> kKeyPrompts{
    "Up :",      "Down :",   "Next Page :",           "Previous Page :",
    "Refresh :", "Config :", "Next Path :",           "Previous Path :",
    "Select:  ", "Exit:  ",  "Invoke ScreenSaver:  ", "Mute:  ",
    "Info:  "};

/// Asks for the thirteen keys in key-file order. Every key is taken, Escape and keys already
/// bound included; there is no skipping or going back. The bindings not yet asked for keep
/// their old keys.
class KeyRedefinition {
public:
    explicit KeyRedefinition(KeyBindings current) : keys_(std::move(current)) {}

    /// The action whose key is awaited, 1 to 13; 14 once all are taken.
    int step() const { return step_; }
    bool complete() const { return step_ > 13; }

    /// The prompt, or the saving text after the thirteenth key.
    std::string caption() const;

    /// Binds the awaited action to `keyCode` and moves on; nothing once complete. True when
    /// this was the thirteenth key, the moment to save the key file.
    bool take(int keyCode);

    const KeyBindings& bindings() const { return keys_; }

private:
    KeyBindings keys_;
    int step_ = 1;
};

/// Writes the complete key file once all thirteen keys are taken (replacing the old one
/// whole); false, with the reason, when it could not be written or the keys are not complete.
bool saveRedefinedKeys(const KeyRedefinition& redefinition, const std::string& programFolder,
                       std::string* error = nullptr);

} // namespace zembra
