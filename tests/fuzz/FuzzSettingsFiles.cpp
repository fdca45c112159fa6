// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the small settings readers (scheme.cfg, quarn.cfg, zbkeys.cfg, joystick.ini) with the
// same bytes.
#include "FuzzSupport.h"
#include "common/skin/SchemeFile.h"
#include "zembra/input/JoystickFile.h"
#include "zembra/input/KeyFile.h"
#include "zembra/startup/UserSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);
    common::Scheme scheme;
    common::readScheme(text, scheme);
    zembra::UserSettings user;
    zembra::readUserSettings(text, user);
    zembra::KeyBindings keys;
    zembra::readKeyBindings(text, keys);
    zembra::readJoyWords(text);
    return 0;
}
