// SPDX-License-Identifier: GPL-3.0-or-later
// `zembra`: the options, --help, --version and --rescan here; the windows in the window program,
// which this process becomes. It links no window, media or joystick library, so the commands that
// open no window load none of them.
#include "zembra/startup/Front.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    const auto process = zembra::makeProcessImage();
    return zembra::runFront(
        std::vector<std::string>(argv, argv + argc),
        {std::getenv("ZEMBRA_HOME"), std::getenv("XDG_DATA_HOME"), std::getenv("HOME")},
        {ZEMBRA_VERSION, ZEMBRA_WINDOW_FOLDER_FROM_BIN}, *process, std::cout, std::cerr);
}
