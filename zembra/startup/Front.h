// SPDX-License-Identifier: GPL-3.0-or-later
// `zembra` itself: the options, the program folder, the rescan, and the hand-over to the windows.
#pragma once

#include "zembra/platform/ProcessImage.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zembra {

/// The exit status when the window program is missing or cannot be started.
inline constexpr int kFrontCannotStart = 2;

/// What the build says about the installed layout.
struct FrontBuild {
    std::string version;
    /// The window program's folder relative to `zembra`'s installed folder ("../libexec/zembra").
    std::string windowFolderFromBin;
};

/// The environment values the program folder is chosen with (see `StartPlace`).
struct FrontEnvironment {
    const char* zembraHome = nullptr;
    const char* xdgDataHome = nullptr;
    const char* userHome = nullptr;
};

/// Runs `zembra` with its command line `argv` (argv[0] first): answers --help, --version and a
/// bad command line, chooses the program folder (making the user's cabinet when that is the
/// rule), runs --rescan itself, and otherwise replaces itself with the window program, handing
/// it the folders it chose. Returns the exit status; for a window run only when the window
/// program could not be started (kFrontCannotStart, said on `err`).
int runFront(const std::vector<std::string>& argv, const FrontEnvironment& environment,
             const FrontBuild& build, ProcessImage& process, std::ostream& out, std::ostream& err);

/// The window program for the `zembra` in `frontFolder`: beside it (the build tree), else in
/// `frontFolder`/`windowFolderFromBin` (installed). Nothing, with each place and why it cannot
/// be run in `why`, when neither holds one.
std::optional<std::string> findWindowProgram(const std::string& frontFolder,
                                             const std::string& windowFolderFromBin,
                                             ProcessImage& process, std::string& why);

} // namespace zembra
