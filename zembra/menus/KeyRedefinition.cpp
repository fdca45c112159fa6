// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/KeyRedefinition.h"

namespace zembra {

std::string KeyRedefinition::caption() const {
    if (complete()) {
        return std::string(kKeySavingText);
    }
    return std::string(kKeyPromptPrefix) +
           std::string(kKeyPrompts[static_cast<std::size_t>(step_ - 1)]);
}

bool KeyRedefinition::take(int keyCode) {
    if (complete()) {
        return false;
    }
    *keys_.inFileOrder()[static_cast<std::size_t>(step_ - 1)] = keyCode;
    ++step_;
    return complete();
}

bool saveRedefinedKeys(const KeyRedefinition& redefinition, const std::string& programFolder,
                       std::string* error) {
    if (!redefinition.complete()) {
        if (error != nullptr) {
            *error = "not every key has been pressed yet";
        }
        return false;
    }
    return saveKeys(programFolder, redefinition.bindings(), error);
}

} // namespace zembra
