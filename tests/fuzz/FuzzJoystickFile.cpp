// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the joystick.ini reader against the rule it documents, item by item.
#include "FuzzSupport.h"
#include "common/text/ItemReader.h"
#include "zembra/input/JoystickFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);
    const zembra::JoyWords actions = zembra::readJoyWords(text);

    // The documented rule: blank items and items opening with an apostrophe are comments;
    // an item shorter than its seven-character label ends the reading; the others give the
    // entries in order, label dropped and blanks trimmed. Characters are counted, not bytes: the
    // label ends before the eighth byte that does not continue a UTF-8 character.
    common::ItemReader items(text);
    std::size_t index = 0;
    while (index < actions.size()) {
        const auto item = items.next();
        if (!item) {
            break;
        }
        if (item->empty() || item->front() == '\'') {
            continue;
        }
        std::size_t labelEnd = item->size();
        for (std::size_t at = 0, characters = 0; at < item->size(); ++at) {
            if ((static_cast<unsigned char>((*item)[at]) & 0xC0) != 0x80 && characters++ == 7) {
                labelEnd = at;
                break;
            }
        }
        const bool shorter =
            labelEnd == item->size() && std::count_if(item->begin(), item->end(), [](char c) {
                                            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                                        }) < 7;
        if (shorter) {
            break;
        }
        const std::string& entry = actions[index++];
        FUZZ_REQUIRE(entry.empty() || (!isBlank(entry.front()) && !isBlank(entry.back())));
        const std::string rest = item->substr(labelEnd);
        const auto first = rest.find_first_not_of(" \t");
        const std::string expected =
            first == std::string::npos
                ? std::string()
                : rest.substr(first, rest.find_last_not_of(" \t") - first + 1);
        FUZZ_REQUIRE(entry == expected);
    }
    for (; index < actions.size(); ++index) {
        FUZZ_REQUIRE(actions[index].empty());
    }
    return 0;
}
