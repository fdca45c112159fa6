// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/WindowHandOver.h"

namespace zembra {
namespace {

/// Says the command line comes from `zembra`; no option of the user's looks like it.
constexpr const char* kMarker = "--started-by-zembra";

} // namespace

std::vector<std::string> windowArguments(const std::string& programName, const WindowStart& start) {
    std::vector<std::string> arguments{programName, kMarker, start.programFolder,
                                       start.defaultsFolder};
    arguments.insert(arguments.end(), start.options.begin(), start.options.end());
    return arguments;
}

std::optional<WindowStart> readWindowArguments(const std::vector<std::string>& arguments) {
    if (arguments.size() < 3 || arguments[0] != kMarker) {
        return std::nullopt;
    }
    return WindowStart{arguments[1], arguments[2], {arguments.begin() + 3, arguments.end()}};
}

} // namespace zembra
