// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the joystick.ini reader against the rule it documents, item by item.
#include "FuzzSupport.h"
#include "common/text/ItemReader.h"
#include "zembra/input/JoystickFile.h"

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
    const zembra::JoyActions actions = zembra::readJoyActions(text);

    // The documented rule: blank items and items opening with an apostrophe are comments;
    // an item shorter than its seven-character label ends the reading; the others give the
    // entries in order, label dropped and blanks trimmed.
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
        if (item->size() < 7) {
            break;
        }
        const std::string& entry = actions[index++];
        FUZZ_REQUIRE(entry.empty() || (!isBlank(entry.front()) && !isBlank(entry.back())));
        const std::string rest = item->substr(7);
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
