// SPDX-License-Identifier: GPL-3.0-or-later
// The window program: the browser and its windows on the cabinet `zembra` chose. `zembra`
// becomes this program for a window run (see zembra/startup/Front.h).
#include "zembra/browser/FrameTrace.h"
#include "zembra/browser/Main.h"
#include "zembra/info/Info.h"
#include "zembra/info/InfoTrace.h"
#include "zembra/platform/DisplayWait.h"
#include "zembra/platform/ProcessImage.h"
#include "zembra/platform/Services.h"
#include "zembra/startup/Application.h"
#include "zembra/startup/CabinetDefaults.h"
#include "zembra/startup/StartChecks.h"
#include "zembra/startup/WindowHandOver.h"

#include <QApplication>
#include <cstdlib>
#include <future>
#include <iostream>

namespace {

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
    auto start = zembra::readWindowArguments(
        argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>());
    if (!start) {
        std::cerr << zembra::kWindowProgramName
                  << ": this program shows zembra's windows and is started by zembra; run zembra\n";
        return 2;
    }
    // To process lists, `pgrep -x` and `killall` this is still the program the user started.
    zembra::makeProcessImage()->takeName("zembra");
    const std::string& folder = start->programFolder;
    // The windows get the user's own command line, as if this were `zembra` itself.
    std::vector<char*> qtArguments{argv[0]};
    for (std::string& option : start->options) {
        qtArguments.push_back(option.data());
    }
    int qtCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);

    // The cabinet is read while the display is waited for and the window library starts;
    // everything that can stop the start is said before a window opens.
    auto reading = zembra::readCabinetMeanwhile(folder);
    // At power-on the session may start the front-end before X accepts clients.
    const zembra::DisplayWait displayWait(std::chrono::seconds(15));
    if (const int status = checkDisplay(reading, displayWait.ready())) {
        return status;
    }
    QApplication qt(qtCount, qtArguments.data());
    QApplication::setApplicationName("zembra");
    QApplication::setApplicationVersion(ZEMBRA_VERSION);
    zembra::CabinetRead cabinet = reading.get();
    if (cabinet.error) {
        say(*cabinet.error);
        return 2;
    }
    // Then the cabinet's missing settings, keys, joystick bindings and skin are filled in from
    // the defaults installed with the program.
    for (const auto& note : zembra::completeCabinet(folder, start->defaultsFolder).notes) {
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
