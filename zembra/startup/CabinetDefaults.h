// SPDX-License-Identifier: GPL-3.0-or-later
// Filling a cabinet's missing settings, keys, joystick bindings and skin from the defaults.
#pragma once

#include <string>
#include <vector>

namespace zembra {

/// Where the defaults installed with the program live: `share/zembra` beside the executable's
/// folder (`/usr/bin/zembra` reads `/usr/share/zembra`; the build tree lays out `share/zembra`
/// beside its `zembra/` folder the same way). Plain text, no trailing separator.
std::string defaultsFolder(const std::string& executableFolder);

/// What `completeCabinet` did, one sentence a line for standard error.
struct CabinetCompletion {
    std::vector<std::string> notes;
};

/// Makes the cabinet in `programFolder` startable with the defaults in `defaults` (a folder
/// holding quarn.cfg, zbkeys.cfg, joystick.ini and zbthemes/<skin>/, the skin named by that
/// quarn.cfg): every one of quarn.cfg, zbkeys.cfg and joystick.ini the cabinet lacks is copied
/// in, and when the skin the cabinet's quarn.cfg names has no skin.ini, the default skin is
/// copied in (its missing files only) and quarn.cfg is changed to name it. Files already there
/// are never replaced, so the next start finds the cabinet as this one left it. A file that
/// cannot be written is reported and the start goes on.
CabinetCompletion completeCabinet(const std::string& programFolder, const std::string& defaults);

} // namespace zembra
