// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the catalogue readers (gamelist.lst, a path's list file, extra.lst) with the table
// sizes the front-end uses, checking the rows against the items of the text.
#include "FuzzSupport.h"
#include "common/text/ItemReader.h"
#include "zembra/catalogue/GameLists.h"
#include "zembra/catalogue/StringTable.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> allItems(const std::string& text) {
    std::vector<std::string> items;
    common::ItemReader reader(text);
    while (auto item = reader.next()) {
        items.push_back(std::move(*item));
    }
    return items;
}

bool isTrimmed(const std::string& text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return text.empty() || (!blank(text.front()) && !blank(text.back()));
}

/// Fills rows 1 to `rows` with text no list file holds. Only a few: filling the last row
/// would make every run allocate the whole table.
void fillStale(zembra::StringTable& table, int rows) {
    for (int row = 1; row <= rows; ++row) {
        table.set(row, 1, "stale");
        table.set(row, 2, "stale");
    }
}

void checkMasterList(const std::vector<std::string>& items, const std::string& text) {
    zembra::StringTable master(5000, 2);
    fillStale(master, 3);
    const bool fits = zembra::readMasterList(text, master);
    // Records are pairs of items by position; a lone last item is no record.
    const auto records = static_cast<int>(items.size() / 2);
    FUZZ_REQUIRE(fits == (records <= master.lastRow()));
    const int kept = std::min(records, master.lastRow());
    for (int row = 1; row <= kept; ++row) {
        FUZZ_REQUIRE(master.at(row, 1) == items[2 * (row - 1)]);
        FUZZ_REQUIRE(master.at(row, 2) == items[2 * (row - 1) + 1]);
    }
    // The master list is read afresh: nothing of an earlier load stays past the new end.
    for (int row = kept + 1; row <= master.lastRow(); ++row) {
        FUZZ_REQUIRE(master.at(row, 1).empty() && master.at(row, 2).empty());
    }
}

void checkGameList(const std::vector<std::string>& items, const std::string& text) {
    zembra::StringTable table(4000, 2);
    fillStale(table, 3);
    zembra::readGameList(text, table);
    const auto records = static_cast<int>(items.size() / 2);
    const int kept = std::min(records, table.lastRow());
    for (int row = 1; row <= kept; ++row) {
        FUZZ_REQUIRE(table.at(row, 1) == items[2 * (row - 1)]);
        FUZZ_REQUIRE(table.at(row, 2) == items[2 * (row - 1) + 1]);
    }
    // A path's table is not cleared by the reader: rows past what was read keep their text.
    for (int row = kept + 1; row <= 3; ++row) {
        FUZZ_REQUIRE(table.at(row, 1) == "stale" && table.at(row, 2) == "stale");
    }
}

void checkExtras(const std::string& text) {
    zembra::StringTable extras(4000, 4);
    zembra::readExtras(text, extras);
    // A record is at least an opener and four values, so no more rows than that allows.
    const auto itemCount = allItems(text).size();
    for (int row = 1; row <= extras.lastRow(); ++row) {
        bool any = false;
        for (int column = 1; column <= 4; ++column) {
            const std::string& value = extras.at(row, column);
            FUZZ_REQUIRE(isTrimmed(value));
            any = any || !value.empty();
        }
        if (any) {
            FUZZ_REQUIRE(static_cast<std::size_t>(row) * 5 <= itemCount);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);
    const std::vector<std::string> items = allItems(text);
    checkMasterList(items, text);
    checkGameList(items, text);
    checkExtras(text);
    return 0;
}
