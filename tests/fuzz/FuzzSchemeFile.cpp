// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the scheme.cfg reader and checks that whatever it read is saved and read back unchanged.
#include "FuzzSupport.h"
#include "common/skin/SchemeFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);

    common::Scheme scheme;
    const bool complete = common::readScheme(text, scheme);

    common::Scheme over{"stale", 99.5f, 1, 2, 3};
    FUZZ_REQUIRE(common::readScheme(text, over) == complete);
    if (complete) {
        FUZZ_REQUIRE(over == scheme);
    }

    if (!fuzzing::writable(scheme.fontName)) {
        return 0;
    }
    const std::string written = common::writeScheme(scheme);
    common::Scheme again;
    FUZZ_REQUIRE(common::readScheme(written, again));
    FUZZ_REQUIRE(again == scheme);
    FUZZ_REQUIRE(common::writeScheme(again) == written);
    return 0;
}
