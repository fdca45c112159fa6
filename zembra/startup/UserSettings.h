// SPDX-License-Identifier: GPL-3.0-or-later
// quarn.cfg: what the user changes from within Zembra, kept across restarts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zembra {

/// The nine records of quarn.cfg, at the values a cabinet starts with when the file is missing.
struct UserSettings {
    std::string skinDir;    ///< backslash, skin folder name, backslash: "\neon\"
    double ssDelay = 0;     ///< seconds of idle time before the attract mode; -1 never
    double ssCountdown = 0; ///< the running countdown; restarts from ssDelay
    float shuffle = 0;      ///< -1 shuffle, 0 playlist order
    float musicVolume = 0;  ///< 0 full volume, negative quieter
    float songIdx = 0;      ///< current song, from 1
    bool muted = false;     ///< sound effects off
    std::int16_t cfgListIndex = 0;
    std::int16_t cfgPath = 0;
    std::int16_t userFontSize = 0; ///< 0 uses the skin's own size

    bool operator==(const UserSettings&) const = default;
};

/// Reads the records in order. Reading stops at the first record that is missing or does not
/// convert; those before it are taken, the rest keep their values. True when all nine were read.
bool readUserSettings(std::string_view text, UserSettings& settings);

/// All nine records, whatever their values.
std::string writeUserSettings(const UserSettings& settings);

/// Reads the program folder's quarn.cfg; a missing file changes nothing.
bool openCfg(const std::string& programFolder, UserSettings& settings);

/// Records the selection (`listIndex` of the item list, `curPath`) and rewrites quarn.cfg.
/// False, with the reason in `error`, when the file could not be written; the old one stays.
bool SaveCfg(const std::string& programFolder, UserSettings& settings, std::int16_t listIndex,
             std::int16_t curPath, std::string* error = nullptr);

} // namespace zembra
