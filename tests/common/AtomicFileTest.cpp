// SPDX-License-Identifier: GPL-3.0-or-later
// Saving by temporary file and rename: the old file survives every failure.
#include "common/text/AtomicFile.h"

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::size_t entries(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(AtomicFile, ReplacesTheFileAndLeavesNothingElse) {
    testing_support::TempFolder folder;
    folder.write("quarn.cfg", "old contents that are longer");
    fs::permissions(folder / "quarn.cfg", fs::perms(0640));
    ASSERT_TRUE(common::writeFileAtomically(folder / "quarn.cfg", "new"));
    EXPECT_EQ(folder.read("quarn.cfg"), "new");
    EXPECT_EQ(fs::status(folder / "quarn.cfg").permissions() & fs::perms::all, fs::perms(0640));
    EXPECT_EQ(entries(folder.path()), 1u);

    ASSERT_TRUE(common::writeFileAtomically(folder / "l 1.lst", ""));
    EXPECT_TRUE(folder.exists("l 1.lst"));
    EXPECT_EQ(folder.read("l 1.lst"), "");
}

TEST(AtomicFile, FailureReportsAndKeepsTheOldFile) {
    testing_support::TempFolder folder;
    std::string error;
    EXPECT_FALSE(common::writeFileAtomically(folder / "no-such-folder" / "x.cfg", "x", &error));
    EXPECT_NE(error.find("no-such-folder"), std::string::npos);

    // A folder in the file's place cannot be replaced: the folder stays, no temporary is left.
    fs::create_directory(folder / "zbkeys.cfg");
    EXPECT_FALSE(common::writeFileAtomically(folder / "zbkeys.cfg", "x", &error));
    EXPECT_TRUE(fs::is_directory(folder / "zbkeys.cfg"));
    EXPECT_EQ(entries(folder.path()), 1u);
}

} // namespace
