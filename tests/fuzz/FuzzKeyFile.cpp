// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the zbkeys.cfg reader and checks that any bindings it gives are saved and read back
// unchanged.
#include "FuzzSupport.h"
#include "zembra/input/KeyFile.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);

    zembra::KeyBindings keys;
    const bool complete = zembra::readKeyBindings(text, keys);
    if (!complete) {
        // A short file must still leave the settings menu reachable.
        FUZZ_REQUIRE(keys.keyConfig == zembra::kFallbackConfigKey);
    }
    for (const auto* code : keys.inFileOrder()) {
        if (*code) {
            FUZZ_REQUIRE(**code >= std::numeric_limits<std::int16_t>::min() &&
                         **code <= std::numeric_limits<std::int16_t>::max());
        }
    }

    zembra::KeyBindings over;
    for (auto* code : over.inFileOrder()) {
        *code = 1234;
    }
    FUZZ_REQUIRE(zembra::readKeyBindings(text, over) == complete);
    if (complete) {
        FUZZ_REQUIRE(over == keys);
    }

    // The key file always holds all thirteen fields, so whatever was read is written in full.
    const std::string written = zembra::writeKeyBindings(keys);
    zembra::KeyBindings again;
    FUZZ_REQUIRE(zembra::readKeyBindings(written, again));
    FUZZ_REQUIRE(again == keys);
    FUZZ_REQUIRE(zembra::writeKeyBindings(again) == written);
    return 0;
}
