// SPDX-License-Identifier: GPL-3.0-or-later
// Typed reading of items, for the files whose records hold numbers, flags and strings.
#pragma once

#include "common/text/ItemReader.h"
#include "common/text/Numbers.h"

#include <cstdint>
#include <string>

namespace common {

/// Reads the next item into a variable of a given type. Each read returns false, leaving the
/// variable as it was, when the text is used up or the item does not convert (a flag that is
/// no flag, a number too large for its integer). Numbers follow the leading-number rule, so a
/// word where a number belongs reads as 0; integers are rounded, halves to even.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : items_(text) {}

    bool read(std::string& value) {
        auto item = items_.next();
        if (!item) {
            return false;
        }
        value = std::move(*item);
        return true;
    }
    bool read(double& value) {
        return readAs(value, [](double v) { return std::optional(v); });
    }
    bool read(float& value) {
        auto item = items_.next();
        if (!item) {
            return false;
        }
        const auto single = itemSingle(*item);
        if (!single) {
            return false;
        }
        value = *single;
        return true;
    }
    bool read(std::int32_t& value) { return readAs(value, toInt32); }
    bool read(std::int16_t& value) { return readAs(value, toInt16); }
    bool read(bool& value) {
        auto item = items_.next();
        if (!item) {
            return false;
        }
        const auto flag = itemFlag(*item);
        if (!flag) {
            return false;
        }
        value = *flag;
        return true;
    }

    /// Line of the item read last, for messages.
    int line() const { return items_.line(); }

private:
    template <typename T, typename Convert>
    bool readAs(T& value, Convert convert) {
        auto item = items_.next();
        if (!item) {
            return false;
        }
        const auto number = itemNumber(*item);
        if (!number) {
            return false;
        }
        const auto converted = convert(*number);
        if (!converted) {
            return false;
        }
        value = *converted;
        return true;
    }

    ItemReader items_;
};

} // namespace common
