// SPDX-License-Identifier: GPL-3.0-or-later
// The entry index of a large information file: offsets, names, staleness, and the text it gives.
#include "zembra/info/InfoIndex.h"

#include "tests/support/TempFolder.h"
#include "zembra/info/InfoLookup.h"

#include <chrono>
#include <gtest/gtest.h>
#include <regex>

namespace {

using zembra::InfoIndex;

// Entries of every shape the look-up knows; written with either line end.
constexpr std::string_view kEntries = "# comment, with a comma\n"
                                      "$info=pacman,puckman,\n"
                                      "$mame\n"
                                      "Pac-Man text\n"
                                      "$end\n"
                                      "$info=galaga\n"
                                      "Players: 2, Buttons: 1\n"
                                      "$end\n"
                                      "$info=xevious\n"
                                      "$info=xeviousa\n"
                                      "Shared\n"
                                      "  $end\n"
                                      "$info=tail\n"
                                      "No end here";

std::string withLineEnds(std::string_view text, const char* ending) {
    return std::regex_replace(std::string(text), std::regex("\n"), ending);
}

TEST(InfoIndex, OffsetsPointAtTheNamingLineAcrossLineEnds) {
    for (const char* ending : {"\n", "\r\n", "\r"}) {
        const std::string bytes = withLineEnds(kEntries, ending);
        const InfoIndex index = InfoIndex::fromBytes(bytes);
        for (const char* name : {"pacman", "puckman", "galaga", "xevious", "xeviousa", "tail"}) {
            const auto span = index.find(name);
            ASSERT_TRUE(span) << name;
            const std::string_view entry =
                std::string_view(bytes).substr(span->begin, span->end - span->begin);
            EXPECT_TRUE(entry.starts_with("$info=")) << name << ": " << entry;
            // The entry's bytes alone give the same text as the whole file.
            EXPECT_EQ(zembra::lookUpEntry(entry, name), zembra::lookUpEntry(bytes, name))
                << name << " with " << (ending[0] == '\r' ? "CR" : "LF");
        }
        EXPECT_EQ(index.find("tail")->end, bytes.size());
        EXPECT_EQ(index.find("Pac-Man text"), std::nullopt); // text lines name nothing
    }
}

TEST(InfoIndex, ReadsOnlyTheEntryFromTheFile) {
    testing_support::TempFolder folder;
    const std::string bytes = withLineEnds(kEntries, "\r\n");
    folder.write("history.dat", bytes);
    std::string error;
    const auto index = InfoIndex::build(folder / "history.dat", &error);
    ASSERT_TRUE(index) << error;
    EXPECT_EQ(index->entryText("galaga"), "\r\nPlayers: 2\r\nButtons: 1");
    EXPECT_EQ(index->entryText("dkong"), zembra::kNoEntry);

    // A file that disappears after indexing shows no entry rather than failing.
    std::filesystem::remove(folder / "history.dat");
    EXPECT_FALSE(index->isCurrent());
    EXPECT_EQ(index->entryText("pacman"), zembra::kNoEntry);
}

TEST(InfoIndex, PiecesOfALargeFileJoinAtAnyLineEnd) {
    // Lines cross the builder's 1 MiB reading pieces, CR LF split between two pieces included.
    std::string bytes;
    int entries = 0;
    while (bytes.size() < 3u << 20) {
        bytes += "$info=g" + std::to_string(entries) + ",alias" + std::to_string(entries) +
                 "\r\n$bio\r\n" + std::string(static_cast<std::size_t>(entries % 997), 'x') +
                 "\r\n$end\r\n";
        ++entries;
    }
    testing_support::TempFolder folder;
    folder.write("mameinfo.dat", bytes);
    const auto fromFile = InfoIndex::build(folder / "mameinfo.dat");
    const InfoIndex fromMemory = InfoIndex::fromBytes(bytes);
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(fromFile->nameCount(), fromMemory.nameCount());
    for (int i = 0; i < entries; i += 7) {
        const std::string name = "alias" + std::to_string(i);
        const auto span = fromFile->find(name);
        ASSERT_TRUE(span) << name;
        EXPECT_EQ(span->begin, fromMemory.find(name)->begin) << name;
        EXPECT_EQ(span->end, fromMemory.find(name)->end) << name;
    }
    EXPECT_EQ(fromFile->entryText("g10"), "\r\n" + std::string(10, 'x'));

    // A line of several megabytes is passed over; what follows it is still found.
    const std::string after = "$info=after\r\nfound\r\n$end\r\n";
    folder.write("mameinfo.dat", "$" + std::string(5u << 20, 'y') + "\r\n" + after);
    const auto overlong = InfoIndex::build(folder / "mameinfo.dat");
    ASSERT_TRUE(overlong);
    EXPECT_EQ(overlong->find("after")->begin, (5u << 20) + 3);
    EXPECT_EQ(overlong->entryText("after"), "\r\nfound");
}

TEST(InfoIndex, KeptOnlyWhileTheFileIsUnchanged) {
    testing_support::TempFolder folder;
    const auto file = folder / "mameinfo.dat";
    folder.write("mameinfo.dat", "$info=a\nold\n$end\n");
    auto index = InfoIndex::build(file);
    ASSERT_TRUE(index);

    zembra::InfoIndexes kept;
    EXPECT_EQ(kept.usable(file), nullptr);
    kept.store(std::make_shared<const InfoIndex>(*index));
    ASSERT_NE(kept.usable(file), nullptr);
    EXPECT_EQ(kept.usable(file)->entryText("a"), "\r\nold");

    // Same size, new time: stale.
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                               std::chrono::seconds(5));
    EXPECT_EQ(kept.usable(file), nullptr);

    // Rebuilt, then changed in size: stale again; the new build sees the new text.
    kept.store(std::make_shared<const InfoIndex>(*InfoIndex::build(file)));
    folder.write("mameinfo.dat", "$info=b\nnew\n$end\n$info=a\nnewer\n$end\n");
    EXPECT_EQ(kept.usable(file), nullptr);
    kept.store(std::make_shared<const InfoIndex>(*InfoIndex::build(file)));
    EXPECT_EQ(kept.usable(file)->entryText("a"), "\r\nnewer");
}

} // namespace
