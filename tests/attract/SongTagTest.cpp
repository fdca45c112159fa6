// SPDX-License-Identifier: GPL-3.0-or-later
// The ID3v1 tag at a song's end, and the labels that show it or the file's name.
#include "zembra/attract/SongTag.h"

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using zembra::SongTag;

namespace {

// A tag of 128 bytes from three fields of 30 bytes each (padded with `pad`).
std::string tag(std::string title, std::string artist, std::string album, char pad = '\0') {
    title.resize(30, pad);
    artist.resize(30, pad);
    album.resize(30, pad);
    std::string bytes = "TAG" + title + artist + album + "1999" + std::string(30, '\0');
    bytes += '\x0C';
    return bytes;
}

TEST(SongTag, FieldsAreCutAtNulTrimmedAndDecoded) {
    struct Row {
        std::string tail;
        std::optional<SongTag> expected;
    };
    const std::string noise(300, 'x');
    const std::vector<Row> rows = {
        {tag("Night Drive", "The Blanks", "Demo"), SongTag{"Night Drive", "The Blanks", "Demo"}},
        {tag("  Padded  ", " Art ", "Alb", ' '), SongTag{"Padded", "Art", "Alb"}},
        // A tagger that left older text after the terminating NUL.
        {tag(std::string("Short\0Longer old title", 23), "A", "B"), SongTag{"Short", "A", "B"}},
        // A field filling all 30 bytes has no terminator at all.
        {tag(std::string(30, 'T'), "", ""), SongTag{std::string(30, 'T'), "", ""}},
        {tag("Caf\xE9", "", ""), SongTag{"Caf\xC3\xA9", "", ""}},
        // Only the last 128 bytes count, whatever comes before them.
        {noise + tag("Late", "B", "C"), SongTag{"Late", "B", "C"}},
        {tag("Early", "B", "C") + "x", std::nullopt},
        {"tag" + tag("x", "y", "z").substr(3), std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(zembra::parseId3v1(row.tail), row.expected) << row.tail.size();
    }
}

TEST(SongTag, ReadsOnlyTheEndOfARegularFile) {
    testing_support::TempFolder folder;
    folder.write("tagged.mp3", std::string(5000, '\x55') + tag("Title", "Artist", "Album"));
    folder.write("short.mp3", tag("Title", "Artist", "Album").substr(0, 100));
    std::filesystem::create_directory(folder / "folder.mp3");

    EXPECT_EQ(zembra::readId3v1(folder.text() + "\\tagged.mp3"),
              (SongTag{"Title", "Artist", "Album"}));
    for (const char* name : {"short.mp3", "folder.mp3", "missing.mp3"}) {
        EXPECT_EQ(zembra::readId3v1(folder.text() + "\\" + name), std::nullopt) << name;
    }
}

// The labels a tag or a file name gives are checked in the attract window's own tests.

} // namespace
