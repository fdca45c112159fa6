// SPDX-License-Identifier: GPL-3.0-or-later
// Starting emulators and extra programs: never through a shell.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zembra {

class Launcher {
public:
    struct Result {
        bool started = false;
        std::string error; ///< why not, in words, when not started
    };

    virtual ~Launcher() = default;

    /// Starts `program` (program form: its backslashes become native) directly in
    /// `workingFolder`, each of `arguments` handed over as it is. A program ending in ".exe"
    /// that is not itself executable is started through wine. With `wait`, returns when the
    /// program has ended.
    virtual Result start(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingFolder, bool wait) = 0;

    /// Opens `file` with the desktop's own handler for it, in `folder`.
    virtual Result open(const std::string& file, const std::string& folder) = 0;

    /// Whether the program last started without waiting (by start() or open()) still runs.
    virtual bool running() = 0;

    /// When the last open() has ended in failure (the opener found no program for the file),
    /// why, in words; empty while it runs, after a success and after start().
    virtual std::string openFailure() = 0;
};

/// What start() hands to the system for `program` and `arguments`: the program native, and
/// absolute when it names a folder (the child changes its folder before it starts the program),
/// behind `wine` when it is a Windows executable that cannot run by itself.
std::vector<std::string> launchArguments(const std::string& program,
                                         const std::vector<std::string>& arguments,
                                         const std::string& wine);

/// posix_spawn on Linux. `wine` and `opener` name the programs used for Windows executables and
/// for opening files ("xdg-open").
std::unique_ptr<Launcher> makeLauncher(std::string wine = "wine", std::string opener = "xdg-open");

} // namespace zembra
