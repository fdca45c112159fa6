// SPDX-License-Identifier: GPL-3.0-or-later
// Files read as UTF-8 whatever encoding a Windows editor gave them, and refused when unusable.
#include "common/text/TextFile.h"

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

TEST(TextFile, Utf8IsKeptAndWindows1252DecodedWhenTheTextIsNotUtf8) {
    EXPECT_EQ(common::decodeText("Pok\xC3\xA9mon"), "Pok\xC3\xA9mon");
    EXPECT_EQ(common::decodeText("\xEF\xBB\xBFpacman"), "pacman"); // the byte order mark goes
    // "Pokémon – ™" as a Windows editor saves it.
    EXPECT_EQ(common::decodeText("Pok\xE9mon \x96 \x99"),
              "Pok\xC3\xA9mon \xE2\x80\x93 \xE2\x84\xA2");
    // A byte the code page leaves undefined still gives valid text.
    EXPECT_TRUE(common::isValidUtf8(common::decodeText("a\x81z")));
}

TEST(TextFile, RejectsMalformedUtf8) {
    EXPECT_FALSE(common::isValidUtf8("\xC0\x80"));         // overlong
    EXPECT_FALSE(common::isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(common::isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_TRUE(common::isValidUtf8("\xF0\x9F\x95\xB9"));
}

TEST(TextFile, UnusableFilesAreRefusedWithTheirRealReason) {
    testing_support::TempFolder folder;
    // The reason a file is refused, or what it holds.
    const auto read = [&](const std::string& name) {
        std::string why;
        const auto text = common::loadTextFile(folder / name, &why);
        return text ? "read: " + *text : why;
    };
    EXPECT_EQ(read("missing.ini"), "is missing");
    EXPECT_EQ(read(""), "is a folder, not a file");

    // A link loop is no missing file, and the reason reads after the file's name.
    std::filesystem::create_symlink("quarn.ini", folder / "quarn.ini");
    EXPECT_EQ(read("quarn.ini"), "cannot be reached (Too many levels of symbolic links)");

    if (::geteuid() != 0) {
        folder.write("locked.cfg", "x");
        std::filesystem::permissions(folder / "locked.cfg", std::filesystem::perms::none);
        EXPECT_EQ(read("locked.cfg"), "cannot be opened (Permission denied)");
    }

    folder.touch("huge.lst");
    std::filesystem::resize_file(folder / "huge.lst", common::kMaxTextFileBytes + 1);
    EXPECT_NE(read("huge.lst").find("too large"), std::string::npos);

    folder.write("ok.cfg", "a,b\r\n");
    EXPECT_EQ(read("ok.cfg"), "read: a,b\r\n");
}

} // namespace
