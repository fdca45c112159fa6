// SPDX-License-Identifier: GPL-3.0-or-later
// The skin document and the numeric editor's boxes: edits stored as the browser reads them, and
// saved for it.
#include "tessel/SkinDocument.h"

#include "tessel/NumericBoxes.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace tessel;

const NumericBox& box(const std::string& name) {
    for (const NumericBox& b : numericBoxes()) {
        if (b.name == name)
            return b;
    }
    throw std::runtime_error("no box " + name);
}

/// A layout with a different value, fractions included, in every box.
common::SkinLayout sample() {
    common::SkinLayout l;
    int n = 0;
    for (const NumericBox& b : numericBoxes())
        applyBox(l, b, std::to_string(100 + 37 * n++) + ".75");
    return l;
}

// Filling the boxes writes every value straight back; that must change nothing.
TEST(NumericBoxes, FillingTheBoxesLeavesTheLayoutAlone) {
    common::SkinLayout layout = sample();
    for (const NumericBox& b : numericBoxes())
        EXPECT_TRUE(applyBox(layout, b, boxText(layout, b))) << b.name;
    EXPECT_EQ(layout, sample());
}

TEST(NumericBoxes, TypedNumbersReachTheirValueAndOthersAreIgnored) {
    const struct {
        const char* box;
        const char* text;
        bool taken;
    } rows[] = {{"Mtop", "12px", false}, {"Mtop", " 1200 ", true}, {"Lwidth", "1e40", false}};
    for (const auto& row : rows) {
        common::SkinLayout layout = sample();
        EXPECT_EQ(applyBox(layout, box(row.box), row.text), row.taken) << row.box << row.text;
        if (!row.taken) {
            EXPECT_EQ(layout, sample()) << row.box << row.text;
        }
    }
    // The logo's boxes name height and width the other way round from its record.
    common::SkinLayout layout = sample();
    applyBox(layout, box("Lheight"), "600");
    EXPECT_EQ(layout.logoHeight, 600);
    EXPECT_EQ(layout.logoWidth, sample().logoWidth);
}

TEST(SkinDocument, ValuesAreStoredAsTheBrowserReadsThem) {
    const struct {
        Element element;
        Property property;
        double value;
        bool taken;
        double stored;
    } rows[] = {
        {Element::Snap, Property::Height, 2431.5, true, 2432}, // halves to even
        {Element::Logo, Property::Width, 1680.6, true, 1681},  // the logo's width is the whole one
        {Element::Nav, Property::Height, 500, false, 0},
        {Element::ListArea, Property::Height, 1e12, false, 0},
    };
    for (const auto& row : rows) {
        common::SkinLayout layout;
        EXPECT_EQ(setElementValue(layout, row.element, row.property, row.value), row.taken)
            << int(row.element) << "/" << int(row.property);
        const TwipBox box = elementBox(layout, row.element);
        EXPECT_EQ(row.property == Property::Width ? box.width : box.height, row.stored)
            << int(row.element) << "/" << int(row.property);
    }
}

} // namespace
