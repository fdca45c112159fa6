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
#include <future>
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

void say(const std::string& message) {
    std::cerr << "zembra: " << message << '\n';
}

/// A display that cannot be used stops the start before the window library is loaded. A
/// cabinet that cannot be used is said first: it is waited for only then.
int checkDisplay(std::future<zembra::CabinetRead>& reading, bool xAnswered) {
    const zembra::DisplayEnvironment display{environment("DISPLAY"), environment("WAYLAND_DISPLAY"),
                                             environment("QT_QPA_PLATFORM")};
    const auto problem = zembra::displayProblem(display, xAnswered);
    if (!problem) {
        return 0;
    }
    if (const auto error = reading.get().error) {
        say(*error);
        return 2;
    }
    say(*problem);
    return 1;
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

    // The cabinet is read while the display is waited for and the window library starts;
    // everything that can stop the start is said before a window opens.
    auto reading = zembra::readCabinetMeanwhile(folder);
    // At power-on the session may start the front-end before X accepts clients.
    const zembra::DisplayWait displayWait(std::chrono::seconds(15));
    if (const int status = checkDisplay(reading, displayWait.ready())) {
        return status;
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName("zembra");
    QApplication::setApplicationVersion(ZEMBRA_VERSION);
    zembra::CabinetRead cabinet = reading.get();
    if (cabinet.error) {
        say(*cabinet.error);
        return 2;
    }
    // Then the cabinet's missing settings, keys, joystick bindings and skin are filled in from
    // the defaults installed with the program.
    for (const auto& note :
         zembra::completeCabinet(folder, zembra::defaultsFolder(exeFolder)).notes) {
        say(note);
    }
    const char* opener = std::getenv("ZEMBRA_OPENER");
    zembra::Application app(
        folder,
        zembra::makeLinuxServices(opener != nullptr && *opener != '\0' ? opener : "xdg-open"));
    // Handed to the windows, which neither read quarn.ini nor the lists again.
    app.state().config = std::move(cabinet.config);
    app.state().tables = std::move(*cabinet.tables);
    app.state().preloadedPath = cabinet.curPath;
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
