// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/input/JoystickFile.h"

#include "common/text/ItemReader.h"
#include "common/text/NativePath.h"
#include "common/text/Strings.h"
#include "common/text/TextFile.h"

namespace zembra {

namespace {
constexpr std::size_t kLabelWidth = 7;
}

JoyActions readJoyActions(std::string_view text) {
    JoyActions actions;
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
        // The label is counted in characters: an accented letter is one, in any encoding.
        if (common::characterCount(*item) < kLabelWidth) {
            break;
        }
        actions[index++] = common::trim(common::afterLabel(*item, kLabelWidth));
    }
    return actions;
}

JoyActions GetJoyKeys(const std::string& programFolder) {
    const auto text = common::loadTextFile(common::nativePath(programFolder + "\\joystick.ini"));
    return text ? readJoyActions(*text) : JoyActions{};
}

} // namespace zembra
