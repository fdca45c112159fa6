// SPDX-License-Identifier: GPL-3.0-or-later
// The information window's rules: the game it looks up, the text it shows and its keys. The mode
// and the scrolling are the window's own tests.
#include "zembra/info/InfoLookup.h"

#include "zembra/info/InfoKeys.h"

#include <gtest/gtest.h>

namespace {

using zembra::lookUpEntry;

TEST(InfoLookup, ConfigurablePathsUseTheSetNameOthersNull) {
    zembra::GameTables tables;
    tables.pathGames[1].set(1, 1, "pacman");
    tables.pathGames[1].set(2, 1, "galaga");
    tables.pathGames[20].set(1, 1, "dkong");
    tables.pathGames[zembra::kImpact].set(1, 1, "tekken");
    tables.pathGames[zembra::kExtrasPath].set(1, 1, "jukebox.exe");

    struct Row {
        int path;
        int index;
        const char* key;
    };
    for (const Row& row : {Row{1, 1, "galaga"}, Row{20, 0, "dkong"},
                           Row{zembra::kImpact, 0, "null"}, Row{zembra::kExtrasPath, 0, "null"},
                           Row{1, 2, "null"}, Row{1, -1, "null"}, Row{0, 0, "null"}}) {
        EXPECT_EQ(zembra::infoGameKey(tables, row.path, row.index), row.key)
            << "path " << row.path << " index " << row.index;
    }
}

constexpr std::string_view kFile = "# a comment before the first entry\r\n"
                                   "# and another, with a comma\r\n"
                                   "\r\n"
                                   "$info=pacman,puckman,\r\n"
                                   "$mame\r\n"
                                   "Pac-Man by Namco.\r\n"
                                   "\r\n"
                                   "# a note inside the entry\r\n"
                                   "  Indented line\r\n"
                                   "$end\r\n"
                                   "$info=galaga\r\n"
                                   "$bio\r\n"
                                   "Players: 2, Buttons: 1,\"Cocktail\"\r\n"
                                   "$end\r\n"
                                   "$info=xevious\n"
                                   "$info=xeviousa\n"
                                   "Shared text\n"
                                   "$end\n"
                                   "$info= digdug \n"
                                   "Dig Dug text\n"
                                   "$end\n"
                                   "$info=lastone\n"
                                   "Text without an end\n"
                                   "more";

TEST(InfoLookup, EntriesFoundByEveryNameWithMarkersAndCommentsHidden) {
    struct Row {
        std::string_view file;
        const char* key;
        std::optional<std::string> text;
    };
    const Row rows[] = {
        // Every shown line is preceded by CR LF, so a blank first line starts with two.
        {kFile, "puckman", "\r\nPac-Man by Namco.\r\n\r\nIndented line"},
        // A line with commas shows one piece per line, quotes removed.
        {kFile, "galaga", "\r\nPlayers: 2\r\nButtons: 1\r\nCocktail"},
        // Names on several "$info=" lines before one text.
        {kFile, "xevious", "\r\nShared text"},
        {kFile, "xeviousa", "\r\nShared text"},
        {kFile, "digdug", "\r\nDig Dug text"}, // the name after the seventh character, trimmed
        {kFile, "lastone", "\r\nText without an end\r\nmore"}, // the file ends before "$end"
        {kFile, "Pacman", std::nullopt},
        {kFile, "pacma", std::nullopt},
        {kFile, "", std::nullopt},
        {kFile, "info=pacman", std::nullopt},
        {"# only comments\n#\n", "pacman", std::nullopt},
        {"$info=a\nfirst\n$end\n$info=a\nsecond\n$end\n", "a", "\r\nfirst"},
        {"robby\nText\n$end\n", "robby", "\r\nText"},        // a lone name line starts an entry
        {"$info=a\n$end\n$info=b\nb text\n$end\n", "a", ""}, // an empty entry ends at once
    };
    for (const Row& row : rows) {
        EXPECT_EQ(lookUpEntry(row.file, row.key), row.text) << row.key;
    }
}

TEST(InfoLookup, KeysScrollSwitchOrClose) {
    using zembra::InfoCommand;
    zembra::KeyBindings keys;
    keys.keyUp = 38;
    keys.keyDown = 40;
    keys.keyNextPage = 34; // keyPrevPage unbound
    keys.keyExit = 27;
    struct Row {
        int key;
        InfoCommand command;
    };
    for (const Row& row : {Row{38, InfoCommand::ScrollUp}, Row{40, InfoCommand::ScrollDown},
                           Row{34, InfoCommand::SwitchFile}, Row{27, InfoCommand::Close},
                           Row{0, InfoCommand::Close}, Row{65, InfoCommand::Close}}) {
        EXPECT_EQ(zembra::infoKeyCommand(row.key, keys), row.command) << row.key;
    }
}

} // namespace
