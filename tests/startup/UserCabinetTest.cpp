// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own cabinet: made once from the starter, never over a cabinet that is there.
#include "zembra/startup/UserCabinet.h"

#include "common/text/NativePath.h"
#include "tests/support/TempFolder.h"
#include "zembra/startup/EmulatorConfig.h"
#include "zembra/startup/StartChecks.h"

#include <gtest/gtest.h>

namespace {

using testing_support::TempFolder;

class UserCabinetTest : public testing::Test {
protected:
    void SetUp() override {
        starter.write("quarn.ini.in", "Path=@CABINET@roms/ twice @CABINET@\r\n");
        starter.touch("gamelist.lst");
        starter.write("roms/README.txt", "zips here");
    }

    zembra::NewCabinet create(const std::string& folder) const {
        return zembra::createUserCabinet(folder, starter.text());
    }

    TempFolder starter;
    TempFolder data;
};

TEST_F(UserCabinetTest, CabinetThatIsThereIsLeftAsItIs) {
    struct Row {
        const char* name;
        const char* file; ///< what the folder holds
    };
    for (const Row row : {Row{"quarn.ini", "quarn.ini"}, Row{"list", "gamelist.lst"}}) {
        TempFolder cabinet;
        cabinet.write(row.file, "mine");
        const auto made = create(cabinet.text());
        EXPECT_FALSE(made.error) << row.name;
        EXPECT_TRUE(made.notes.empty()) << row.name;
        EXPECT_EQ(cabinet.read(row.file), "mine") << row.name;
        EXPECT_FALSE(cabinet.exists("roms/README.txt")) << row.name;
    }
}

TEST_F(UserCabinetTest, EmptyFolderIsFilledWithoutReplacingWhatItHolds) {
    TempFolder cabinet;
    cabinet.write("roms/README.txt", "my notes");
    const auto made = create(cabinet.text() + "/");
    ASSERT_FALSE(made.error) << *made.error;
    EXPECT_EQ(cabinet.read("roms/README.txt"), "my notes");
    EXPECT_EQ(cabinet.read("quarn.ini"),
              "Path=" + cabinet.text() + "/roms/ twice " + cabinet.text() + "/\r\n");
}

TEST_F(UserCabinetTest, WhatCannotBeMadeIsSaid) {
    data.write("file", "a file, not a folder");
    const std::string under = (data / "file/cabinet").string();
    const std::string nowhere = (data / "nowhere").string();
    EXPECT_NE(create(under).error.value_or("").find("cannot create the cabinet " + under),
              std::string::npos);
    EXPECT_NE(zembra::createUserCabinet((data / "cab").string(), nowhere)
                  .error.value_or("")
                  .find("the starter cabinet " + nowhere + " is missing"),
              std::string::npos);
    EXPECT_FALSE(data.exists("cab"));
}

// The starter the build lays out beside the program, as an owner's first start gets it; also
// for a home folder whose name holds a backslash, which once made the cabinet in a stray folder
// beside the one every later start looked in.
TEST(InstalledStarter, MakesACabinetThatStartsOnItsOwnRomFolder) {
    for (const char* home : {"home", "my\\home"}) {
        TempFolder root;
        const std::string native = (root / home / ".local/share/zembra/cabinet").string();
        const std::string cabinet = common::programPathOfNative(native);
        const auto made =
            zembra::createUserCabinet(cabinet, std::string(ZEMBRA_TEST_DEFAULTS_DIR) + "/starter");
        ASSERT_FALSE(made.error) << *made.error;
        ASSERT_EQ(made.notes.size(), 1u);
        EXPECT_NE(made.notes[0].find("made a new cabinet in " + native + "/"), std::string::npos)
            << made.notes[0];
        EXPECT_TRUE(std::filesystem::is_regular_file(native + "/quarn.ini")) << home;
        EXPECT_EQ(zembra::checkCabinet(cabinet), std::nullopt);
        zembra::EmulatorConfig config;
        ASSERT_FALSE(zembra::OpenINI(cabinet, config));
        EXPECT_EQ(config.pathRomPrefix[1], cabinet + "/roms/");
        EXPECT_EQ(config.pathOptions[1], "-rompath " + cabinet + "/roms -skip_gameinfo");
    }
}

} // namespace
