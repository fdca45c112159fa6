// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the catalogue: gamelist.lst, every path's list file and extra.lst into the tables.
#pragma once

#include "zembra/startup/ProgramState.h"

#include <optional>
#include <string>
#include <string_view>

namespace zembra {

/// Reads gamelist.lst text into the master list, from row 1. Rows past the new end are
/// emptied, so entries removed from the file do not linger. Returns false when the text
/// holds more records than the master list takes; the first 5000 are kept.
bool readMasterList(std::string_view text, StringTable& masterList);

/// Reads list-file text (records of set name and description) into `table` from row 1. A 4001st
/// record, or a record cut off by the end of the text, ends the reading; the rows read stay.
void readGameList(std::string_view text, StringTable& table);

/// Reads extra.lst text into the extras table: records opened by "{", four labelled values
/// (program file, description, folder, arguments) and one closing item. Free text between
/// records is skipped. At most 4000 records.
void readExtras(std::string_view text, StringTable& extras);

/// Sets the found flag to whether `path` (program form) is an existing file.
bool CheckForExtras(ProgramState& state, const std::string& path);

/// Loads the list file `dirdb` (in the program folder) into the table of `state.curPath`,
/// when that path is in use. A missing list file is created empty.
void makeArrays(ProgramState& state, const std::string& dirdb);

/// Loads the program folder's extra.lst into path 27.
void InputExtras(ProgramState& state);

/// Loads gamelist.lst, then the list of every configured path, then the extras, leaving
/// `curPath` at the path loaded last. Returns a message for the user when gamelist.lst is
/// missing or too long; the loading stops there, as nothing can be listed without it.
std::optional<std::string> loadLists(ProgramState& state);

} // namespace zembra
