// SPDX-License-Identifier: GPL-3.0-or-later
// The one program-wide state object, owned by the application and handed to every part.
#pragma once

#include "common/skin/SchemeFile.h"
#include "common/skin/SkinFile.h"
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

    EmulatorConfig config;   ///< quarn.ini
    UserSettings settings;   ///< quarn.cfg
    KeyBindings keys;        ///< zbkeys.cfg
    JoyBindings joyBindings; ///< joystick.ini
    GameTables tables;       ///< gamelist.lst, the list files and extra.lst

    /// Set when quarn.ini and the lists were read before the windows opened (the program's
    /// start reads them while the window library starts): the path the lists opened on. The
    /// intro then does not read quarn.ini again, nor the browser's first start the lists. 0
    /// when the windows read them themselves.
    std::int16_t preloadedPath = 0;

    std::int16_t curPath = 1; ///< the path shown, 1 to 27
    ItemList list1;           ///< the descriptions of the current path and the selection
    std::int16_t savedIndex = 0;

    float desktopWidth = 0; ///< measured at start, pixels
    float desktopHeight = 0;
    bool displayDone = false; ///< the display mode has been decided for this run

    // The skin.
    std::string themesRoot;        ///< program folder + "\zbthemes"
    common::SkinLayout skinLayout; ///< skin.ini
    common::Scheme scheme;         ///< scheme.cfg, its font size replaced by the user's
    int midIndex = 0;              ///< the row label or picture cell showing the selection

    // Artwork and the attract mode.
    std::string artFolder; ///< the folder of the artwork kind looked at last
    bool picFound = false; ///< whether the last artwork picture looked for exists
    std::string viewPic;   ///< the picture the viewer shows
    bool ssMode = true;    ///< the attract window opens as screensaver (not viewer)

    /// The skin folder: themesRoot + skinDir, ending in a backslash.
    std::string skinFolder() const { return themesRoot + settings.skinDir; }
};

} // namespace zembra
