// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the item reader every file goes through, and its round trip with the record writer.
#include "FuzzSupport.h"
#include "common/text/ItemReader.h"
#include "common/text/ItemWriter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);
    const auto lineBreaks = static_cast<int>(std::count(text.begin(), text.end(), '\n') +
                                             std::count(text.begin(), text.end(), '\r'));

    common::ItemReader reader(text);
    std::vector<std::string> items;
    std::size_t itemBytes = 0;
    int lastLine = 1;
    while (auto item = reader.next()) {
        // Every item but an empty one after a final comma takes at least one byte, so the
        // reader cannot go on for ever.
        FUZZ_REQUIRE(items.size() <= text.size());
        itemBytes += item->size();
        FUZZ_REQUIRE(itemBytes <= text.size());
        FUZZ_REQUIRE(reader.line() >= lastLine);
        FUZZ_REQUIRE(reader.line() <= 1 + lineBreaks);
        FUZZ_REQUIRE(reader.nextLine() >= reader.line());
        lastLine = reader.line();
        items.push_back(std::move(*item));
    }
    FUZZ_REQUIRE(reader.atEnd());
    FUZZ_REQUIRE(!reader.next());
    FUZZ_REQUIRE(text.empty() == items.empty());

    if (!std::all_of(items.begin(), items.end(), fuzzing::writable)) {
        return 0;
    }
    // Written back as records of up to three items, empty ones as empty fields, the items must
    // read back unchanged.
    common::RecordWriter writer;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].empty() && i % 2 == 0) {
            writer.empty();
        } else {
            writer.text(items[i]);
        }
        if (i % 3 == 2 || i + 1 == items.size()) {
            writer.endRecord();
        }
    }
    common::ItemReader again(writer.str());
    for (const auto& item : items) {
        const auto read = again.next();
        FUZZ_REQUIRE(read && *read == item);
    }
    FUZZ_REQUIRE(!again.next());
    return 0;
}
