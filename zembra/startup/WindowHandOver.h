// SPDX-License-Identifier: GPL-3.0-or-later
// What `zembra` hands to the window program when it gives it the run.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zembra {

/// The window program's name: beside `zembra` in the build tree, in libexec/zembra installed.
inline constexpr const char* kWindowProgramName = "zembra-window";

/// What `zembra` decided before the windows: the window program uses these as they are and
/// never works them out again from its own place, which differs from `zembra`'s.
struct WindowStart {
    std::string programFolder;        ///< the cabinet (--home, ZEMBRA_HOME, the user's or the own)
    std::string defaultsFolder;       ///< share/zembra beside `zembra`'s folder
    std::vector<std::string> options; ///< the user's own options, after the program name
};

/// The window program's command line: `programName` (the user's own argv[0], so the windows are
/// named as `zembra`'s), a marker, the two folders, then the user's options.
std::vector<std::string> windowArguments(const std::string& programName, const WindowStart& start);

/// Reads what `windowArguments` made, without its first element; nothing when the arguments
/// were not made by `zembra` (the window program was started by hand).
std::optional<WindowStart> readWindowArguments(const std::vector<std::string>& arguments);

} // namespace zembra
