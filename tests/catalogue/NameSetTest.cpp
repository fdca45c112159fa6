// SPDX-License-Identifier: GPL-3.0-or-later
// The name sets that hold saved listings, whole and taken back from the saved file.
#include "zembra/catalogue/NameSet.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

TEST(NameSet, FindsExactlyTheNamesPutIn) {
    std::string packed;
    for (int i = 0; i < 3000; ++i) { // beyond any first size: the table grows on the way
        packed += "p" + std::to_string(i) + ".zip" + '\0';
    }
    packed += '\0'; // an empty name between two NULs is no name
    zembra::NameSet set;
    set.adoptPacked(packed); // the storage of an empty set
    for (int i = 0; i < 3000; ++i) {
        set.insert("g" + std::to_string(i) + ".zip");
    }
    set.insert("g7.zip");
    EXPECT_EQ(set.size(), 6000u);
    for (const char* name : {"g0.zip", "g2999.zip", "p0.zip", "p2999.zip"}) {
        EXPECT_TRUE(set.contains(name)) << name;
    }
    using namespace std::literals;
    for (const std::string_view name : {""sv, "G0.zip"sv, "g0.zi"sv, "p0.zip\0"sv}) {
        EXPECT_FALSE(set.contains(name)) << name;
    }
}

/// A set taken back from names and slots saved one after the other (the slots unaligned).
std::optional<zembra::NameSet> fromSaved(const std::string& names, const std::string& slots) {
    const auto saved = std::make_shared<const std::string>(names + slots);
    const std::string_view bytes = *saved;
    return zembra::NameSet::fromSaved(saved, bytes.substr(0, names.size()),
                                      bytes.substr(names.size()));
}

TEST(NameSet, ASavedTableIsTakenBackOnlyWhenEverySearchStaysInItsNames) {
    zembra::NameSet set;
    for (int i = 0; i < 40; ++i) {
        set.insert("n" + std::to_string(i) + ".zip");
    }
    std::string slots;
    set.saveSlots(slots);
    const std::string names(set.packed());
    std::optional<zembra::NameSet> restored = fromSaved(names, slots);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->size(), 40u);
    EXPECT_TRUE(restored->contains("n39.zip"));
    EXPECT_FALSE(restored->contains("n40.zip"));
    zembra::NameSet grown = *restored; // a copy that changes leaves the saved bytes alone
    grown.insert("n40.zip");
    EXPECT_TRUE(grown.contains("n40.zip"));
    EXPECT_TRUE(grown.contains("n0.zip"));
    EXPECT_FALSE(restored->contains("n40.zip"));

    std::size_t used = 0; // the first slot that holds a name
    while (slots.substr(used, 4) == std::string(4, '\0')) {
        used += 8;
    }
    const auto withSlot = [&](std::uint32_t at, std::uint16_t size) {
        std::string damaged = slots;
        for (int i = 0; i < 4; ++i) {
            damaged[used + i] = static_cast<char>((at >> (8 * i)) & 0xFF);
        }
        damaged[used + 4] = static_cast<char>(size & 0xFF);
        damaged[used + 5] = static_cast<char>(size >> 8);
        return damaged;
    };
    struct Row {
        const char* damage;
        std::string names;
        std::string slots;
    };
    std::string full = slots; // every slot taken: a search for a missing name would not end
    for (std::size_t at = 0; at < full.size(); at += 8) {
        full.replace(at, 8, slots.substr(used, 8));
    }
    const std::vector<Row> rows = {
        {"a name beyond the block", names, withSlot(static_cast<std::uint32_t>(names.size()), 1)},
        {"a size past the block's end", names, withSlot(1, 60000)},
        {"a name that does not end at a NUL", names, withSlot(1, 2)},
        {"a name that does not start after a NUL", names, withSlot(2, 5)},
        {"no free slot", names, full},
        {"a table that is no power of two", names, slots.substr(8)},
        {"a cut slot", names, slots.substr(0, slots.size() - 3)},
        {"names without their last NUL", names.substr(0, names.size() - 1), slots},
    };
    for (const Row& row : rows) {
        EXPECT_FALSE(fromSaved(row.names, row.slots)) << row.damage;
    }
}

} // namespace
