// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the catalogue: gamelist.lst, every path's list file and extra.lst into the tables.
#pragma once

#include "zembra/catalogue/GameTables.h"
#include "zembra/startup/EmulatorConfig.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

/// What reading gamelist.lst found besides its games.
struct CatalogueReading {
    bool notText = false; ///< it holds NUL bytes: a binary file, nothing read
    bool fits = true;     ///< false when it holds more records than the master list takes
    std::vector<int> emptyNameLines; ///< lines of records skipped for an empty set name
};

/// Reads gamelist.lst text into the master list, from row 1. Rows past the new end are
/// emptied, so entries removed from the file do not linger. Blank lines are passed over and
/// records without a set name skipped, so neither ends the catalogue early. A text that is no
/// text (NUL bytes) leaves it empty; one with more records than it takes fills it.
CatalogueReading readMasterList(std::string_view text, StringTable& masterList);

/// Reads list-file text (records of set name and description) into `table` from row 1, passing
/// over blank lines and records without a set name. A 4001st record, or a record cut off by the
/// end of the text, ends the reading; the rows read stay.
void readGameList(std::string_view text, StringTable& table);

/// Reads extra.lst text into the extras table: records opened by "{", four labelled values
/// (program file, description, folder, arguments) and one closing item. Free text between
/// records is skipped. At most 4000 records; a record cut off before its closing item is not
/// stored.
void readExtras(std::string_view text, StringTable& extras);

/// Whether `path` (program form) is an existing file.
bool CheckForExtras(const std::string& path);

/// Loads the list file `dirdb` (in the program folder) into the table of `path`, when that
/// path is in use. A missing list file is created empty.
void makeArrays(const std::string& programFolder, const EmulatorConfig& config, int path,
                const std::string& dirdb, GameTables& tables);

/// Loads the program folder's extra.lst into path 27.
void InputExtras(const std::string& programFolder, GameTables& tables);

/// How many games InputExtras would list from the program folder's extra.lst, without keeping
/// them: what the command-line rescan reports.
int countExtras(const std::string& programFolder);

/// Loads gamelist.lst from `programFolder` into the master list: what loadLists does first,
/// with the same messages and warnings. The rescan from the command line needs no more.
std::optional<std::string> loadCatalogue(const std::string& programFolder, GameTables& tables,
                                         std::vector<std::string>* warnings = nullptr);

/// Loads gamelist.lst from `programFolder`, then the list of every configured path, then the
/// extras, leaving `curPath` at the path loaded last. Returns a message for the user when
/// gamelist.lst is missing, unreadable, no text, too long or without any listable game; the loading
/// stops there, as nothing can be listed without it. Records skipped for an empty set name are
/// added to `warnings` (file and line), when given.
std::optional<std::string> loadLists(const std::string& programFolder, const EmulatorConfig& config,
                                     GameTables& tables, std::int16_t& curPath,
                                     std::vector<std::string>* warnings = nullptr);

} // namespace zembra
