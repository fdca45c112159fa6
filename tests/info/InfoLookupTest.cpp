// SPDX-License-Identifier: GPL-3.0-or-later
// The information window's rules: the game it looks up and the text it shows (its keys are the
// window's own tests); the entry index of a large information file:
// offsets, names, staleness, and the text it gives.
#include "zembra/info/InfoLookup.h"

#include "tests/support/TempFolder.h"
#include "zembra/info/InfoIndex.h"

#include <chrono>
#include <gtest/gtest.h>
#include <regex>
#include <tuple>

namespace {

using zembra::InfoIndex;
using zembra::lookUpEntry;

TEST(InfoLookup, ConfigurablePathsUseTheSetNameOthersNull) {
    zembra::GameTables tables;
    tables.pathGames[1].set(1, 1, "pacman");
    tables.pathGames[1].set(2, 1, "galaga");
    tables.pathGames[20].set(1, 1, "dkong");
    tables.pathGames[zembra::kImpact].set(1, 1, "tekken");
    tables.pathGames[zembra::kExtrasPath].set(1, 1, "jukebox.exe");

    const std::tuple<int, int, const char*> rows[] = {{1, 1, "galaga"},
                                                      {20, 0, "dkong"},
                                                      {zembra::kImpact, 0, "null"},
                                                      {zembra::kExtrasPath, 0, "null"},
                                                      {1, 2, "null"}};
    for (const auto& [path, index, key] : rows)
        EXPECT_EQ(zembra::infoGameKey(tables, path, index), key)
            << "path " << path << " index " << index;
}

// Entries of every shape the look-up knows, written with "\n" for `withLineEnds` to change.
constexpr std::string_view kFile = "# a comment before the first entry\n"
                                   "# and another, with a comma\n"
                                   "\n"
                                   "$info=pacman,puckman,\n"
                                   "$mame\n"
                                   "Pac-Man by Namco.\n"
                                   "\n"
                                   "# a note inside the entry\n"
                                   "  Indented line\n"
                                   "$end\n"
                                   "$info=galaga\n"
                                   "$bio\n"
                                   "Players: 2, Buttons: 1,\"Cocktail\"\n"
                                   "$end\n"
                                   "$info=xevious\n"
                                   "$info=xeviousa\n"
                                   "Shared text\n"
                                   "  $end\n"
                                   "$info= digdug \n"
                                   "Dig Dug text\n"
                                   "$end\n"
                                   "$info=tail\n"
                                   "No end here";

std::string withLineEnds(std::string_view text, const char* ending) {
    return std::regex_replace(std::string(text), std::regex("\n"), ending);
}

TEST(InfoLookup, EntriesFoundByEveryNameWithMarkersAndCommentsHidden) {
    struct Row {
        std::string_view file;
        const char* key;
        std::optional<std::string> text;
    };
    const std::string file = withLineEnds(kFile, "\r\n");
    const Row rows[] = {
        // Every shown line is preceded by CR LF, so a blank first line starts with two.
        {file, "puckman", "\r\nPac-Man by Namco.\r\n\r\nIndented line"},
        // A line with commas shows one piece per line, quotes removed.
        {file, "galaga", "\r\nPlayers: 2\r\nButtons: 1\r\nCocktail"},
        // Names on several "$info=" lines before one text.
        {file, "xeviousa", "\r\nShared text"},
        {file, "digdug", "\r\nDig Dug text"}, // the name after the seventh character, trimmed
        {file, "tail", "\r\nNo end here"},
        {file, "Pacman", std::nullopt},
        {"$info=a\nfirst\n$end\n$info=a\nsecond\n$end\n", "a", "\r\nfirst"},
        {"robby\nText\n$end\n", "robby", "\r\nText"},        // a lone name line starts an entry
        {"$info=a\n$end\n$info=b\nb text\n$end\n", "a", ""}, // an empty entry ends at once
    };
    for (const Row& row : rows)
        EXPECT_EQ(lookUpEntry(row.file, row.key), row.text) << row.key;
}

TEST(InfoIndex, OffsetsPointAtTheNamingLineAcrossLineEnds) {
    for (const char* ending : {"\n", "\r\n", "\r"}) {
        const std::string bytes = withLineEnds(kFile, ending);
        const InfoIndex index = InfoIndex::fromBytes(bytes);
        for (const char* name :
             {"pacman", "puckman", "galaga", "xevious", "xeviousa", "digdug", "tail"}) {
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
        EXPECT_EQ(index.find("Pac-Man by Namco."), std::nullopt); // text lines name nothing
    }
}

TEST(InfoIndex, ReadsOnlyTheEntryFromTheFile) {
    testing_support::TempFolder folder;
    const std::string bytes = withLineEnds(kFile, "\r\n");
    folder.write("history.dat", bytes);
    const auto index = InfoIndex::build(folder / "history.dat");
    ASSERT_TRUE(index);
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
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(fromFile->nameCount(), InfoIndex::fromBytes(bytes).nameCount());
    EXPECT_EQ(fromFile->entryText("alias" + std::to_string(entries - 1)),
              "\r\n" + std::string(static_cast<std::size_t>((entries - 1) % 997), 'x'));
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
    zembra::InfoIndexes kept;
    kept.store(std::make_shared<const InfoIndex>(*InfoIndex::build(file)));
    ASSERT_NE(kept.usable(file), nullptr);
    EXPECT_EQ(kept.usable(file)->entryText("a"), "\r\nold");

    // Same size, new time: stale (a new size is the easier case).
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                               std::chrono::seconds(5));
    EXPECT_EQ(kept.usable(file), nullptr);
}

} // namespace
