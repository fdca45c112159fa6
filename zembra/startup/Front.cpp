// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/Front.h"

#include "zembra/startup/CabinetDefaults.h"
#include "zembra/startup/CommandLine.h"
#include "zembra/startup/HeadlessRescan.h"
#include "zembra/startup/StartChecks.h"
#include "zembra/startup/UserCabinet.h"
#include "zembra/startup/WindowHandOver.h"

#include <filesystem>

namespace zembra {
namespace {

namespace fs = std::filesystem;

std::string executableFolder(ProcessImage& process, const std::string& programName) {
    std::string exe = process.executable();
    if (exe.empty()) {
        std::error_code ec;
        exe = fs::absolute(programName, ec).string();
    }
    return fs::path(exe).parent_path().string();
}

int startWindows(const std::string& programName, WindowStart start, const std::string& frontFolder,
                 const FrontBuild& build, ProcessImage& process, std::ostream& out,
                 std::ostream& err) {
    std::string why;
    const auto program = findWindowProgram(frontFolder, build.windowFolderFromBin, process, why);
    if (!program) {
        err << "zembra: the window program " << kWindowProgramName << " is missing: " << why
            << "; reinstall zembra\n";
        return kFrontCannotStart;
    }
    // What was said so far must come before what the windows say.
    out.flush();
    err.flush();
    why = process.replaceWith(*program, windowArguments(programName, start));
    err << "zembra: the window program " << *program << " cannot be started: " << why
        << "; reinstall zembra\n";
    return kFrontCannotStart;
}

} // namespace

std::optional<std::string> findWindowProgram(const std::string& frontFolder,
                                             const std::string& windowFolderFromBin,
                                             ProcessImage& process, std::string& why) {
    const fs::path places[] = {
        fs::path(frontFolder) / kWindowProgramName,
        (fs::path(frontFolder) / windowFolderFromBin / kWindowProgramName).lexically_normal()};
    why.clear();
    for (const fs::path& place : places) {
        const auto problem = process.cannotRun(place.string());
        if (!problem) {
            return place.string();
        }
        why += (why.empty() ? "" : ", ") + place.string() + " (" + *problem + ")";
    }
    return std::nullopt;
}

int runFront(const std::vector<std::string>& argv, const FrontEnvironment& environment,
             const FrontBuild& build, ProcessImage& process, std::ostream& out, std::ostream& err) {
    const std::string programName = argv.empty() ? "zembra" : argv.front();
    const std::vector<std::string> options(argv.empty() ? argv.end() : argv.begin() + 1,
                                           argv.end());
    std::string error;
    const auto commandLine = parseCommandLine(options, error);
    if (!commandLine) {
        err << "zembra: " << error << "\n\n" << usageText();
        return 2;
    }
    switch (commandLine->mode) {
    case CommandLine::Mode::Help:
        out << usageText();
        return 0;
    case CommandLine::Mode::Version:
        out << "zembra " << build.version << '\n';
        return 0;
    default:
        break;
    }
    const std::string exeFolder = executableFolder(process, programName);
    const auto [folder, userCabinet] =
        programFolder(*commandLine, {environment.zembraHome, environment.xdgDataHome,
                                     environment.userHome, exeFolder});
    if (userCabinet) {
        const auto made = createUserCabinet(folder, defaultsFolder(exeFolder) + "/starter");
        for (const auto& note : made.notes) {
            err << "zembra: " << note << '\n';
        }
        if (made.error) {
            err << "zembra: " << *made.error << '\n';
            return 2;
        }
    }
    if (const auto missing = missingProgramFolder(folder)) {
        err << "zembra: " << *missing << '\n';
        return 2;
    }
    if (commandLine->mode == CommandLine::Mode::Rescan) {
        return runHeadlessRescan(folder, out, err);
    }
    return startWindows(programName, {folder, defaultsFolder(exeFolder), options}, exeFolder, build,
                        process, out, err);
}

} // namespace zembra
