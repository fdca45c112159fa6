// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the decoding of file bytes: UTF-8 passes through, anything else is Windows-1252.
#include "FuzzSupport.h"
#include "common/text/TextFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

std::size_t asciiBytes(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view body = fuzzing::rawBytes(data, size);
    const std::string text = common::decodeText(body);
    FUZZ_REQUIRE(common::isValidUtf8(text));
    if (body.starts_with("\xEF\xBB\xBF"))
        body.remove_prefix(3);
    if (common::isValidUtf8(body)) {
        FUZZ_REQUIRE(text == body); // reaches the readers byte for byte, without the BOM
        return 0;
    }
    // One character per byte: ASCII stays itself, every other byte becomes one to three bytes,
    // and 0x80 to 0x9F become the characters Windows puts there, never C1 control characters.
    FUZZ_REQUIRE(asciiBytes(text) == asciiBytes(body));
    FUZZ_REQUIRE(text.size() >= body.size() && text.size() <= 3 * body.size());
    for (std::size_t at = text.find('\xC2'); at != std::string::npos;
         at = text.find('\xC2', at + 1))
        FUZZ_REQUIRE(static_cast<unsigned char>(text[at + 1]) >= 0xA0);
    return 0;
}
