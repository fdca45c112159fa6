// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the decoding of file bytes: UTF-8 passes through, anything else is Windows-1252.
#include "FuzzSupport.h"
#include "common/text/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

/// Well-formed UTF-8 by the table of valid byte sequences (lead byte, then the range of the
/// second byte), not by decoding: it shares no logic with the validator under test.
bool wellFormedUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || text.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view body = fuzzing::rawBytes(data, size);
    FUZZ_REQUIRE(common::isValidUtf8(body) == wellFormedUtf8(body));
    const std::string text = common::decodeText(body);
    FUZZ_REQUIRE(wellFormedUtf8(text));
    if (body.starts_with("\xEF\xBB\xBF"))
        body.remove_prefix(3);
    if (wellFormedUtf8(body)) {
        FUZZ_REQUIRE(text == body); // reaches the readers byte for byte, without the BOM
        return 0;
    }
    // One character per byte: ASCII and Latin-1 stand for themselves, and 0x80 to 0x9F become
    // the characters Windows puts there, never C1 control characters (U+0080 to U+009F). The
    // text is well-formed, so each lead byte comes with the rest of its character.
    std::size_t at = 0;
    for (const unsigned char b : body) {
        FUZZ_REQUIRE(at < text.size());
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const unsigned point = length == 1   ? lead
                               : length == 2 ? (lead & 0x1Fu) << 6 | (text[at + 1] & 0x3Fu)
                                             : 0x800u;
        FUZZ_REQUIRE(b >= 0x80 && b < 0xA0 ? point > 0xFF : point == b);
        at += length;
    }
    FUZZ_REQUIRE(at == text.size());
    return 0;
}
