// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the quarn.ini reader and the message it gives for a broken file.
#include "FuzzSupport.h"
#include "zembra/startup/EmulatorConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zembra::EmulatorConfig config;
    if (const auto error =
            zembra::readEmulatorConfig(fuzzing::fileText(data, size), "quarn.ini", config))
        error->message();
    return 0;
}
