// SPDX-License-Identifier: GPL-3.0-or-later
// Saving by temporary file and rename: the old file survives every failure.
#include "common/text/AtomicFile.h"

#include "tests/support/TempFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

TEST(AtomicFile, ALinkKeepsPointingAtItsUpdatedTarget) {
    testing_support::TempFolder folder;
    folder.write("shared/quarn.cfg", "old");
    fs::create_directory(folder / "cab");
    fs::create_symlink("../shared/quarn.cfg", folder / "cab" / "quarn.cfg");
    fs::create_symlink(folder / "shared" / "new.lst", folder / "cab" / "l 1.lst"); // dangling
    ASSERT_TRUE(common::writeFileAtomically(folder / "cab" / "quarn.cfg", "new"));
    ASSERT_TRUE(common::writeFileAtomically(folder / "cab" / "l 1.lst", "list"));
    EXPECT_TRUE(fs::is_symlink(folder / "cab" / "quarn.cfg"));
    EXPECT_TRUE(fs::is_symlink(folder / "cab" / "l 1.lst"));
    EXPECT_EQ(folder.read("shared/quarn.cfg"), "new");
    EXPECT_EQ(folder.read("shared/new.lst"), "list");
    EXPECT_EQ(entries(folder / "shared"), 2u);
}

TEST(AtomicFile, StaleTemporariesOfKilledSavesGoButNothingElse) {
    testing_support::TempFolder folder;
    for (const char* name : {".quarn.cfg.tmp-a1B2c3", ".l 1.lst.tmp-ZZZZZZ"}) {
        folder.write(name, "half a save");
    }
    // Not ours: other names, a folder of that name, a temporary a save still holds.
    const std::vector<std::string> kept = {".quarn.cfg.tmp-abc",   "quarn.cfg.tmp-a1B2c3",
                                           ".x.tmp-abc!ef",        ".zbkeys.cfg.tmp-held01",
                                           ".skin.ini.tmp-folder", "notes.txt"};
    for (const auto& name : kept) {
        folder.write(name, "x");
    }
    fs::remove(folder / ".skin.ini.tmp-folder");
    fs::create_directory(folder / ".skin.ini.tmp-folder");
    ASSERT_EQ(::mkfifo((folder / ".pipe.tmp-fifo00").c_str(), 0600), 0);
    const int held = ::open((folder / ".zbkeys.cfg.tmp-held01").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(common::writeFileAtomically(folder / "quarn.cfg", "new"));
    ::close(held);
    for (const auto& name : kept) {
        EXPECT_TRUE(folder.exists(name)) << name;
    }
    EXPECT_FALSE(folder.exists(".quarn.cfg.tmp-a1B2c3"));
    EXPECT_FALSE(folder.exists(".l 1.lst.tmp-ZZZZZZ"));
    EXPECT_TRUE(fs::is_fifo(folder / ".pipe.tmp-fifo00"));
    EXPECT_EQ(entries(folder.path()), kept.size() + 2);
}

} // namespace
