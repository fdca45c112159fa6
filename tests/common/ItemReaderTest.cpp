// SPDX-License-Identifier: GPL-3.0-or-later
// The item rule every file is read with, and the matching write rule.
#include "common/text/ItemReader.h"

#include "common/text/ItemWriter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> items(std::string_view text) {
    common::ItemReader reader(text);
    std::vector<std::string> out;
    while (auto item = reader.next()) {
        out.push_back(*item);
    }
    return out;
}

using Items = std::vector<std::string>;

TEST(ItemReader, SplitsAtCommasAndLineEnds) {
    EXPECT_EQ(items("a,b\r\nc\nd\re"), (Items{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(items("a,b"), (Items{"a", "b"}));
    EXPECT_TRUE(items("").empty());
}

TEST(ItemReader, BlankLinesArePassedOverOnlyAtTheStartOfALine) {
    struct Row {
        const char* text;
        Items expected;
    } rows[] = {
        {"a,b\r\n\r\n  \t\r\nc,d\r\n", {"a", "b", "c", "d"}},
        {"\n\na,b\n \n", {"a", "b"}},
        {"a,\n\nb", {"a", "", "b"}}, // after a comma the rest of the line is still an item
        {"   ", {}},
    };
    for (const auto& row : rows) {
        common::ItemReader reader(row.text);
        Items out;
        for (reader.skipBlankLines(); auto item = reader.next(); reader.skipBlankLines()) {
            out.push_back(*item);
        }
        EXPECT_EQ(out, row.expected) << row.text;
    }
}

TEST(ItemReader, DropsLeadingBlanksButKeepsTrailingOnes) {
    EXPECT_EQ(items("  \t a b  ,  c"), (Items{"a b  ", "c"}));
}

TEST(ItemReader, BlankAndEmptyLinesAreEmptyItems) {
    EXPECT_EQ(items("a\r\n\r\n   \r\nb\r\n"), (Items{"a", "", "", "b"}));
}

TEST(ItemReader, CommaBeforeLineEndOrEndOfTextGivesAnEmptyItem) {
    EXPECT_EQ(items("38,40,,\r\n"), (Items{"38", "40", "", ""}));
    EXPECT_EQ(items("a,"), (Items{"a", ""}));
}

TEST(ItemReader, QuotedItemKeepsCommasAndDropsTheRestOfItsField) {
    EXPECT_EQ(items("\"Pac-Man, Ms.\",x"), (Items{"Pac-Man, Ms.", "x"}));
    EXPECT_EQ(items("Path=\"C:\\a,b\\\" tail, next\r\nlast"),
              (Items{"Path=\"C:\\a", "b\\\" tail", "next", "last"}));
    EXPECT_EQ(items("\"abc\"def,ghi"), (Items{"abc", "ghi"}));
    EXPECT_EQ(items("\"abc\" junk\r\nnext"), (Items{"abc", "next"}));
}

TEST(ItemReader, QuotedItemRunsAcrossLinesAndToTheEndWhenUnclosed) {
    EXPECT_EQ(items("\"two\r\nlines\",x"), (Items{"two\r\nlines", "x"}));
    EXPECT_EQ(items("a,\"never closed\r\nb,c"), (Items{"a", "never closed\r\nb,c"}));
}

TEST(ItemReader, CountsLinesForMessages) {
    common::ItemReader reader("a\r\n\"b\nc\"\nd,e\n");
    reader.next();
    EXPECT_EQ(reader.line(), 1);
    reader.next();
    EXPECT_EQ(reader.line(), 2);
    reader.next();
    EXPECT_EQ(reader.line(), 4);
    reader.next();
    EXPECT_EQ(reader.line(), 4);
    EXPECT_FALSE(reader.next());
    EXPECT_TRUE(reader.atEnd());
}

TEST(RecordWriter, WritesQuotedStringsPlainNumbersAndFlags) {
    common::RecordWriter out;
    out.text("\\neon\\").number(2.5).number(-1.0).flag(true).flag(false).empty().endRecord();
    out.number(0.1f).endRecord();
    EXPECT_EQ(out.str(), "\"\\neon\\\",2.5,-1,#TRUE#,#FALSE#,\r\n0.1\r\n");
}

TEST(RecordWriter, ADoubleQuoteInsideAStringCannotCutTheRecord) {
    common::RecordWriter out;
    out.text("Ar\"ial").number(12.0).endRecord();
    EXPECT_EQ(items(out.str()), (Items{"Ar'ial", "12"}));
}

TEST(RecordWriter, WhatIsWrittenReadsBack) {
    common::RecordWriter out;
    out.text("a, b").number(1234567.0).endRecord().text("").endRecord();
    EXPECT_EQ(items(out.str()), (Items{"a, b", "1234567", ""}));
}

} // namespace
