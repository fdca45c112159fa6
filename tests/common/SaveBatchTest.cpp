// SPDX-License-Identifier: GPL-3.0-or-later
// Saving many files with one wait for the disk: each file whole, old or new, after any failure;
// a file that already holds the bytes left alone; the temporaries of a killed save cleared.
#include "common/os/SaveBatch.h"

#include "common/text/AtomicFile.h"
#include "tests/support/TempFolder.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> names(const fs::path& folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder))
        found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

TEST(SaveBatch, ReplacesEveryFileKeepingLinksAndPermissions) {
    testing_support::TempFolder folder;
    folder.write("l 1.lst", "old one, longer than the new");
    fs::permissions(folder / "l 1.lst", fs::perms(0640));
    folder.write("real.lst", "old linked");
    fs::create_symlink("real.lst", folder / "l 3.lst");
    fs::create_directory(folder / "sub");
    fs::create_symlink("sub/new.lst", folder / "l 5.lst"); // a link to a file not there yet

    common::SaveBatch batch;
    batch.add(folder / "l 1.lst", "one");
    batch.add(folder / "l 3.lst", "three");
    batch.add(folder / "l 5.lst", "five");
    EXPECT_EQ(batch.commit(), std::vector<std::string>(3));

    // The links stay links, their targets take the bytes.
    EXPECT_EQ(folder.read("l 1.lst") + "|" + folder.read("real.lst") + "|" +
                  folder.read("sub/new.lst"),
              "one|three|five");
    EXPECT_EQ(fs::status(folder / "l 1.lst").permissions() & fs::perms::all, fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(folder / "l 3.lst") && fs::is_symlink(folder / "l 5.lst"));
    // No temporary is left behind.
    EXPECT_EQ(names(folder.path()),
              (std::vector<std::string>{"l 1.lst", "l 3.lst", "l 5.lst", "real.lst", "sub"}));
    EXPECT_EQ(names(folder / "sub"), (std::vector<std::string>{"new.lst"}));
}

TEST(SaveBatch, AFileThatCannotBeReplacedFailsAloneTheOthersAreSaved) {
    testing_support::TempFolder folder;
    folder.write("l 2.lst", "old two");
    fs::create_directory(folder / "l 1.lst");
    common::SaveBatch batch;
    batch.add(folder / "l 1.lst", "one");
    batch.add(folder / "missing" / "l 9.lst", "nine");
    batch.add(folder / "l 2.lst", "two");
    const auto errors = batch.commit();
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("l 1.lst"), std::string::npos) << errors[0];
    EXPECT_NE(errors[1].find("missing"), std::string::npos) << errors[1];
    EXPECT_EQ(errors[2], "");
    EXPECT_TRUE(fs::is_directory(folder / "l 1.lst"));
    EXPECT_EQ(folder.read("l 2.lst"), "two");
    EXPECT_EQ(names(folder.path()), (std::vector<std::string>{"l 1.lst", "l 2.lst"}));
}

/// Lets this process write files of at most `bytes`, as a full disk would, while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(SaveBatch, AWriteFailingMidwayLeavesEveryOldFileAndReportsIt) {
    testing_support::TempFolder folder;
    for (const char* name : {"l 1.lst", "l 2.lst", "l 3.lst"})
        folder.write(name, std::string("old ") + name);
    common::SaveBatch batch;
    batch.add(folder / "l 1.lst", "new one");
    batch.add(folder / "l 2.lst", std::string(64 * 1024, 'x'));
    batch.add(folder / "l 3.lst", "new three");
    std::vector<std::string> errors;
    {
        const FileSizeLimit limit(4096);
        errors = batch.commit();
    }
    ASSERT_EQ(errors.size(), 3u);
    for (const std::string& error : errors) {
        // Every file names the one that could not be written.
        EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
        EXPECT_NE(error.find("l 2.lst"), std::string::npos) << error;
    }
    for (const char* name : {"l 1.lst", "l 2.lst", "l 3.lst"})
        EXPECT_EQ(folder.read(name), std::string("old ") + name);
    EXPECT_EQ(names(folder.path()), (std::vector<std::string>{"l 1.lst", "l 2.lst", "l 3.lst"}));
}

ino_t inodeOf(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST(SaveUnlessSame, OnlyFilesWhoseBytesDifferAreReplaced) {
    testing_support::TempFolder folder;
    const std::string big(100000, 'g'); // longer than one read
    struct Row {
        const char* name;
        std::string old;
        std::string bytes;
        bool replaced;
    };
    const std::vector<Row> rows = {
        {"big.lst", big, big, false},
        {"last byte.lst", big, big.substr(1) + "h", true},
    };
    common::SaveBatch batch;
    std::vector<ino_t> before;
    for (const Row& row : rows) {
        folder.write(row.name, row.old);
        before.push_back(inodeOf(folder / row.name));
        batch.addUnlessSame(folder / row.name, row.bytes);
    }
    batch.addUnlessSame(folder / "new.lst", "");
    EXPECT_EQ(batch.commit(), std::vector<std::string>(rows.size() + 1));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(folder.read(rows[i].name), rows[i].bytes) << rows[i].name;
        EXPECT_EQ(inodeOf(folder / rows[i].name) != before[i], rows[i].replaced) << rows[i].name;
    }
    EXPECT_TRUE(folder.exists("new.lst"));
}

TEST(AtomicFile, StaleTemporariesOfKilledSavesGoButNothingElse) {
    testing_support::TempFolder folder;
    folder.write(".l 1.lst.tmp-a1B2c3", "half a save");
    // Not ours: other names, a folder of that name, a temporary a save still holds.
    const std::vector<std::string> kept = {".quarn.cfg.tmp-abc", "l 1.lst.tmp-a1B2c3",
                                           ".zbkeys.cfg.tmp-held01", ".skin.ini.tmp-folder"};
    for (const auto& name : kept)
        folder.write(name, "x");
    fs::remove(folder / ".skin.ini.tmp-folder");
    fs::create_directory(folder / ".skin.ini.tmp-folder");
    ASSERT_EQ(::mkfifo((folder / ".pipe.tmp-fifo00").c_str(), 0600), 0);
    const int held = ::open((folder / ".zbkeys.cfg.tmp-held01").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(common::writeFileAtomically(folder / "quarn.cfg", "new"));
    ::close(held);
    for (const auto& name : kept)
        EXPECT_TRUE(folder.exists(name)) << name;
    EXPECT_FALSE(folder.exists(".l 1.lst.tmp-a1B2c3"));
    EXPECT_TRUE(fs::is_fifo(folder / ".pipe.tmp-fifo00"));
    EXPECT_EQ(names(folder.path()).size(), kept.size() + 2); // with quarn.cfg and the pipe
}

} // namespace
