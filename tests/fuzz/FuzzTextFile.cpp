// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the decoding of file bytes: UTF-8 passes through, anything else is Windows-1252.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!common::isValidUtf8(fuzzing::fileText(data, size)))
        __builtin_trap(); // every reader relies on getting valid UTF-8
    return 0;
}
