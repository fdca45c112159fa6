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
    while (auto item = reader.next())
        out.push_back(*item);
    return out;
}

using Items = std::vector<std::string>;
struct Row {
    const char* text;
    Items expected;
};

TEST(ItemReader, SplitsItemsAsEveryFileIsRead) {
    const Row rows[] = {
        {"a,b\r\nc\nd\re", {"a", "b", "c", "d", "e"}},
        {"  \t a b  ,  c", {"a b  ", "c"}},            // leading blanks go, trailing stay
        {"a\r\n\r\n   \r\nb\r\n", {"a", "", "", "b"}}, // blank lines are empty items
        {"38,40,,\r\n", {"38", "40", "", ""}},         // a comma before the line end
        // A quoted item keeps its commas and drops the rest of its field.
        {"\"Pac-Man, Ms.\",x", {"Pac-Man, Ms.", "x"}},
        {"Path=\"C:\\a,b\\\" tail, next\r\nlast", {"Path=\"C:\\a", "b\\\" tail", "next", "last"}},
        // It runs across lines, and to the end when never closed.
        {"\"two\r\nlines\",x", {"two\r\nlines", "x"}},
        {"a,\"never closed\r\nb,c", {"a", "never closed\r\nb,c"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(items(row.text), row.expected) << row.text;
}

TEST(ItemReader, BlankLinesArePassedOverOnlyAtTheStartOfALine) {
    const Row rows[] = {
        {"a,b\r\n\r\n  \t\r\nc,d\r\n", {"a", "b", "c", "d"}},
        {"a,\n\nb", {"a", "", "b"}}, // after a comma the rest of the line is still an item
    };
    for (const auto& row : rows) {
        common::ItemReader reader(row.text);
        Items out;
        for (reader.skipBlankLines(); auto item = reader.next(); reader.skipBlankLines())
            out.push_back(*item);
        EXPECT_EQ(out, row.expected) << row.text;
    }
}

TEST(ItemReader, CountsLinesForMessages) {
    common::ItemReader reader("a\r\n\"b\nc\"\nd,e\n");
    std::vector<int> lines;
    while (reader.next())
        lines.push_back(reader.line());
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 4, 4})); // a quoted item may span lines
    EXPECT_TRUE(reader.atEnd());
}

TEST(RecordWriter, WritesWhatReadsBackAndAQuoteCannotCutTheRecord) {
    common::RecordWriter out;
    out.text("\\neon\\").number(2.5).number(-1.0).flag(true).flag(false).empty().endRecord();
    out.text("Ar\"ial, b").number(0.1f).endRecord();
    EXPECT_EQ(out.str(), "\"\\neon\\\",2.5,-1,#TRUE#,#FALSE#,\r\n\"Ar'ial, b\",0.1\r\n");
    EXPECT_EQ(items(out.str()),
              (Items{"\\neon\\", "2.5", "-1", "#TRUE#", "#FALSE#", "", "Ar'ial, b", "0.1"}));
}

} // namespace
