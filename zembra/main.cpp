// SPDX-License-Identifier: GPL-3.0-or-later
// Zembra's entry point: options, the program folder, and the mode to run in.
#include "zembra/browser/Main.h"

#include "zembra/browser/FrameTrace.h"
#include "zembra/info/Info.h"
#include "zembra/info/InfoTrace.h"
#include "zembra/platform/DisplayWait.h"
#include "zembra/platform/Services.h"
#include "zembra/startup/Application.h"
#include "zembra/startup/CabinetDefaults.h"
#include "zembra/startup/CommandLine.h"
#include "zembra/startup/HeadlessRescan.h"
#include "zembra/startup/StartChecks.h"
#include "zembra/startup/UserCabinet.h"

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

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

/// Everything that can stop the start is said before a window opens: a missing cabinet folder,
/// quarn.ini or gamelist.lst, no display. Then the cabinet's missing settings, keys, joystick
/// bindings and skin are filled in from the defaults installed with the program.
int checkBeforeWindows(const std::string& folder, const std::string& executableFolder,
                       bool xAnswered) {
    if (const auto error = zembra::checkCabinet(folder)) {
        std::cerr << "zembra: " << *error << '\n';
        return 2;
    }
    const zembra::DisplayEnvironment display{environment("DISPLAY"), environment("WAYLAND_DISPLAY"),
                                             environment("QT_QPA_PLATFORM")};
    if (const auto problem = zembra::displayProblem(display, xAnswered)) {
        std::cerr << "zembra: " << *problem << '\n';
        return 1;
    }
    const auto completion =
        zembra::completeCabinet(folder, zembra::defaultsFolder(executableFolder));
    for (const auto& note : completion.notes) {
        std::cerr << "zembra: " << note << '\n';
    }
    return 0;
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
    const std::string exeFolder = executableFolder(argv[0]);
    const auto [folder, userCabinet] =
        zembra::programFolder(*options, {std::getenv("ZEMBRA_HOME"), std::getenv("XDG_DATA_HOME"),
                                         std::getenv("HOME"), exeFolder});
    if (userCabinet) {
        const auto made =
            zembra::createUserCabinet(folder, zembra::defaultsFolder(exeFolder) + "/starter");
        for (const auto& note : made.notes) {
            std::cerr << "zembra: " << note << '\n';
        }
        if (made.error) {
            std::cerr << "zembra: " << *made.error << '\n';
            return 2;
        }
    }
    if (const auto missing = zembra::missingProgramFolder(folder)) {
        std::cerr << "zembra: " << *missing << '\n';
        return 2;
    }
    if (options->mode == zembra::CommandLine::Mode::Rescan) {
        return zembra::runHeadlessRescan(folder, std::cout, std::cerr);
    }

    // At power-on the session may start the front-end before X accepts clients.
    const zembra::DisplayWait displayWait(std::chrono::seconds(15));
    if (const int status = checkBeforeWindows(folder, exeFolder, displayWait.ready())) {
        return status;
    }
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
        QObject::connect(&app, &zembra::Application::infoLoaded, &app,
                         [file = std::string(trace)](zembra::Info* window) {
                             new zembra::InfoTrace(*window, file);
                         });
    }
    app.start();
    return QApplication::exec();
}
