// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes number reading, and writing of every bit pattern a double or a single can hold.
#include "FuzzSupport.h"
#include "common/text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);
    common::parseNumber(text);
    common::itemSingle(text);
    common::itemFlag(text);
    double rawDouble = 0;
    float rawFloat = 0;
    std::memcpy(&rawDouble, data, std::min(size, sizeof rawDouble));
    std::memcpy(&rawFloat, data, std::min(size, sizeof rawFloat));
    for (const double value : {common::leadingNumber(text), rawDouble}) {
        if (std::isfinite(value))
            common::numberText(value);
    }
    if (std::isfinite(rawFloat))
        common::numberText(rawFloat);
    return 0;
}
