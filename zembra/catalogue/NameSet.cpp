// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/NameSet.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace zembra {

std::uint64_t NameSet::hashOf(std::string_view name) {
    // File names are short: eight bytes at a step, each mixed in by one multiplication, and the
    // whole folded at the end so that the low bits (the slot) depend on every byte.
    std::uint64_t hash = 0x9E3779B97F4A7C15ULL ^ name.size();
    std::size_t at = 0;
    for (; at + 8 <= name.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, name.data() + at, 8);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDULL;
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, name.data() + at, name.size() - at);
    hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53ULL;
    hash ^= hash >> 29;
    hash *= 0xFF51AFD7ED558CCDULL;
    return hash ^ (hash >> 32);
}

NameSet::NameSet(const NameSet& other)
    : text_(other.text_), slots_(other.slots_), saved_(other.saved_), names_(other.names_),
      table_(other.table_), tableSlots_(other.tableSlots_), count_(other.count_) {
    if (!saved_) {
        readOwn();
    }
}

NameSet::NameSet(NameSet&& other) noexcept
    : text_(std::move(other.text_)), slots_(std::move(other.slots_)),
      saved_(std::move(other.saved_)), names_(other.names_), table_(other.table_),
      tableSlots_(other.tableSlots_), count_(other.count_) {
    if (!saved_) {
        readOwn(); // a short text_ moves its characters, not a pointer
    }
    other.text_.clear();
    other.slots_.clear();
    other.count_ = 0;
    other.readOwn();
}

NameSet& NameSet::operator=(const NameSet& other) {
    if (this != &other) {
        *this = NameSet(other);
    }
    return *this;
}

NameSet& NameSet::operator=(NameSet&& other) noexcept {
    if (this != &other) {
        text_ = std::move(other.text_);
        slots_ = std::move(other.slots_);
        saved_ = std::move(other.saved_);
        names_ = other.names_;
        table_ = other.table_;
        tableSlots_ = other.tableSlots_;
        count_ = other.count_;
        if (!saved_) {
            readOwn();
        }
        other.text_.clear();
        other.slots_.clear();
        other.count_ = 0;
        other.readOwn();
    }
    return *this;
}

void NameSet::readOwn() {
    saved_.reset();
    names_ = text_;
    table_ = reinterpret_cast<const char*>(slots_.data());
    tableSlots_ = slots_.size();
}

void NameSet::takeOwnership() {
    if (!saved_) {
        return;
    }
    text_.assign(names_);
    slots_.resize(tableSlots_);
    for (std::size_t i = 0; i < tableSlots_; ++i) {
        slots_[i] = slotAt(i);
    }
    readOwn();
}

std::string_view NameSet::nameAt(const Slot& slot) const {
    return names_.substr(slot.at - 1, slot.size);
}

void NameSet::reserve(std::size_t names, std::size_t bytes) {
    takeOwnership();
    text_.reserve(bytes);
    // Filled to at most two thirds, so a search ends after a few slots.
    std::size_t slots = 16;
    while (slots * 2 < names * 3) {
        slots *= 2;
    }
    if (slots > slots_.size()) {
        grow(slots);
    }
}

void NameSet::grow(std::size_t slots) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(slots, Slot{});
    readOwn();
    const std::size_t mask = slots - 1;
    for (const Slot& slot : old) {
        if (slot.at != 0) {
            std::size_t i = hashOf(nameAt(slot)) & mask;
            while (slots_[i].at != 0) {
                i = (i + 1) & mask;
            }
            slots_[i] = slot;
        }
    }
}

void NameSet::insert(std::string_view name) {
    takeOwnership();
    if (place(name, text_.size())) {
        text_.append(name).push_back('\0');
        names_ = text_;
    }
}

bool NameSet::place(std::string_view name, std::size_t at) {
    // No file name is this long; such a name is never found, so it is not kept either.
    if (name.size() > UINT16_MAX) {
        return false;
    }
    if ((count_ + 1) * 3 > slots_.size() * 2) {
        grow(slots_.empty() ? 16 : slots_.size() * 2);
    }
    const std::uint64_t hash = hashOf(name);
    const std::uint16_t tag = tagOf(hash);
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    for (; slots_[i].at != 0; i = (i + 1) & mask) {
        if (slots_[i].tag == tag && nameAt(slots_[i]) == name) {
            return false;
        }
    }
    slots_[i].at = static_cast<std::uint32_t>(at + 1);
    slots_[i].size = static_cast<std::uint16_t>(name.size());
    slots_[i].tag = tag;
    ++count_;
    return true;
}

void NameSet::adoptPacked(std::string packed) {
    if (packed.empty()) {
        return;
    }
    takeOwnership();
    if (!text_.empty()) {
        insertPacked(packed);
        return;
    }
    // The names stay where they are; the NULs between them are never part of a name.
    text_ = std::move(packed);
    if (text_.back() != '\0') {
        text_.push_back('\0');
    }
    names_ = text_;
    const std::string_view all = text_;
    for (std::size_t start = 0; start < all.size();) {
        const std::size_t end = std::min(all.find('\0', start), all.size());
        if (end > start) {
            place(all.substr(start, end - start), start);
        }
        start = end + 1;
    }
}

void NameSet::insertPacked(std::string_view packed) {
    while (!packed.empty()) {
        const std::size_t end = std::min(packed.find('\0'), packed.size());
        if (end > 0) {
            insert(packed.substr(0, end));
        }
        packed.remove_prefix(std::min(end + 1, packed.size()));
    }
}

bool NameSet::contains(std::string_view name, std::uint64_t hash) const {
    if (tableSlots_ == 0) {
        return false;
    }
    const std::uint16_t tag = tagOf(hash);
    const std::size_t mask = tableSlots_ - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot slot = slotAt(i);
        if (slot.at == 0) {
            return false;
        }
        if (slot.tag == tag && slot.size == name.size() && nameAt(slot) == name) {
            return true;
        }
    }
}

void NameSet::saveSlots(std::string& out) const {
    if constexpr (std::endian::native == std::endian::little) {
        out.append(table_, tableSlots_ * sizeof(Slot));
        return;
    }
    for (std::size_t i = 0; i < tableSlots_; ++i) {
        const Slot slot = slotAt(i);
        for (const auto& [value, bytes] :
             {std::pair<std::uint32_t, int>{slot.at, 4}, {slot.size, 2}, {slot.tag, 2}}) {
            for (int b = 0; b < bytes; ++b) {
                out.push_back(static_cast<char>((value >> (8 * b)) & 0xFF));
            }
        }
    }
}

std::optional<NameSet> NameSet::fromSaved(std::shared_ptr<const std::string> saved,
                                          std::string_view names, std::string_view slots) {
    const std::size_t count = slots.size() / sizeof(Slot);
    // A power of two (the mask), or no table at all.
    if (slots.size() % sizeof(Slot) != 0 || (count & (count - 1)) != 0 ||
        (!names.empty() && names.back() != '\0') || names.size() >= UINT32_MAX) {
        return std::nullopt;
    }
    NameSet set;
    if constexpr (std::endian::native == std::endian::little) {
        // Read where they lie: loading a saved listing copies nothing.
        set.saved_ = std::move(saved);
        set.names_ = names;
        set.table_ = slots.data();
        set.tableSlots_ = count;
    } else {
        const auto byte = [&](std::size_t at) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(slots[at]));
        };
        set.slots_.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = sizeof(Slot) * i;
            set.slots_[i].at =
                byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | byte(at + 3) << 24;
            set.slots_[i].size = static_cast<std::uint16_t>(byte(at + 4) | byte(at + 5) << 8);
            set.slots_[i].tag = static_cast<std::uint16_t>(byte(at + 6) | byte(at + 7) << 8);
        }
        set.text_.assign(names);
        set.readOwn();
    }
    // Every search reads only names that lie wholly in the block and start and end at a NUL,
    // and ends at a free slot.
    for (std::size_t i = 0; i < count; ++i) {
        const Slot slot = set.slotAt(i);
        if (slot.at == 0) {
            continue;
        }
        const std::size_t start = slot.at - 1;
        const std::size_t end = start + slot.size;
        if (end >= names.size() || names[end] != '\0' || (start > 0 && names[start - 1] != '\0')) {
            return std::nullopt;
        }
        ++set.count_;
    }
    if (set.count_ * 3 > count * 2) {
        return std::nullopt;
    }
    return set;
}

} // namespace zembra
