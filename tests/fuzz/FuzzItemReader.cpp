// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the item reader every file goes through.
#include "FuzzSupport.h"
#include "common/text/ItemReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);
    common::ItemReader reader(text);
    for (reader.skipBlankLines(); reader.next(); reader.skipBlankLines()) {
    }
    return 0;
}
