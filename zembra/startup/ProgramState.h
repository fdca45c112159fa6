// SPDX-License-Identifier: GPL-3.0-or-later
// The one program-wide state object, owned by the application and handed to every part.
#pragma once

#include "zembra/browser/ItemList.h"
#include "zembra/catalogue/GameTables.h"
#include "zembra/input/JoystickFile.h"
#include "zembra/input/KeyFile.h"
#include "zembra/startup/EmulatorConfig.h"
#include "zembra/startup/UserSettings.h"

#include <cstdint>
#include <string>

namespace zembra {

struct ProgramState {
    /// The program folder as text, without a trailing separator; file names are appended with
    /// a backslash ("\quarn.ini") and converted at the file-system edge.
    std::string programFolder;

    EmulatorConfig config; ///< quarn.ini
    UserSettings settings; ///< quarn.cfg
    KeyBindings keys;      ///< zbkeys.cfg
    JoyActions joyActions; ///< joystick.ini
    GameTables tables;     ///< gamelist.lst, the list files and extra.lst

    std::int16_t curPath = 1; ///< the path shown, 1 to 27
    ItemList list1;           ///< the descriptions of the current path and the selection
    std::int16_t savedIndex = 0;

    /// Set by every file-existence routine and read right after the call.
    bool found = false;

    float desktopWidth = 0; ///< measured at start, pixels
    float desktopHeight = 0;
};

} // namespace zembra
