// SPDX-License-Identifier: GPL-3.0-or-later
// Where the browser opens at start and whether the first run scans, from the lists and quarn.cfg.
#pragma once

#include "zembra/catalogue/GameTables.h"
#include "zembra/startup/UserSettings.h"

#include <cstdint>

namespace zembra {

/// The browser's opening place.
struct StartPlace {
    std::int16_t path = 1;     ///< the path shown
    bool restoresPath = false; ///< the saved path is shown: its list is filled again
    int index = -1;            ///< the selection in that list; -1 keeps its first game
};

/// Decides, once per browser start, what the start-up sequence applies: the restored path and
/// selection and whether the first-run scan is due. It reads the tables as loaded and the
/// settings as saved, and changes neither.
class StartupSession {
public:
    StartupSession(const GameTables& tables, const UserSettings& settings)
        : tables_(tables), settings_(settings) {}

    /// `firstPath` is the path the lists opened on (the first one with games). A saved path
    /// outside 1 to 27 (no quarn.cfg yet) keeps it. A saved index of -1 (saved from an empty
    /// list) or past the end of the saved path's list (games removed since) restores the
    /// path only.
    StartPlace place(std::int16_t firstPath) const;

    /// No emulator path has a game yet (the extras do not count): the lists were never built,
    /// so the browser scans once it is up.
    bool rescanDue() const;

private:
    /// The games the list of `path` shows, as the list is filled.
    int listLength(int path) const;

    const GameTables& tables_;
    const UserSettings& settings_;
};

} // namespace zembra
