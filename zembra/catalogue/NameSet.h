// SPDX-License-Identifier: GPL-3.0-or-later
// A set of file names in one block of text, searched without allocating.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

/// The names of one folder, for thousands of existence questions a scan. The names live one
/// after another in a single string, each followed by a NUL, and are found through a table of
/// open addressing, so filling the set costs two allocations that grow, not one per name. The
/// table itself can be saved and taken back, so a saved listing is not hashed again.
class NameSet {
public:
    NameSet() = default;
    NameSet(const NameSet& other);
    NameSet(NameSet&& other) noexcept;
    NameSet& operator=(const NameSet& other);
    NameSet& operator=(NameSet&& other) noexcept;
    ~NameSet() = default;

    /// The hash a name is found by; a scan computes it once for a name it asks many sets for.
    /// Saved tables depend on it: changing it means a new version of the files that hold them.
    static std::uint64_t hashOf(std::string_view name);

    /// Makes room for `names` names of `bytes` characters in all.
    void reserve(std::size_t names, std::size_t bytes);
    /// Adds `name`; a name already there is not added twice.
    void insert(std::string_view name);
    /// Adds every name of `packed`, where each name is followed by a NUL.
    void insertPacked(std::string_view packed);
    /// The same, keeping `packed` itself as the names' storage when the set is still empty.
    void adoptPacked(std::string packed);
    bool contains(std::string_view name) const { return contains(name, hashOf(name)); }
    /// The same with the name's hashOf already known.
    bool contains(std::string_view name, std::uint64_t hash) const;
    std::size_t size() const { return count_; }

    /// Every name, each followed by a NUL (empty pieces between NULs are no names).
    std::string_view packed() const { return names_; }
    /// Appends the table's slots to `out` (8 bytes each, little-endian), for saving beside
    /// packed().
    void saveSlots(std::string& out) const;
    /// Takes back a set saved as packed() and saveSlots(); nothing when the two cannot be
    /// such a pair (a slot outside the names or not at a whole name, no free slot, a table
    /// fuller than the set ever makes it). Whether every name is in its right slot is not
    /// checked: the file that holds them must be checked as a whole. `names` and `slots` lie in
    /// `saved`, which the set keeps and reads in place instead of copying them.
    static std::optional<NameSet> fromSaved(std::shared_ptr<const std::string> saved,
                                            std::string_view names, std::string_view slots);

private:
    struct Slot {
        std::uint32_t at = 0;   ///< where the name starts in `text_`, plus one; 0: empty
        std::uint16_t size = 0; ///< file names are at most a few hundred bytes
        std::uint16_t tag = 0;  ///< the hash's top bits, to pass over most other names unread
    };
    static std::uint16_t tagOf(std::uint64_t hash) {
        return static_cast<std::uint16_t>(hash >> 48);
    }
    static_assert(sizeof(Slot) == 8);
    std::string_view nameAt(const Slot& slot) const;
    /// The table's slot `i`, read from its bytes (which need not be aligned).
    Slot slotAt(std::size_t i) const {
        Slot slot;
        std::memcpy(&slot, table_ + i * sizeof(Slot), sizeof(Slot));
        return slot;
    }
    /// Points the searches at text_ and slots_ again, after they changed or moved.
    void readOwn();
    /// Copies saved names and slots into text_ and slots_, before the set changes.
    void takeOwnership();
    void grow(std::size_t slots);
    /// Enters `name`, stored at `at` in `text_`; false when it is there already.
    bool place(std::string_view name, std::size_t at);

    std::string text_; ///< every name, one after another, each followed by a NUL
    std::vector<Slot> slots_;
    /// What searches read: text_ and slots_, or the saved bytes the set was taken from (in the
    /// slots' own byte order, which is the saved one on a little-endian machine).
    std::shared_ptr<const std::string> saved_;
    std::string_view names_;
    const char* table_ = nullptr;
    std::size_t tableSlots_ = 0;
    std::size_t count_ = 0;
};

} // namespace zembra
