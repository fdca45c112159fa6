// SPDX-License-Identifier: GPL-3.0-or-later
// The mock-up's list: how many entries or cells, where the selection is, what they show.
#include "tessel/PreviewList.h"

#include <gtest/gtest.h>

namespace {

using namespace tessel;

common::SkinLayout area(float width, std::int32_t height) {
    common::SkinLayout layout;
    layout.listArea = {.top = 200, .left = 100, .width = width, .height = height};
    return layout;
}

// Where rows and cells fall is the browser's own layout (ListLayoutTest); the editor's part is
// what it takes from the skin.
TEST(PreviewList, NoColumnsCountAsOneAndOnlyOneColumnIsAligned) {
    common::SkinLayout layout = area(3000, 3000);
    layout.listColumns = 0;
    layout.listAlignment = 0;
    PreviewList list = previewList(layout, 300);
    EXPECT_EQ(list.rects.size(), 10u);
    EXPECT_EQ(list.alignment, 0);
    layout.listColumns = 2;
    list = previewList(layout, 300);
    EXPECT_EQ(list.rects.size(), 20u);
    EXPECT_EQ(list.alignment, 2); // several columns stay centred
}

TEST(PreviewList, PictureCellsStopAtTheAreaEdge) {
    const struct {
        const char* type;
        float width;
        std::int32_t height;
        float cellWidth;
        std::int32_t cellHeight;
        std::int32_t spacing;
        std::size_t count;
        const char* picture;
    } rows[] = {
        // The fourth cell would end beyond the edge and its new row below the area.
        {"snap", 4000, 1500, 1000, 1000, 100, 3, "screen32.jpg"},
        {"cabinet", 500, 500, 1000, 1000, 0, 1, "cabinet32.jpg"}, // cell bigger than area
        {"flyer", 4000, 1500, 0, 0, 0, 1, "flyer32.jpg"},         // no cell size yet
    };
    for (const auto& row : rows) {
        common::SkinLayout layout = area(row.width, row.height);
        layout.listType = row.type;
        layout.cellWidth = row.cellWidth;
        layout.cellHeight = row.cellHeight;
        layout.imageSpacing = row.spacing;
        const PreviewList list = previewList(layout, 300);
        EXPECT_EQ(list.rects.size(), row.count) << row.type << " " << row.height;
        EXPECT_EQ(list.pictureName, row.picture);
    }
}

// A skin file can say anything; the editor must stay usable whatever it says.
TEST(PreviewList, AbsurdSkinsGiveABoundedList) {
    common::SkinLayout layout = area(3.0e38f, 2000000000);
    layout.listColumns = 1e9f;
    EXPECT_LE(previewList(layout, 0.001).rects.size(), kMostPreviewEntries);
    layout.listType = "snap";
    layout.cellWidth = 0.0001f;
    layout.cellHeight = 1;
    layout.imageSpacing = -2000000000;
    const PreviewList cells = previewList(layout, 300);
    EXPECT_LE(cells.rects.size(), kMostPreviewEntries);
    EXPECT_LT(std::size_t(cells.midIndex), cells.rects.size());
    // The columns box shows a bounded whole number (typing into it is the window test's).
    EXPECT_EQ(textColumns(1e9f), 100);
}

} // namespace
