// SPDX-License-Identifier: GPL-3.0-or-later
// A save of the bytes a file already holds leaves the file alone; any other is made in full.
#include "common/os/SaveBatch.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

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
        {"same.lst", "\"a\",\"A\"\r\n", "\"a\",\"A\"\r\n", false},
        {"big.lst", big, big, false},
        {"same size.lst", "\"a\",\"A\"\r\n", "\"b\",\"B\"\r\n", true},
        {"last byte.lst", big, big.substr(1) + "h", true},
        {"longer.lst", "\"a\",\"A\"\r\n", "\"a\",\"A\"\r\n\"b\",\"B\"\r\n", true},
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

} // namespace
