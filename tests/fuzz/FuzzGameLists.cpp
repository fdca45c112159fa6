// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the catalogue readers (gamelist.lst, a path's list file, extra.lst) with the table
// sizes the front-end uses.
#include "FuzzSupport.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/StringTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);
    zembra::StringTable master(5000, 2);
    zembra::readMasterList(text, master);
    zembra::StringTable games(4000, 2);
    zembra::readGameList(text, games);
    zembra::StringTable extras(4000, 4);
    zembra::readExtras(text, extras);
    return 0;
}
