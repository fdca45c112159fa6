// SPDX-License-Identifier: GPL-3.0-or-later
// The temporaries a killed save left behind go at the next save, and nothing else does. The save
// itself is one file's batch (SaveBatchTest).
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
