// SPDX-License-Identifier: GPL-3.0-or-later
// The font-size, screensaver and skin screens of the settings menu, without their windows.
#pragma once

#include "zembra/menus/FolderListing.h"
#include "zembra/startup/UserSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zembra {

/// Where SaveCfg writes and the selection it records with the settings.
struct CfgPlace {
    std::string programFolder;
    std::int16_t listIndex = 0; ///< index of the selected item of the browser's list
    std::int16_t curPath = 0;
};

/// A screen whose value is a number kept as the text of its value label: each step reads the
/// text as a number (the leading-number rule), moves it by one within the limits and writes it
/// back with a blank before a non-negative number.
class NumberScreen {
public:
    NumberScreen(std::string label, double lowest, double highest)
        : label_(std::move(label)), lowest_(lowest), highest_(highest) {}

    const std::string& label() const { return label_; }
    double value() const;

    /// One more, unless at the highest value.
    void up();
    /// One less, unless at the lowest value; never below it.
    void down();

private:
    std::string label_;
    double lowest_;
    double highest_;
};

inline constexpr std::string_view kFontCaption = "Font Size =";
inline constexpr std::string_view kFontNote = "(Set to 0 for Default)";
inline constexpr std::string_view kDelayCaption = "Screen Saver Delay =";
inline constexpr std::string_view kDelayNote = "(Set to -1 for Off)";
inline constexpr std::string_view kSkinCaption = "Select Skin";

/// The font size, from 0 (the skin's own) up to the largest size quarn.cfg can hold. Its
/// first value is shown as plain digits.
NumberScreen fontScreen(std::int16_t userFontSize);

/// The screensaver delay in seconds, from -1 (off) upwards.
NumberScreen screenSaverScreen(double ssDelay);

/// Select on the font screen: the size becomes the user's font size and quarn.cfg is saved.
/// The caller then uses the size for the scheme and rebuilds the browser. False, with the
/// reason, when quarn.cfg could not be written (the setting is kept for this run).
bool selectFontSize(const NumberScreen& screen, UserSettings& settings, const CfgPlace& place,
                    std::string* error = nullptr);

/// Select on the screensaver screen: the delay and the running countdown take the value, then
/// quarn.cfg is saved.
bool selectScreenSaverDelay(const NumberScreen& screen, UserSettings& settings,
                            const CfgPlace& place, std::string* error = nullptr);

/// The skin folders under the program folder's zbthemes folder, in the listing's order. Every
/// folder is kept, however many there are; files are left out. Empty when there are none or
/// the folder cannot be listed.
std::vector<std::string> GetDirs(const FolderListing& listing, const std::string& programFolder);

/// The skin screen: starts on the current skin (its `skinDir`, backslashes and all); Down and
/// Up then walk the listed folders, wrapping at either end.
class SkinScreen {
public:
    SkinScreen(std::string skinDir, std::vector<std::string> skinNames);

    const std::string& label() const { return label_; }
    int skinPos() const { return skinPos_; }
    int skinCount() const { return static_cast<int>(skinNames_.size()); }

    void down();
    void up();

    /// The skinDir the label names: the label itself when it starts with a backslash (the
    /// current skin), otherwise the folder name between backslashes.
    std::string chosenSkinDir() const;

private:
    void show();

    std::vector<std::string> skinNames_;
    std::string label_;
    int skinPos_;
};

/// What Select on the skin screen did.
struct SkinChoice {
    bool saved = false;
    /// Why the skin was not taken or not saved, in words for the screen; empty when saved.
    std::string reason;
};

/// Select on the skin screen: a folder without a readable skin.ini (or no folder at all) is
/// refused and the current skin stays; otherwise it becomes `skinDir` and quarn.cfg is saved.
SkinChoice selectSkin(const SkinScreen& screen, UserSettings& settings, const CfgPlace& place);

} // namespace zembra
