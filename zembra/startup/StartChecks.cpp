// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/StartChecks.h"

#include "common/text/NativePath.h"
#include "zembra/catalogue/GameLists.h"

#include <filesystem>
#include <memory>

namespace zembra {

namespace {
constexpr const char* kNoDisplay = "no display: set DISPLAY, or run under a display server";
}

std::optional<std::string> missingProgramFolder(const std::string& programFolder) {
    // A program path: a backslash of a folder's own name is kept in it as a stand-in.
    const std::string folder = common::nativePathText(programFolder);
    std::error_code ec;
    const auto status = std::filesystem::status(folder, ec);
    if (status.type() == std::filesystem::file_type::directory) {
        return std::nullopt;
    }
    if (status.type() == std::filesystem::file_type::not_found || ec) {
        return "the cabinet folder " + folder + " does not exist";
    }
    return folder + " is not a folder: name the cabinet folder that holds quarn.ini";
}

CabinetRead readCabinet(const std::string& programFolder) {
    CabinetRead read;
    if (const auto error = OpenINI(programFolder, read.config)) {
        read.error = error->message();
        return read;
    }
    read.error = loadLists(programFolder, read.config, *read.tables, read.curPath);
    return read;
}

std::future<CabinetRead> readCabinetMeanwhile(const std::string& programFolder) {
    return std::async(std::launch::async, readCabinet, programFolder);
}

std::optional<std::string> checkCabinet(const std::string& programFolder) {
    return readCabinet(programFolder).error;
}

std::optional<std::string> displayProblem(const DisplayEnvironment& environment, bool xAnswered) {
    const std::string& platform = environment.platform;
    if (!platform.empty() && platform.rfind("xcb", 0) != 0) {
        return std::nullopt;
    }
    if (environment.display.empty()) {
        if (platform.empty() && !environment.waylandDisplay.empty()) {
            return std::nullopt;
        }
        return std::string(kNoDisplay);
    }
    if (!xAnswered) {
        return std::string(kNoDisplay) + " (the display \"" + environment.display +
               "\" named by DISPLAY does not answer)";
    }
    return std::nullopt;
}

} // namespace zembra
