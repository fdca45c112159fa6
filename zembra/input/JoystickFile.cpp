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

JoyWords readJoyWords(std::string_view text) {
    JoyWords actions;
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

std::optional<Action> joystickAction(std::string_view word) {
    struct Word {
        std::string_view text;
        Action action;
    };
    static constexpr Word words[] = {
        {"SELECT", Action::Select},      {"UP", Action::Up},
        {"DOWN", Action::Down},          {"LEFTPAGE", Action::PrevPage},
        {"RIGHTPAGE", Action::NextPage}, {"PREVPATH", Action::PrevPath},
        {"NEXTPATH", Action::NextPath},  {"REFRESH", Action::Refresh},
        {"MUTE", Action::Mute},          {"SCREENSAVER", Action::Saver},
        {"CONFIG", Action::Config},      {"EXIT", Action::Exit},
    };
    const std::string upper = common::upperAscii(word);
    for (const Word& entry : words) {
        if (entry.text == upper) {
            return entry.action;
        }
    }
    return std::nullopt;
}

JoyBindings bindJoystick(const JoyWords& words) {
    JoyBindings bindings;
    for (std::size_t input = 0; input < words.size(); ++input) {
        bindings.actions[input] = joystickAction(words[input]);
    }
    for (std::size_t button = 0; button < 12; ++button) {
        if (words[button] == "Exit") {
            bindings.exitButton = 1u << button;
            break;
        }
    }
    return bindings;
}

JoyBindings GetJoyKeys(const std::string& programFolder) {
    const auto text = common::loadTextFile(common::nativePath(programFolder + "\\joystick.ini"));
    return text ? bindJoystick(readJoyWords(*text)) : JoyBindings{};
}

} // namespace zembra
