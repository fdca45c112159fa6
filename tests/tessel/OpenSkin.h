// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of a demo skin in a temporary folder, open in a fresh main window.
#pragma once

#include "tessel/form1.h"
#include "tests/support/TempFolder.h"
#include "tests/tessel/FakeDialogs.h"

#include <filesystem>

namespace tessel_testing {

/// A copy of a demo skin in a temporary folder, open in a fresh main window; `line` reads one
/// line of its skin.ini.
struct OpenSkin {
    explicit OpenSkin(const char* skin) {
        std::filesystem::copy(std::filesystem::path(TESSEL_DEMO_SKINS) / skin, folder.path(),
                              std::filesystem::copy_options::recursive);
        window.openSkinFolder(QString::fromStdString(folder.text()));
    }
    std::string line(int number) const {
        const std::string text = folder.read("skin.ini");
        std::size_t start = 0;
        for (int i = 1; i < number; ++i) {
            start = text.find("\r\n", start) + 2;
        }
        return text.substr(start, text.find("\r\n", start) - start);
    }

    testing_support::TempFolder folder;
    FakeDialogs dialogs;
    tessel::form1 window{dialogs};
};

} // namespace tessel_testing
