// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs that answer what the test set up, and a demo skin open in a fresh main window.
#pragma once

#include "tessel/Dialogs.h"
#include "tessel/form1.h"
#include "tests/support/TempFolder.h"

#include <QStringList>
#include <filesystem>

namespace tessel_testing {

class FakeDialogs : public tessel::Dialogs {
public:
    QString folder;               ///< the folder "chosen"; empty means cancelled
    std::optional<QColor> colour; ///< empty means cancelled
    std::optional<QFont> font;    ///< empty means cancelled
    QStringList messages;
    Answer answer = Answer::Discard; ///< the answer to a question about unsaved changes
    int questions = 0;

    QString chooseFolder(QWidget*, const QString&) override { return folder; }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return colour; }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return font; }
    void message(QWidget*, const QString& text, Icon) override { messages << text; }
    Answer askToSave(QWidget*, const QString&) override {
        ++questions;
        return answer;
    }
};

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
        for (int i = 1; i < number; ++i)
            start = text.find("\r\n", start) + 2;
        return text.substr(start, text.find("\r\n", start) - start);
    }

    testing_support::TempFolder folder;
    FakeDialogs dialogs;
    tessel::form1 window{dialogs};
};

} // namespace tessel_testing
