// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the catalogue readers (gamelist.lst, a path's list file, extra.lst) with the table
// sizes the front-end uses, checking the rows against the items of the text.
#include "FuzzSupport.h"
#include "common/text/ItemReader.h"
#include "common/text/Strings.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/StringTable.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Rows holding text of an earlier load. Only a few: filling the last row would make every run
// allocate the whole table.
constexpr int kStaleRows = 3;

zembra::StringTable staleTable(int rows) {
    zembra::StringTable table(rows, 2);
    for (int cell = 0; cell < 2 * kStaleRows; ++cell)
        table.set(cell / 2 + 1, cell % 2 + 1, "stale");
    return table;
}

/// Records are pairs of items by position, a lone last item being no record. Past the records
/// read, the stale rows hold `stale` and the row after them nothing (rows further on were never
/// written, so the check stops there).
void checkPairs(const zembra::StringTable& table, const std::vector<std::string>& items,
                const std::string& stale) {
    const int kept = std::min(static_cast<int>(items.size() / 2), table.lastRow());
    for (int row = 1; row <= std::min(std::max(kept, kStaleRows) + 1, table.lastRow()); ++row) {
        const std::string past = row <= kStaleRows ? stale : "";
        FUZZ_REQUIRE(table.at(row, 1) == (row <= kept ? items[2 * row - 2] : past));
        FUZZ_REQUIRE(table.at(row, 2) == (row <= kept ? items[2 * row - 1] : past));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);
    std::vector<std::string> items;
    for (common::ItemReader reader(text); auto item = reader.next();)
        items.push_back(std::move(*item));

    // Blank lines and nameless records are passed over; a text without any empty item has
    // neither, and its records are the items in pairs by position.
    const bool noEmptyItem =
        std::none_of(items.begin(), items.end(), [](const std::string& i) { return i.empty(); });

    // The master list is read afresh and tells whether it all fit; a path's table keeps what an
    // earlier load left past the new end. No stored row lacks its set name.
    zembra::StringTable master = staleTable(5000);
    const auto reading = zembra::readMasterList(text, master);
    const int count = master.count();
    FUZZ_REQUIRE(static_cast<std::size_t>(count) <= items.size() / 2);
    FUZZ_REQUIRE(reading.fits || count == 5000);
    FUZZ_REQUIRE(!reading.notText || count == 0);
    FUZZ_REQUIRE(master.at(count + 1, 1).empty() && master.at(count + 1, 2).empty());
    if (noEmptyItem && !reading.notText) {
        FUZZ_REQUIRE(reading.fits == (items.size() / 2 <= 5000));
        FUZZ_REQUIRE(reading.emptyNameLines.empty());
        checkPairs(master, items, "");
    }
    zembra::StringTable games = staleTable(4000);
    zembra::readGameList(text, games);
    if (noEmptyItem) {
        checkPairs(games, items, "stale");
    }

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
