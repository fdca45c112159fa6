// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs that answer what the test set up and remember the messages shown.
#pragma once

#include "tessel/Dialogs.h"

#include <QStringList>

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

} // namespace tessel_testing
