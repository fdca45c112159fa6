// SPDX-License-Identifier: GPL-3.0-or-later
#include "tessel/NumericBoxes.h"

#include "common/text/Numbers.h"

namespace tessel {
namespace {

std::vector<NumericBox> makeBoxes() {
    std::vector<NumericBox> boxes;
    const auto fourSides = [&](const std::string& prefix, const std::string& page, Element element,
                               const char* heightName, const char* widthName) {
        boxes.push_back({prefix + "top", page, element, Property::Top});
        boxes.push_back({prefix + "left", page, element, Property::Left});
        boxes.push_back({prefix + heightName, page, element, Property::Height});
        boxes.push_back({prefix + widthName, page, element, Property::Width});
    };
    fourSides("M", "Marquee", Element::Marquee, "height", "width");
    fourSides("F", "Flyer", Element::Flyer, "height", "width");
    fourSides("SS", "SShot", Element::Snap, "height", "width");
    fourSides("C", "Cabinet", Element::Cabinet, "height", "width");
    fourSides("L", "Logo", Element::Logo, "height", "width");
    boxes.push_back({"Ptop", "Path", Element::Path, Property::Top});
    boxes.push_back({"Pleft", "Path", Element::Path, Property::Left});
    boxes.push_back({"Ntop", "Navigate", Element::Nav, Property::Top});
    boxes.push_back({"Nleft", "Navigate", Element::Nav, Property::Left});
    fourSides("LA", "List Area", Element::ListArea, "Height", "width");
    boxes.push_back({"LAPheight", "List Area", Element::Cell, Property::Height});
    boxes.push_back({"LAPwidth", "List Area", Element::Cell, Property::Width});
    boxes.push_back({"LAPSpace", "List Area", Element::Cell, Property::Width, true});
    return boxes;
}

double boxValue(const common::SkinLayout& layout, const NumericBox& box) {
    const TwipBox r = elementBox(layout, box.element);
    switch (box.property) {
    case Property::Width:
        return r.width;
    case Property::Height:
        return r.height;
    case Property::Left:
        return r.left;
    case Property::Top:
        return r.top;
    }
    return 0;
}

} // namespace

const std::vector<NumericBox>& numericBoxes() {
    static const std::vector<NumericBox> boxes = makeBoxes();
    return boxes;
}

const std::vector<std::string>& numericPages() {
    static const std::vector<std::string> pages = {"Marquee", "Flyer", "SShot",    "Cabinet",
                                                   "Logo",    "Path",  "Navigate", "List Area"};
    return pages;
}

std::optional<double> boxNumber(std::string_view text) {
    return common::parseNumber(text);
}

std::string boxText(const common::SkinLayout& layout, const NumericBox& box) {
    if (box.spacing) {
        return common::numberText(double(layout.imageSpacing));
    }
    return common::numberText(static_cast<float>(boxValue(layout, box)));
}

bool applyBox(common::SkinLayout& layout, const NumericBox& box, std::string_view text) {
    const auto number = boxNumber(text);
    if (!number) {
        return false;
    }
    if (box.spacing) {
        const auto whole = common::toInt32(*number);
        if (whole) {
            layout.imageSpacing = *whole;
        }
        return whole.has_value();
    }
    return setElementValue(layout, box.element, box.property, *number);
}

} // namespace tessel
