// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/input/KeyFile.h"

#include "common/text/AtomicFile.h"
#include "common/text/ItemReader.h"
#include "common/text/NativePath.h"
#include "common/text/Numbers.h"
#include "common/text/Strings.h"
#include "common/text/TextFile.h"

namespace zembra {
namespace {

std::string keyFile(const std::string& programFolder) {
    return common::nativePathText(programFolder + "\\zbkeys.cfg");
}

/// An empty field, or one that is not a whole key number, binds nothing.
KeyBindings::Code parseCode(std::string_view field) {
    const auto number = common::parseNumber(field);
    const auto code = number ? common::toInt16(*number) : std::nullopt;
    return code ? KeyBindings::Code(*code) : std::nullopt;
}

} // namespace

std::array<KeyBindings::Code*, kActionCount> KeyBindings::inFileOrder() {
    return {&keyUp,     &keyDown,     &keyNextPage, &keyPrevPage, &keyRefresh,
            &keyConfig, &keyNextPath, &keyPrevPath, &keySelect,   &keyExit,
            &keySaver,  &keyMute,     &keyInfo};
}

std::array<const KeyBindings::Code*, kActionCount> KeyBindings::inFileOrder() const {
    auto* self = const_cast<KeyBindings*>(this);
    const auto codes = self->inFileOrder();
    std::array<const Code*, kActionCount> out{};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        out[i] = codes[i];
    }
    return out;
}

bool readKeyBindings(std::string_view text, KeyBindings& keys) {
    common::ItemReader items(text);
    for (auto* code : keys.inFileOrder()) {
        const auto field = items.next();
        if (!field) {
            keys.keyConfig = kFallbackConfigKey;
            return false;
        }
        *code = parseCode(*field);
    }
    return true;
}

std::string writeKeyBindings(const KeyBindings& keys) {
    std::string line;
    bool first = true;
    for (const auto* code : keys.inFileOrder()) {
        if (!first) {
            line += ',';
        }
        first = false;
        if (*code) {
            line += std::to_string(**code);
        }
    }
    return line + "\r\n";
}

bool getKeys(const std::string& programFolder, KeyBindings& keys) {
    const auto text = common::loadTextFile(keyFile(programFolder));
    if (!text) {
        keys.keyConfig = kFallbackConfigKey;
        return false;
    }
    return readKeyBindings(*text, keys);
}

bool saveKeys(const std::string& programFolder, const KeyBindings& keys, std::string* error) {
    return common::writeFileAtomically(keyFile(programFolder), writeKeyBindings(keys), error);
}

} // namespace zembra
