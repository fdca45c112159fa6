// SPDX-License-Identifier: GPL-3.0-or-later
// The music files: default.m3u (fields split at commas, comments and missing songs passed
// over) and the ID3v1 tag at a song's end.
#include "zembra/attract/Playlist.h"

#include "tests/fakes/FakeFileProbe.h"
#include "tests/support/TempFolder.h"
#include "zembra/attract/SongTag.h"
#include "zembra/catalogue/FileProbe.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <utility>

using testing_fakes::FakeFileProbe;
using zembra::Playlist;
using zembra::SongTag;

namespace {

const std::string kFolder = "/cab";

TEST(Playlist, FieldsAreSplitAtCommasAndOnlyExistingSongsKept) {
    FakeFileProbe probe;
    probe.files = {"/cab\\a.mp3",   "/cab\\b.ogg",        "/songs/c.flac",
                   "/cab\\q,d.mp3", "/cab\\music\\e.mp3", "/cab\\Artist - Song"};
    const std::string text = "#EXTM3U\r\n"
                             "#EXTINF:12,Artist - Song\r\n"
                             "a.mp3,b.ogg , missing.mp3\r\n"
                             "\r\n"
                             "   /songs/c.flac\n"
                             "\"q,d.mp3\"\r"
                             "D:\\x.mp3,music\\e.mp3";
    const Playlist list = zembra::readPlaylist(text, kFolder, probe);
    EXPECT_EQ(list.songs, (std::vector<std::string>{"/cab\\a.mp3", "/cab\\b.ogg", "/songs/c.flac",
                                                    "/cab\\q,d.mp3", "/cab\\music\\e.mp3"}));
    // A comment line is passed over whole: its title is never taken for a file, and a drive
    // letter is never looked for under the program folder.
    EXPECT_EQ(probe.asked, (std::vector<std::string>{
                               "/cab\\a.mp3", "/cab\\b.ogg", "/cab\\missing.mp3", "/songs/c.flac",
                               "/cab\\q,d.mp3", "D:\\x.mp3", "/cab\\music\\e.mp3"}));
}

TEST(Playlist, KeepsAtMostEightThousandSongsAndStopsLookingThen) {
    FakeFileProbe probe;
    std::string text;
    for (int n = 1; n <= zembra::kMaxSongs + 5; ++n) {
        const std::string name = "s" + std::to_string(n) + ".mp3";
        probe.files.insert(kFolder + "\\" + name);
        // Two songs to a line, so the limit falls in the middle of one.
        text += name + (n % 2 == 0 ? "\n" : ",");
    }
    const Playlist list = zembra::readPlaylist(text, kFolder, probe);
    ASSERT_EQ(list.songCount(), zembra::kMaxSongs);
    EXPECT_EQ(list.entry(zembra::kMaxSongs), "/cab\\s8000.mp3");
    EXPECT_EQ(probe.asked.size(), static_cast<std::size_t>(zembra::kMaxSongs));
}

TEST(Playlist, ReadsTheProgramFoldersFileInEitherEncoding) {
    testing_support::TempFolder cab;
    cab.touch("music/Caf\xC3\xA9.mp3");
    cab.touch("music/two.mp3");
    // Written by a Windows editor: é as the single byte of Windows-1252.
    cab.write("default.m3u", "#EXTM3U\r\nmusic\\Caf\xE9.mp3\r\nmusic\\gone.mp3,music\\two.mp3\r\n");
    zembra::PerNameProbe probe;
    const Playlist list = zembra::setarray(cab.text(), probe);
    EXPECT_EQ(list.songs, (std::vector<std::string>{cab.text() + "\\music\\Caf\xC3\xA9.mp3",
                                                    cab.text() + "\\music\\two.mp3"}));
}

// A tag of 128 bytes from three fields of 30 bytes each (padded with `pad`).
std::string tag(std::string title, std::string artist, std::string album, char pad = '\0') {
    for (std::string* field : {&title, &artist, &album})
        field->resize(30, pad);
    return "TAG" + title + artist + album + "1999" + std::string(30, '\0') + '\x0C';
}

TEST(SongTag, FieldsAreCutAtNulTrimmedAndDecoded) {
    const std::string noise(300, 'x');
    // The file's last bytes, and the tag they give.
    const std::vector<std::pair<std::string, std::optional<SongTag>>> rows = {
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
    for (const auto& [tail, expected] : rows)
        EXPECT_EQ(zembra::parseId3v1(tail), expected) << tail.size();
}

TEST(SongTag, ReadsOnlyTheEndOfARegularFile) {
    testing_support::TempFolder folder;
    folder.write("tagged.mp3", std::string(5000, '\x55') + tag("Title", "Artist", "Album"));
    folder.write("short.mp3", tag("Title", "Artist", "Album").substr(0, 100));
    std::filesystem::create_directory(folder / "folder.mp3");

    EXPECT_EQ(zembra::readId3v1(folder.text() + "\\tagged.mp3"),
              (SongTag{"Title", "Artist", "Album"}));
    for (const char* name : {"short.mp3", "folder.mp3", "missing.mp3"})
        EXPECT_EQ(zembra::readId3v1(folder.text() + "\\" + name), std::nullopt) << name;
}

// The labels a tag or a file name gives are checked in the attract window's own tests.

} // namespace
