// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the quarn.cfg reader and checks that the settings it read are saved and read back
// unchanged.
#include "FuzzSupport.h"
#include "zembra/startup/UserSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);

    zembra::UserSettings settings;
    const bool complete = zembra::readUserSettings(text, settings);
    // The countdown always restarts from the delay that was read.
    FUZZ_REQUIRE(settings.ssCountdown == settings.ssDelay);

    zembra::UserSettings over{"\\stale\\", 7, 3, -1, -2, 4, true, 5, 6, 7};
    FUZZ_REQUIRE(zembra::readUserSettings(text, over) == complete);
    if (complete) {
        FUZZ_REQUIRE(over == settings);
    }

    if (!fuzzing::writable(settings.skinDir)) {
        return 0;
    }
    const std::string written = zembra::writeUserSettings(settings);
    zembra::UserSettings again;
    FUZZ_REQUIRE(zembra::readUserSettings(written, again));
    FUZZ_REQUIRE(again == settings);
    FUZZ_REQUIRE(zembra::writeUserSettings(again) == written);
    return 0;
}
