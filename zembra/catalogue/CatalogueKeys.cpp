// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/catalogue/CatalogueKeys.h"

#include "zembra/catalogue/NameSet.h"

namespace zembra {

CatalogueKeys::CatalogueKeys(const StringTable& masterList, int rows, std::string_view extension,
                             bool folded) {
    keys_.resize(static_cast<std::size_t>(rows) + 1);
    std::size_t bytes = 0;
    for (int row = 1; row <= rows; ++row) {
        bytes += masterList.at(row, 1).size() + extension.size();
    }
    text_.reserve(bytes);
    for (int row = 1; row <= rows; ++row) {
        Key& key = keys_[static_cast<std::size_t>(row)];
        key.at = text_.size();
        text_ += masterList.at(row, 1);
        text_ += extension;
        key.size = text_.size() - key.at;
        for (std::size_t i = key.at; i < text_.size(); ++i) {
            char& c = text_[i];
            key.ascii = key.ascii && static_cast<unsigned char>(c) < 0x80;
            if (folded && c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        key.hash = NameSet::hashOf(name(row));
    }
}

} // namespace zembra
