// SPDX-License-Identifier: GPL-3.0-or-later
// Zembra's entry point: options, the program folder, and the mode to run in.
#include "zembra/browser/Main.h"

#include "zembra/browser/FrameTrace.h"
#include "zembra/platform/DisplayWait.h"
#include "zembra/platform/Services.h"
#include "zembra/startup/Application.h"
#include "zembra/startup/CommandLine.h"
#include "zembra/startup/HeadlessRescan.h"

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

std::string executableFolder(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        exe = std::filesystem::absolute(argv0, ec);
    }
    return exe.parent_path().string();
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options =
        zembra::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "zembra: " << error << "\n\n" << zembra::usageText();
        return 2;
    }
    switch (options->mode) {
    case zembra::CommandLine::Mode::Help:
        std::cout << zembra::usageText();
        return 0;
    case zembra::CommandLine::Mode::Version:
        std::cout << "zembra " << ZEMBRA_VERSION << '\n';
        return 0;
    default:
        break;
    }
    const std::string folder =
        zembra::programFolder(*options, std::getenv("ZEMBRA_HOME"), executableFolder(argv[0]));
    if (options->mode == zembra::CommandLine::Mode::Rescan) {
        return zembra::runHeadlessRescan(folder, std::cout, std::cerr);
    }

    // At power-on the session may start the front-end before X accepts clients.
    const zembra::DisplayWait displayWait(std::chrono::seconds(15));
    QApplication qt(argc, argv);
    QApplication::setApplicationName("zembra");
    QApplication::setApplicationVersion(ZEMBRA_VERSION);
    const char* opener = std::getenv("ZEMBRA_OPENER");
    zembra::Application app(
        folder,
        zembra::makeLinuxServices(opener != nullptr && *opener != '\0' ? opener : "xdg-open"));
    if (const char* trace = std::getenv("ZEMBRA_TRACE"); trace != nullptr && *trace != '\0') {
        QObject::connect(&app, &zembra::Application::browserLoaded, &app,
                         [file = std::string(trace)](zembra::Main* browser) {
                             new zembra::FrameTrace(*browser, file);
                         });
    }
    app.start();
    return QApplication::exec();
}
