// SPDX-License-Identifier: GPL-3.0-or-later
// The settings menu without its window: the five entries, moving between them, what each opens.
#pragma once

#include "zembra/input/Action.h"
#include "zembra/input/KeyFile.h"

#include <array>
#include <optional>
#include <string_view>

namespace zembra {

/// The entries, top to bottom; the number is the menu position.
enum class MenuEntry { FontSize = 1, RedefineKeys, ScreenSaver, Skins, Exit };

struct MenuItem {
    std::string_view label;   ///< the window's name for the entry's label
    std::string_view caption; ///< what it shows
};

inline constexpr std::array<MenuItem, 5> kMenuItems{{{"lblFS", "Font Size"},
                                                     {"lblRK", "ReDefine Keys"},
                                                     {"lblSS", "ScreenSaver"},
                                                     {"lblSk", "Skins"},
                                                     {"lblex", "Exit"}}};

inline constexpr int kMenuEntries = 5;
inline constexpr std::string_view kMenuCaption = "Menu";
inline constexpr int kMenuDesignWidth = 4104; ///< twips

/// Up from the first entry wraps to the last; Down from the last to the first.
int menuUp(int menuPos);
int menuDown(int menuPos);

/// What Select does at `menuPos` (1 to 5); a position outside them does what Exit does.
MenuEntry nextMenu(int menuPos);

/// The four things the menu does; every other key or joystick word does nothing.
enum class MenuCommand { Up, Down, Select, Exit };

/// The bound key `keyCode` is tested against Exit, Up, Down and Select in this order, so a
/// key bound to two of them does the first. An unbound action matches no key.
std::optional<MenuCommand> menuKeyCommand(int keyCode, const KeyBindings& keys);

/// What a joystick input does in the menu, by the action its word was bound to when
/// joystick.ini was read: only Up, Down, Select and Exit act.
std::optional<MenuCommand> menuJoystickCommand(std::optional<Action> action);

/// Where the entries stand, in twips: a gap of 0.15 line above the first, between each two and
/// below the last; the menu's top centres it on the browser's height.
struct MenuLayout {
    double gap = 0;
    std::array<double, kMenuEntries> tops{};
    double height = 0;
    double top = 0;
};

MenuLayout menuLayout(double lineHeight, double browserHeight);

} // namespace zembra
