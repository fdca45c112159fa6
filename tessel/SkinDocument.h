// SPDX-License-Identifier: GPL-3.0-or-later
// The skin being edited: its folder, its layout and scheme, and the edits the windows make.
#pragma once

#include "common/skin/SchemeFile.h"
#include "common/skin/SkinFile.h"
#include "common/skin/SkinFolder.h"

#include <optional>
#include <string>

namespace tessel {

/// The elements of the mock-up that the user moves, sizes and hides.
enum class Element { Snap, Cabinet, Flyer, Marquee, Logo, ListArea, Path, Nav, Cell };

/// The four values an editor can set; a label has no width or height of its own to save.
enum class Property { Width, Height, Left, Top };

/// An element's place in twips.
struct TwipBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const TwipBox&) const = default;
};

/// The document holds the values exactly as the browser reads them back from skin.ini (heights
/// in whole twips where the browser reads a whole number), so the mock-up shows the rectangles
/// the browser will use and an unchanged save writes the same bytes it read.
struct SkinDocument {
    std::string skinFolder; ///< native folder text ending in "/"; empty until a skin is opened
    std::string schemePath; ///< the folder's scheme.cfg; empty until a skin is opened
    common::SkinLayout layout;
    common::Scheme scheme;
    /// The layout as skin.ini last held it (read or written here).
    common::SkinLayout savedLayout;

    bool isOpen() const { return !skinFolder.empty(); }
    bool hasUnsavedLayout() const { return layout != savedLayout; }
};

/// Names `folder` (with or without a trailing "/") as the open skin, without reading it.
void setSkinFolder(SkinDocument& document, std::string folder);

/// Opens `folder` (with or without a trailing "/"): the values its files give replace the
/// document's; the ones they do not give stay, as the mock-up keeps elements a short skin.ini
/// does not place.
common::SkinFolderLoad openSkin(SkinDocument& document, std::string folder);

/// Writes skin.ini whole and atomically. False, with the reason in `error`, when no skin is
/// open or the folder cannot be written; the document is unchanged either way.
bool saveSkin(SkinDocument& document, std::string& error);

/// Writes scheme.cfg whole and atomically, as saveSkin.
bool saveSchemeFile(const SkinDocument& document, std::string& error);

/// Shows snap, cabinet, flyer, marquee, path label and arrows. The logo is the path's own
/// picture and keeps its flag.
void makeAllVisible(common::SkinLayout& layout);

TwipBox elementBox(const common::SkinLayout& layout, Element element);

/// Sets one value of an element. A value the element stores as a whole number is rounded
/// (halves to even) as the browser would read it; a value out of range, or a width or height
/// of the path label or the arrows, changes nothing. Returns whether the value was taken.
bool setElementValue(common::SkinLayout& layout, Element element, Property property, double value);

/// The visibility flag of an element; empty for the list area and the picture cell, which are
/// shown by the list type.
std::optional<bool> elementShown(const common::SkinLayout& layout, Element element);
void setElementShown(common::SkinLayout& layout, Element element, bool shown);

} // namespace tessel
