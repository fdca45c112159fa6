// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the small settings readers (scheme.cfg, quarn.cfg, zbkeys.cfg, joystick.ini) with the
// same bytes: a complete read replaces every value, and what was read saves and reads back.
#include "FuzzSupport.h"
#include "common/skin/SchemeFile.h"
#include "zembra/input/JoystickFile.h"
#include "zembra/input/KeyFile.h"
#include "zembra/startup/UserSettings.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace {

/// Read onto defaults and onto stale values, the same completeness and, when complete, the same
/// values; then written, read back and written again unchanged.
template <typename Value, typename Read, typename Write>
Value roundTrip(const std::string& text, Value stale, Read read, Write write,
                bool canWrite = true) {
    Value value;
    const bool complete = read(text, value);
    FUZZ_REQUIRE(read(text, stale) == complete);
    FUZZ_REQUIRE(!complete || stale == value);
    if (canWrite) {
        const std::string written = write(value);
        Value again;
        FUZZ_REQUIRE(read(written, again) && again == value && write(again) == written);
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);

    common::Scheme scheme;
    common::readScheme(text, scheme);
    roundTrip(text, common::Scheme{"stale", 99.5f, 1, 2, 3}, common::readScheme,
              common::writeScheme, fuzzing::writable(scheme.fontName));

    zembra::UserSettings user;
    zembra::readUserSettings(text, user);
    // The countdown always restarts from the delay that was read.
    FUZZ_REQUIRE(user.ssCountdown == user.ssDelay);
    roundTrip(text, zembra::UserSettings{"\\stale\\", 7, 3, -1, -2, 4, true, 5, 6, 7},
              zembra::readUserSettings, zembra::writeUserSettings, fuzzing::writable(user.skinDir));

    zembra::KeyBindings staleKeys;
    for (auto* code : staleKeys.inFileOrder())
        *code = 1234;
    zembra::KeyBindings keys;
    // A short key file must still leave the settings menu reachable.
    FUZZ_REQUIRE(zembra::readKeyBindings(text, keys) ||
                 keys.keyConfig == zembra::kFallbackConfigKey);
    for (const auto* code : keys.inFileOrder()) {
        FUZZ_REQUIRE(!*code || (**code >= std::numeric_limits<std::int16_t>::min() &&
                                **code <= std::numeric_limits<std::int16_t>::max()));
    }
    roundTrip(text, staleKeys, zembra::readKeyBindings, zembra::writeKeyBindings);

    // joystick.ini: entries are trimmed words of the text, and a comment line before the text
    // changes none of them.
    const zembra::JoyWords actions = zembra::readJoyWords(text);
    for (const std::string& entry : actions)
        FUZZ_REQUIRE(fuzzing::trimmed(entry) && text.find(entry) != std::string::npos);
    FUZZ_REQUIRE(zembra::readJoyWords("' a comment\r\n" + text) == actions);
    return 0;
}
