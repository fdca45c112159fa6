// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the quarn.ini reader: it either reports where the file goes wrong, leaving the old
// configuration alone, or gives a configuration with every fallback filled in.
#include "FuzzSupport.h"
#include "zembra/startup/EmulatorConfig.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);

    zembra::EmulatorConfig config;
    config.mameDir = "stale\\";
    config.pathTitle[3] = "stale title";
    config.runWidth = 123;
    const auto error = zembra::readEmulatorConfig(text, "quarn.ini", config);

    if (error) {
        // Nothing of a broken file may be taken.
        FUZZ_REQUIRE(config.mameDir == "stale\\");
        FUZZ_REQUIRE(config.pathTitle[3] == "stale title");
        FUZZ_REQUIRE(config.runWidth == 123);
        FUZZ_REQUIRE(error->file == "quarn.ini");
        FUZZ_REQUIRE(error->line >= 1);
        FUZZ_REQUIRE(!error->expected.empty() && !error->problem.empty());
        const std::string message = error->message();
        FUZZ_REQUIRE(message.starts_with("quarn.ini, line "));
        // Whatever the file holds, the message carries no control character to a terminal.
        FUZZ_REQUIRE(std::none_of(message.begin(), message.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        }));
        return 0;
    }

    for (const float value : {config.runWidth, config.runHeight, config.exitRefresh,
                              config.exitDepth, config.runRefresh, config.runDepth}) {
        FUZZ_REQUIRE(std::isfinite(value));
    }
    // Every path has a program, and unused paths borrow path 1's title, folders and logo.
    for (int n = 1; n <= 20; ++n) {
        FUZZ_REQUIRE(!config.pathExe[n].empty());
        FUZZ_REQUIRE(config.pathTitle[1].empty() || !config.pathTitle[n].empty());
        FUZZ_REQUIRE(config.pathArtDir[1].empty() || !config.pathArtDir[n].empty());
        FUZZ_REQUIRE(
            fuzzing::trimmed(config.pathRomPrefix[n]) && fuzzing::trimmed(config.pathExe[n]) &&
            fuzzing::trimmed(config.pathTitle[n]) && fuzzing::trimmed(config.pathLogo[n]) &&
            fuzzing::trimmed(config.pathEmuDir[n]) && fuzzing::trimmed(config.pathArtDir[n]));
    }
    // A refresh rate and depth are only used as a pair: a half-given pair is taken from the
    // other mode.
    FUZZ_REQUIRE((config.exitDepth > 0 && config.exitRefresh > 0) ||
                 (config.exitDepth == config.runDepth && config.exitRefresh == config.runRefresh));
    return 0;
}
