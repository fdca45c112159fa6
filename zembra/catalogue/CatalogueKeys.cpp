// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/CatalogueKeys.h"

#include "zembra/catalogue/NameSet.h"

#include <cstring>

namespace zembra {

CatalogueKeys::CatalogueKeys(const std::vector<std::string_view>& names, std::string_view extension,
                             bool folded) {
    keys_.resize(names.size());
    std::size_t bytes = 0;
    for (const std::string_view name : names) {
        bytes += name.size() + extension.size();
    }
    text_.resize(bytes);
    char* out = text_.data();
    std::size_t at = 0;
    for (std::size_t row = 1; row < names.size(); ++row) {
        Key& key = keys_[row];
        key.at = at;
        std::memcpy(out + at, names[row].data(), names[row].size());
        at += names[row].size();
        std::memcpy(out + at, extension.data(), extension.size());
        at += extension.size();
        key.size = at - key.at;
        unsigned char high = 0;
        for (std::size_t i = key.at; i < at; ++i) {
            high |= static_cast<unsigned char>(out[i]);
            if (folded && out[i] >= 'A' && out[i] <= 'Z') {
                out[i] = static_cast<char>(out[i] - 'A' + 'a');
            }
        }
        key.ascii = high < 0x80;
        key.hash = NameSet::hashOf(name(static_cast<int>(row)));
    }
}

} // namespace zembra
