// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the decoding of file bytes (UTF-8 or Windows-1252) against a table-driven UTF-8 check.
#include "FuzzSupport.h"
#include "common/text/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

/// UTF-8 checked by the table of well-formed byte sequences rather than by decoding, so it
/// shares no logic with the validator under test.
bool wellFormedUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    auto within = [](unsigned char c, unsigned lo, unsigned hi) { return c >= lo && c <= hi; };
    while (p < end) {
        const unsigned char c = *p;
        std::size_t length = 0;
        unsigned secondLo = 0x80;
        unsigned secondHi = 0xBF;
        if (c <= 0x7F) {
            length = 1;
        } else if (within(c, 0xC2, 0xDF)) {
            length = 2;
        } else if (c == 0xE0) {
            length = 3;
            secondLo = 0xA0;
        } else if (within(c, 0xE1, 0xEC) || within(c, 0xEE, 0xEF)) {
            length = 3;
        } else if (c == 0xED) {
            length = 3;
            secondHi = 0x9F;
        } else if (c == 0xF0) {
            length = 4;
            secondLo = 0x90;
        } else if (within(c, 0xF1, 0xF3)) {
            length = 4;
        } else if (c == 0xF4) {
            length = 4;
            secondHi = 0x8F;
        } else {
            return false;
        }
        if (static_cast<std::size_t>(end - p) < length) {
            return false;
        }
        if (length > 1 && !within(p[1], secondLo, secondHi)) {
            return false;
        }
        for (std::size_t i = 2; i < length; ++i) {
            if (!within(p[i], 0x80, 0xBF)) {
                return false;
            }
        }
        p += length;
    }
    return true;
}

/// Code points of well-formed UTF-8.
std::u32string codePoints(std::string_view text) {
    std::u32string out;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char c = *p;
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t value = length == 1   ? c
                         : length == 2 ? c & 0x1F
                         : length == 3 ? c & 0x0F
                                       : c & 0x07;
        for (int i = 1; i < length; ++i) {
            value = (value << 6) | (p[i] & 0x3F);
        }
        out += value;
        p += length;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzzing::rawBytes(data, size);
    FUZZ_REQUIRE(common::isValidUtf8(bytes) == wellFormedUtf8(bytes));

    std::string_view body = bytes;
    if (body.starts_with("\xEF\xBB\xBF")) {
        body.remove_prefix(3);
    }
    const std::string text = common::decodeText(bytes);
    FUZZ_REQUIRE(wellFormedUtf8(text));
    if (wellFormedUtf8(body)) {
        // Text that already is UTF-8 must reach the readers byte for byte.
        FUZZ_REQUIRE(text == body);
        return 0;
    }

    // Otherwise every byte is one Windows-1252 character: plain ASCII and Latin-1 letters map
    // to themselves, and 0x80 to 0x9F never come out as C1 control characters.
    const std::u32string decoded = codePoints(text);
    FUZZ_REQUIRE(decoded.size() == body.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        const auto byte = static_cast<unsigned char>(body[i]);
        if (byte < 0x80 || byte >= 0xA0) {
            FUZZ_REQUIRE(decoded[i] == byte);
        } else {
            FUZZ_REQUIRE(decoded[i] > 0xFF);
        }
    }
    return 0;
}
