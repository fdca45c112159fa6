// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the catalogue readers (gamelist.lst, a path's list file, extra.lst) with the table
// sizes the front-end uses, checking what the browser relies on: no more rows than records, no
// stored row without its set name, nothing stored from a file that is not text.
#include "FuzzSupport.h"
#include "common/text/ItemReader.h"
#include "common/text/Strings.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/StringTable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);
    std::vector<std::string> items;
    for (common::ItemReader reader(text); auto item = reader.next();)
        items.push_back(std::move(*item));

    // The master list is read afresh and tells whether it all fit. No stored row lacks its set
    // name, and the row after the last is empty.
    zembra::StringTable master(5000, 2);
    const auto reading = zembra::readMasterList(text, master);
    const int count = master.count();
    FUZZ_REQUIRE(static_cast<std::size_t>(count) <= items.size() / 2);
    FUZZ_REQUIRE(reading.fits || count == 5000);
    FUZZ_REQUIRE(!reading.notText || count == 0);
    FUZZ_REQUIRE(master.at(count + 1, 1).empty() && master.at(count + 1, 2).empty());
    for (int row = 1; row <= count; ++row) {
        FUZZ_REQUIRE(!master.at(row, 1).empty());
    }
    zembra::StringTable games(4000, 2);
    zembra::readGameList(text, games);
    FUZZ_REQUIRE(static_cast<std::size_t>(games.count()) <= items.size() / 2);

    // extra.lst: values are trimmed, and a record takes an opener and four values at least.
    zembra::StringTable extras(4000, 4);
    zembra::readExtras(text, extras);
    for (int row = 1; row <= extras.lastRow(); ++row) {
        for (int column = 1; column <= 4; ++column) {
            const std::string& value = extras.at(row, column);
            FUZZ_REQUIRE(value.empty() || (common::trimView(value) == value &&
                                           static_cast<std::size_t>(row) * 5 <= items.size()));
        }
    }
    return 0;
}
