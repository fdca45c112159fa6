// SPDX-License-Identifier: GPL-3.0-or-later
// Filling a cabinet from the defaults: what is written, what is never replaced, what is said.
#include "zembra/startup/CabinetDefaults.h"

#include "tests/support/TempFolder.h"
#include "zembra/startup/UserSettings.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

using testing_support::TempFolder;

const std::string kDefaultCfg = "\"\\neon\\\"\r\n120\r\n0\r\n0\r\n1\r\n#FALSE#\r\n0\r\n0\r\n0\r\n";

class CabinetDefaultsTest : public testing::Test {
protected:
    void SetUp() override {
        defaults.write("quarn.cfg", kDefaultCfg);
        defaults.write("zbkeys.cfg", "38,40,34,33,116,9,39,37,13,27,83,77,73\r\n");
        defaults.write("joystick.ini", "'default joystick\r\n");
        defaults.write("zbthemes/neon/skin.ini", "default skin");
        defaults.write("zbthemes/neon/background.jpg", std::string("\xff\xd8\0jpeg", 7));
    }

    zembra::CabinetCompletion complete() {
        return zembra::completeCabinet(cab.text(), defaults.text());
    }

    TempFolder defaults;
    TempFolder cab;
};

// A bare cabinet filled from the defaults, and a second start that writes nothing, are checked
// end to end on the installed defaults.

TEST_F(CabinetDefaultsTest, TheOwnersFilesAreNeverReplaced) {
    const std::string cfg = "\"\\mine\\\"\r\n-1\r\n0\r\n-5\r\n3\r\n#TRUE#\r\n7\r\n4\r\n12\r\n";
    cab.write("quarn.cfg", cfg);
    cab.write("zbkeys.cfg", "1,2,3\r\n");
    cab.write("joystick.ini", "'mine\r\n");
    cab.write("zbthemes/mine/skin.ini", "my skin");
    EXPECT_TRUE(complete().notes.empty());
    EXPECT_EQ(cab.read("quarn.cfg"), cfg);
    EXPECT_EQ(cab.read("zbkeys.cfg"), "1,2,3\r\n");
    EXPECT_EQ(cab.read("joystick.ini"), "'mine\r\n");
    EXPECT_FALSE(cab.exists("zbthemes/neon"));
}

TEST_F(CabinetDefaultsTest, AMissingSkinIsReplacedByTheDefaultKeepingTheOtherSettings) {
    struct Case {
        const char* name;
        std::string cfg;         // the cabinet's quarn.cfg
        std::string ownNeonFile; // a file of the cabinet's own neon folder, if any
        std::int16_t expectListIndex;
    };
    const auto cfg = [](const std::string& skin) {
        return "\"" + skin + "\"\r\n60\r\n0\r\n0\r\n2\r\n#TRUE#\r\n9\r\n5\r\n14\r\n";
    };
    const Case cases[] = {
        {"a skin named without its backslashes", cfg("neon"), "", 9},
        {"a skin whose folder lost its skin.ini", cfg("\\neon\\"), "background.jpg", 9},
        {"an unreadable quarn.cfg", "#junk#", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder fresh;
        const auto completion = [&] {
            return zembra::completeCabinet(fresh.text(), defaults.text());
        };
        fresh.write("quarn.cfg", c.cfg);
        if (!c.ownNeonFile.empty()) {
            fresh.write("zbthemes/neon/" + c.ownNeonFile, "the owner's picture");
        }
        const auto first = completion();
        zembra::UserSettings read;
        zembra::openCfg(fresh.text(), read);
        EXPECT_EQ(read.skinDir, "\\neon\\");
        EXPECT_EQ(read.cfgListIndex, c.expectListIndex);
        EXPECT_EQ(fresh.read("zbthemes/neon/skin.ini"), "default skin");
        if (!c.ownNeonFile.empty()) {
            EXPECT_EQ(fresh.read("zbthemes/neon/" + c.ownNeonFile), "the owner's picture");
        }
        EXPECT_FALSE(first.notes.empty());
        EXPECT_EQ(completion().notes, std::vector<std::string>()); // a second start writes nothing
    }
}

TEST_F(CabinetDefaultsTest, TheCabinetsOwnCopyOfTheDefaultSkinIsUsedAsItIs) {
    cab.write("quarn.cfg", "\"\\gone\\\"\r\n");
    cab.write("zbthemes/neon/skin.ini", "my neon");
    const std::vector<std::string> notes = complete().notes;
    const std::string said = std::accumulate(notes.begin(), notes.end(), std::string());
    zembra::UserSettings settings;
    EXPECT_TRUE(zembra::openCfg(cab.text(), settings));
    EXPECT_EQ(settings.skinDir, "\\neon\\");
    EXPECT_EQ(cab.read("zbthemes/neon/skin.ini"), "my neon");
    EXPECT_FALSE(cab.exists("zbthemes/neon/background.jpg"));
    EXPECT_NE(said.find("\"\\gone\\\""), std::string::npos) << said;
}

TEST_F(CabinetDefaultsTest, MissingDefaultsAreSaidOnceAndNothingIsWritten) {
    TempFolder empty;
    const auto completion = zembra::completeCabinet(cab.text(), empty.text() + "/nowhere");
    ASSERT_EQ(completion.notes.size(), 1u) << testing::PrintToString(completion.notes);
    EXPECT_NE(completion.notes[0].find("nowhere"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(cab.path()));
}

} // namespace
