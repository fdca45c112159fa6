// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's file names for one extension, each hashed once for a whole scan.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zembra {

/// For each row of the master list: the set name followed by the extension, as the
/// leaf name a folder is asked for, with its NameSet::hashOf. A scan tests each name against
/// twenty-odd folders; it is put together and hashed here once.
class CatalogueKeys {
public:
    /// `names` holds the set names by row (row 0 unused). With `folded`, ASCII letters are
    /// folded to lower case, as for a folder that ignores case.
    CatalogueKeys(const std::vector<std::string_view>& names, std::string_view extension,
                  bool folded);

    std::string_view name(int row) const {
        const Key& key = keys_[static_cast<std::size_t>(row)];
        return {text_.data() + key.at, key.size};
    }
    std::uint64_t hash(int row) const { return keys_[static_cast<std::size_t>(row)].hash; }
    /// Whether the name holds only ASCII characters.
    bool ascii(int row) const { return keys_[static_cast<std::size_t>(row)].ascii; }

private:
    struct Key {
        std::size_t at = 0;
        std::size_t size = 0;
        std::uint64_t hash = 0;
        bool ascii = true;
    };
    std::string text_;
    std::vector<Key> keys_; ///< by row; row 0 unused
};

} // namespace zembra
