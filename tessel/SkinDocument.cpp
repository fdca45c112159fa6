// SPDX-License-Identifier: GPL-3.0-or-later
#include "tessel/SkinDocument.h"

#include "common/text/Numbers.h"

#include <cmath>

namespace tessel {
namespace {

// The five elements stored as a whole rectangle; empty for the others.
template <class Layout>
auto pictureRect(Layout& l, Element element) -> decltype(&l.snap) {
    switch (element) {
    case Element::Snap:
        return &l.snap;
    case Element::Cabinet:
        return &l.cabinet;
    case Element::Flyer:
        return &l.flyer;
    case Element::Marquee:
        return &l.marquee;
    case Element::ListArea:
        return &l.listArea;
    default:
        return nullptr;
    }
}

bool setSingle(float& target, double value) {
    const auto single = common::toSingle(value);
    if (single) {
        target = *single;
    }
    return single.has_value();
}

bool setWhole(std::int32_t& target, double value) {
    const auto whole = std::isfinite(value) ? common::toInt32(value) : std::nullopt;
    if (whole) {
        target = *whole;
    }
    return whole.has_value();
}

} // namespace

void setSkinFolder(SkinDocument& document, std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    document.skinFolder = folder + "/";
    document.schemePath = folder + "/scheme.cfg";
}

common::SkinFolderLoad openSkin(SkinDocument& document, std::string folder) {
    setSkinFolder(document, std::move(folder));
    const auto load = common::loadSkinFolder(document.skinFolder, document.layout, document.scheme);
    document.savedLayout = document.layout;
    return load;
}

bool saveSkin(SkinDocument& document, std::string& error) {
    if (!document.isOpen()) {
        error = "no skin is open";
        return false;
    }
    if (!common::saveSkinLayout(document.skinFolder + "skin.ini", document.layout, &error)) {
        return false;
    }
    document.savedLayout = document.layout;
    return true;
}

bool saveSchemeFile(const SkinDocument& document, std::string& error) {
    if (!document.isOpen()) {
        error = "no skin is open";
        return false;
    }
    return common::saveScheme(document.schemePath, document.scheme, &error);
}

void makeAllVisible(common::SkinLayout& layout) {
    layout.showSnap = layout.showCabinet = layout.showFlyer = layout.showMarquee = true;
    layout.showPath = layout.showNav = true;
}

TwipBox elementBox(const common::SkinLayout& l, Element element) {
    switch (element) {
    case Element::Logo:
        return {l.logoLeft, l.logoTop, double(l.logoWidth), l.logoHeight};
    case Element::Path:
        return {double(l.pathLeft), l.pathTop, 0, 0};
    case Element::Nav:
        return {double(l.navLeft), l.navTop, 0, 0};
    case Element::Cell:
        return {double(l.listArea.left), double(l.listArea.top), l.cellWidth, double(l.cellHeight)};
    default: {
        const common::ElementRect& r = *pictureRect(l, element);
        return {r.left, r.top, r.width, double(r.height)};
    }
    }
}

bool setElementValue(common::SkinLayout& l, Element element, Property property, double value) {
    if (common::ElementRect* r = pictureRect(l, element)) {
        switch (property) {
        case Property::Width:
            return setSingle(r->width, value);
        case Property::Height:
            return setWhole(r->height, value);
        case Property::Left:
            return setSingle(r->left, value);
        case Property::Top:
            return setSingle(r->top, value);
        }
    }
    switch (element) {
    case Element::Logo:
        switch (property) {
        case Property::Width:
            return setWhole(l.logoWidth, value);
        case Property::Height:
            return setSingle(l.logoHeight, value);
        case Property::Left:
            return setSingle(l.logoLeft, value);
        case Property::Top:
            return setSingle(l.logoTop, value);
        }
        break;
    case Element::Path:
        return property == Property::Left  ? setWhole(l.pathLeft, value)
               : property == Property::Top ? setSingle(l.pathTop, value)
                                           : false;
    case Element::Nav:
        return property == Property::Left  ? setWhole(l.navLeft, value)
               : property == Property::Top ? setSingle(l.navTop, value)
                                           : false;
    case Element::Cell:
        // The first cell always sits at the list area's corner; only its size is its own.
        return property == Property::Width    ? setSingle(l.cellWidth, value)
               : property == Property::Height ? setWhole(l.cellHeight, value)
                                              : false;
    default:
        break;
    }
    return false;
}

std::optional<bool> elementShown(const common::SkinLayout& l, Element element) {
    switch (element) {
    case Element::Snap:
        return l.showSnap;
    case Element::Cabinet:
        return l.showCabinet;
    case Element::Flyer:
        return l.showFlyer;
    case Element::Marquee:
        return l.showMarquee;
    case Element::Logo:
        return l.showLogo;
    case Element::Path:
        return l.showPath;
    case Element::Nav:
        return l.showNav;
    default:
        return std::nullopt;
    }
}

void setElementShown(common::SkinLayout& l, Element element, bool shown) {
    switch (element) {
    case Element::Snap:
        l.showSnap = shown;
        break;
    case Element::Cabinet:
        l.showCabinet = shown;
        break;
    case Element::Flyer:
        l.showFlyer = shown;
        break;
    case Element::Marquee:
        l.showMarquee = shown;
        break;
    case Element::Logo:
        l.showLogo = shown;
        break;
    case Element::Path:
        l.showPath = shown;
        break;
    case Element::Nav:
        l.showNav = shown;
        break;
    default:
        break;
    }
}

} // namespace tessel
