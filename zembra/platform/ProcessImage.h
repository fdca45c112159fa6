// SPDX-License-Identifier: GPL-3.0-or-later
// The running program's own executable, and handing the process over to another program.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zembra {

class ProcessImage {
public:
    virtual ~ProcessImage() = default;

    /// The absolute path of the running executable, links resolved; empty when unknown.
    virtual std::string executable() = 0;

    /// Why `program` cannot be run, in the system's words; nothing when it is an executable file.
    virtual std::optional<std::string> cannotRun(const std::string& program) = 0;

    /// Replaces the running program by `program`, which gets `arguments` (the first is its
    /// argv[0]) and the same environment, process and open files. Returns only when that
    /// failed: why, in the system's words.
    virtual std::string replaceWith(const std::string& program,
                                    const std::vector<std::string>& arguments) = 0;

    /// Gives the running process the short name that process lists and `killall` go by.
    virtual void takeName(const std::string& name) = 0;
};

/// /proc/self/exe and execv on Linux.
std::unique_ptr<ProcessImage> makeProcessImage();

} // namespace zembra
