// SPDX-License-Identifier: GPL-3.0-or-later
// The mock-up's list: numbered text entries or placeholder picture cells in the list area.
#pragma once

#include "common/skin/SkinFile.h"
#include "zembra/browser/ListLayout.h"

#include <string>
#include <vector>

namespace tessel {

/// The entries or cells of the preview list, in twips, laid out as the browser lays out its
/// own, so that the mock-up shows what the browser will show.
struct PreviewList {
    bool pictures = false;               ///< picture cells instead of text entries
    std::vector<zembra::TwipRect> rects; ///< entry or cell 0 first; never empty
    int midIndex = 0;                    ///< the one drawn as the selection
    int columns = 1;                     ///< text columns actually used
    int alignment = 1;                   ///< text entries: 0 left, 1 right, 2 centred
    std::string pictureName;             ///< the skin's placeholder the cells show
};

/// A list type other than "list" or empty is a picture list.
bool isPictureList(const std::string& listType);

/// The skin's placeholder picture for a picture list type ("screen32.jpg" for "snap").
std::string placeholderFor(const std::string& listType);

/// Columns of the text list: 0, empty or less than one count as one.
int textColumns(float listColumns);

/// `labelHeight` is the height in twips of one row of text in the scheme's font.
PreviewList previewList(const common::SkinLayout& layout, double labelHeight);

/// The caption of text entry `index`: "Testing" and the number with a blank before it.
std::string entryCaption(int index);

/// The number typed into the column box: its leading number ("3 cols" gives 3), 0 when the
/// text does not start with one.
float columnsFromText(const std::string& text);

} // namespace tessel
