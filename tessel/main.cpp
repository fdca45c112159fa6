// SPDX-License-Identifier: GPL-3.0-or-later
// Tessel's entry point: options, then the main window with the skin folder given, if any.
#include "tessel/CommandLine.h"
#include "tessel/Dialogs.h"
#include "tessel/form1.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <iostream>

int main(int argc, char** argv) {
    std::string error;
    const auto options =
        tessel::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "tessel: " << error << "\n\n" << tessel::usageText();
        return 2;
    }
    if (options->mode == tessel::CommandLine::Mode::Help) {
        std::cout << tessel::usageText();
        return 0;
    }
    if (options->mode == tessel::CommandLine::Mode::Version) {
        std::cout << "tessel " << TESSEL_VERSION << '\n';
        return 0;
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName("tessel");
    QApplication::setApplicationVersion(TESSEL_VERSION);
    tessel::QtDialogs dialogs;
    tessel::form1 window(dialogs);
    window.show();
    if (!options->skinFolder.empty()) {
        const QString folder = QDir(QString::fromStdString(options->skinFolder)).absolutePath();
        // Once the window is up, so a message about the folder has a window to belong to.
        QTimer::singleShot(0, &window, [&window, folder] { window.openSkinFolder(folder); });
    }
    return QApplication::exec();
}
