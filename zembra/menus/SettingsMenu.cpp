// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/SettingsMenu.h"

namespace zembra {
namespace {

bool bound(const KeyBindings::Code& binding, int keyCode) {
    return binding.has_value() && *binding == keyCode;
}

} // namespace

int menuUp(int menuPos) {
    return menuPos <= 1 ? kMenuEntries : menuPos - 1;
}

int menuDown(int menuPos) {
    return menuPos >= kMenuEntries ? 1 : menuPos + 1;
}

MenuEntry nextMenu(int menuPos) {
    if (menuPos < 1 || menuPos > kMenuEntries) {
        return MenuEntry::Exit;
    }
    return static_cast<MenuEntry>(menuPos);
}

std::optional<MenuCommand> menuKeyCommand(int keyCode, const KeyBindings& keys) {
    if (bound(keys.keyExit, keyCode)) {
        return MenuCommand::Exit;
    }
    if (bound(keys.keyUp, keyCode)) {
        return MenuCommand::Up;
    }
    if (bound(keys.keyDown, keyCode)) {
        return MenuCommand::Down;
    }
    if (bound(keys.keySelect, keyCode)) {
        return MenuCommand::Select;
    }
    return std::nullopt;
}

std::optional<MenuCommand> menuJoystickCommand(std::optional<Action> action) {
    if (!action) {
        return std::nullopt;
    }
    switch (*action) {
    case Action::Up:
        return MenuCommand::Up;
    case Action::Down:
        return MenuCommand::Down;
    case Action::Select:
        return MenuCommand::Select;
    case Action::Exit:
        return MenuCommand::Exit;
    default:
        return std::nullopt;
    }
}

MenuLayout menuLayout(double lineHeight, double browserHeight) {
    MenuLayout layout;
    layout.gap = 0.15 * lineHeight;
    double top = layout.gap;
    for (double& entryTop : layout.tops) {
        entryTop = top;
        top += lineHeight + layout.gap;
    }
    layout.height = top;
    layout.top = (browserHeight - layout.height) / 2;
    return layout;
}

} // namespace zembra
