// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/SettingsScreens.h"

#include "common/text/NativePath.h"
#include "common/text/Numbers.h"

#include <algorithm>
#include <limits>
#include <system_error>

namespace zembra {

double NumberScreen::value() const {
    return common::leadingNumber(label_);
}

void NumberScreen::up() {
    const double now = value();
    if (now < highest_) {
        label_ = common::blankNumber(std::min(now + 1, highest_));
    }
}

void NumberScreen::down() {
    const double now = value();
    if (now > lowest_) {
        label_ = common::blankNumber(std::max(now - 1, lowest_));
    }
}

NumberScreen fontScreen(std::int16_t userFontSize) {
    return NumberScreen(std::to_string(userFontSize), 0, std::numeric_limits<std::int16_t>::max());
}

NumberScreen screenSaverScreen(double ssDelay) {
    // The label's text is the value: a delay too large to step stays where it is.
    return NumberScreen(common::blankNumber(ssDelay), -1, 1e15);
}

bool selectFontSize(const NumberScreen& screen, UserSettings& settings, const CfgPlace& place,
                    std::string* error) {
    // The screen keeps the value within 0 to the largest 16-bit size, but its text may be odd.
    const auto size = common::toInt16(std::clamp(screen.value(), 0.0, 32767.0));
    settings.userFontSize = size.value_or(0);
    return SaveCfg(place.programFolder, settings, place.listIndex, place.curPath, error);
}

bool selectScreenSaverDelay(const NumberScreen& screen, UserSettings& settings,
                            const CfgPlace& place, std::string* error) {
    settings.ssDelay = screen.value();
    settings.ssCountdown = settings.ssDelay;
    return SaveCfg(place.programFolder, settings, place.listIndex, place.curPath, error);
}

std::vector<std::string> GetDirs(const FolderListing& listing, const std::string& programFolder) {
    std::vector<std::string> names;
    const auto entries = listing.entries(common::nativePath(programFolder + "\\zbthemes"));
    if (!entries) {
        return names;
    }
    for (const FolderEntry& entry : *entries) {
        if (entry.isFolder && entry.name != "." && entry.name != "..") {
            names.push_back(entry.name);
        }
    }
    return names;
}

SkinScreen::SkinScreen(std::string skinDir, std::vector<std::string> skinNames)
    : skinNames_(std::move(skinNames)), label_(std::move(skinDir)), skinPos_(skinCount()) {}

void SkinScreen::down() {
    skinPos_ = skinPos_ < skinCount() - 1 ? skinPos_ + 1 : 0;
    show();
}

void SkinScreen::up() {
    skinPos_ = skinPos_ >= 1 ? skinPos_ - 1 : std::max(skinCount() - 1, 0);
    show();
}

void SkinScreen::show() {
    // With no folders listed there is no name to show.
    label_ = skinPos_ < skinCount() ? skinNames_[static_cast<std::size_t>(skinPos_)] : "";
}

std::string SkinScreen::chosenSkinDir() const {
    return label_.starts_with('\\') ? label_ : "\\" + label_ + "\\";
}

SkinChoice selectSkin(const SkinScreen& screen, UserSettings& settings, const CfgPlace& place) {
    const std::string skinDir = screen.chosenSkinDir();
    const std::string name = skinDir.size() > 2 ? skinDir.substr(1, skinDir.size() - 2) : "";
    if (name.empty()) {
        return {false, "There is no skin folder to choose."};
    }
    // quarn.cfg keeps the folder in double quotes: a quote in the name would not read back.
    if (name.find('"') != std::string::npos) {
        return {false, "The skin folder " + name + " has a double quote in its name."};
    }
    std::error_code ignored;
    const auto skinFile =
        common::nativePath(place.programFolder + "\\zbthemes" + skinDir + "skin.ini");
    if (!std::filesystem::is_regular_file(skinFile, ignored)) {
        return {false, "The skin folder " + name + " has no skin.ini."};
    }
    const std::string previous = settings.skinDir;
    settings.skinDir = skinDir;
    std::string error;
    if (!SaveCfg(place.programFolder, settings, place.listIndex, place.curPath, &error)) {
        settings.skinDir = previous;
        return {false, "The skin could not be saved: " + error};
    }
    return {true, {}};
}

} // namespace zembra
