// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/CabinetDefaults.h"

#include "common/text/AtomicFile.h"
#include "common/text/NativePath.h"
#include "common/text/TextFile.h"
#include "zembra/startup/UserSettings.h"

#include <filesystem>
#include <optional>

namespace zembra {
namespace {

namespace fs = std::filesystem;

bool isFile(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

/// Copies `from` to `to` as a whole; false, with the reason in `error`, when it cannot.
bool copyWhole(const fs::path& from, const fs::path& to, std::string& error) {
    std::string why;
    const auto bytes = common::loadFileBytes(from, &why);
    if (!bytes) {
        error = from.string() + " " + why;
        return false;
    }
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    if (ec) {
        error = "cannot create " + to.parent_path().string() + ": " + ec.message();
        return false;
    }
    std::string reason;
    if (!common::writeFileAtomically(to, *bytes, &reason)) {
        error = "cannot write " + to.string() + ": " + reason;
        return false;
    }
    return true;
}

class Completion {
public:
    Completion(const std::string& programFolder, const std::string& defaults)
        : cabinet_(programFolder), defaults_(defaults) {}

    /// Copies the cabinet's missing `name` from the defaults; true when the cabinet has it now.
    bool fill(const std::string& name, const std::string& what) {
        const fs::path target = common::nativePath(cabinet_ + "\\" + name);
        if (isFile(target)) {
            return true;
        }
        if (!haveDefaults()) {
            return false;
        }
        std::string error;
        if (!copyWhole(common::nativePath(defaults_ + "\\" + name), target, error)) {
            note(error + "; starting without " + what);
            return false;
        }
        note("no " + name + " in " + folderText() + ": wrote " + what);
        return true;
    }

    void fillSkin() {
        UserSettings settings;
        const bool complete = openCfg(cabinet_, settings);
        if (isFile(skinIni(cabinet_, settings.skinDir))) {
            return;
        }
        UserSettings defaultSettings;
        if (!haveDefaults() || !openCfg(defaults_, defaultSettings)) {
            return;
        }
        const std::string& skinDir = defaultSettings.skinDir;
        if (!isFile(skinIni(cabinet_, skinDir)) && !copySkin(skinDir)) {
            return;
        }
        if (settings.skinDir == skinDir) {
            return;
        }
        note("the skin \"" + settings.skinDir + "\" named in quarn.cfg has no " +
             common::nativePathText(cabinet_ + "\\zbthemes" + settings.skinDir + "skin.ini") +
             ": using the default skin \"" + skinDir + "\"");
        if (!complete && settings.skinDir.empty()) {
            // Nothing of the file could be read: the settings start from the defaults.
            openCfg(defaults_, settings);
        }
        settings.skinDir = skinDir;
        std::string error;
        if (!common::writeFileAtomically(common::nativePath(cabinet_ + "\\quarn.cfg"),
                                         writeUserSettings(settings), &error)) {
            note("cannot write " + common::nativePathText(cabinet_ + "\\quarn.cfg") + ": " + error);
        }
    }

    CabinetCompletion result() { return std::move(result_); }

private:
    static fs::path skinIni(const std::string& folder, const std::string& skinDir) {
        return common::nativePath(folder + "\\zbthemes" + skinDir + "skin.ini");
    }

    std::string folderText() const { return common::nativePathText(cabinet_ + "\\"); }

    /// Whether the defaults folder is there; says once that it is not.
    bool haveDefaults() {
        if (isFile(common::nativePath(defaults_ + "\\quarn.cfg"))) {
            return true;
        }
        if (!defaultsMissingNoted_) {
            defaultsMissingNoted_ = true;
            note("the defaults installed with the program are missing (no " +
                 common::nativePathText(defaults_ + "\\quarn.cfg") +
                 "), so the cabinet's missing files cannot be filled in");
        }
        return false;
    }

    /// Copies every file of the default skin the cabinet's copy lacks.
    bool copySkin(const std::string& skinDir) {
        const fs::path from = common::nativePath(defaults_ + "\\zbthemes" + skinDir);
        const fs::path to = common::nativePath(cabinet_ + "\\zbthemes" + skinDir);
        std::error_code ec;
        fs::directory_iterator files(from, ec);
        if (ec) {
            note("cannot read the default skin " + from.string() + ": " + ec.message());
            return false;
        }
        bool copied = true;
        for (const auto& entry : files) {
            if (!entry.is_regular_file(ec) || isFile(to / entry.path().filename())) {
                continue;
            }
            std::string error;
            if (!copyWhole(entry.path(), to / entry.path().filename(), error)) {
                note(error);
                copied = false;
            }
        }
        if (copied) {
            note("wrote the default skin to " + common::nativePathText(to.string()));
        }
        return isFile(to / "skin.ini");
    }

    void note(std::string text) { result_.notes.push_back(std::move(text)); }

    std::string cabinet_;
    std::string defaults_;
    CabinetCompletion result_;
    bool defaultsMissingNoted_ = false;
};

} // namespace

std::string defaultsFolder(const std::string& executableFolder) {
    fs::path folder = fs::path(executableFolder).lexically_normal();
    if (!folder.has_filename()) {
        folder = folder.parent_path(); // "/usr/bin/" names the same folder as "/usr/bin"
    }
    return (folder.parent_path() / "share" / "zembra").string();
}

CabinetCompletion completeCabinet(const std::string& programFolder, const std::string& defaults) {
    Completion completion(programFolder, defaults);
    completion.fill("zbkeys.cfg", "the default keys");
    completion.fill("joystick.ini", "the default joystick bindings");
    completion.fill("quarn.cfg", "the default settings");
    completion.fillSkin();
    return completion.result();
}

} // namespace zembra
