// SPDX-License-Identifier: GPL-3.0-or-later
#include "tessel/CommandLine.h"

namespace tessel {

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
    CommandLine options;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            options.mode = CommandLine::Mode::Help;
        } else if (!optionsEnded && arg == "--version") {
            options.mode = CommandLine::Mode::Version;
        } else if (!optionsEnded && arg.starts_with("-")) {
            error = "unknown option: " + arg;
            return std::nullopt;
        } else if (options.skinFolder.empty() && !arg.empty()) {
            options.skinFolder = arg;
        } else {
            error = "only one skin folder can be opened: " + arg;
            return std::nullopt;
        }
    }
    return options;
}

std::string usageText() {
    return "Usage: tessel [SKINFOLDER]\n"
           "\n"
           "The skin editor of the Zembra front-end. It shows the browser screen as a mock-up;\n"
           "click an element to move, size or hide it, then save with Ctrl+S. Opens\n"
           "SKINFOLDER (a folder holding skin.ini and scheme.cfg) at start when given.\n"
           "\n"
           "  --help       show this text\n"
           "  --version    show the version\n";
}

} // namespace tessel
