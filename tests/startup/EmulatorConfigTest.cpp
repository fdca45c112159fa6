// SPDX-License-Identifier: GPL-3.0-or-later
// quarn.ini: labels, comments, flags, the completion of values, and the fatal errors.
#include "zembra/startup/EmulatorConfig.h"

#include "common/text/TextFile.h"
#include "tests/support/QuarnIniBuilder.h"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>

using testing_support::blockLine;
using testing_support::globalLine;
using testing_support::joinLines;
using testing_support::quarnLines;
using testing_support::QuarnValues;
using zembra::EmulatorConfig;

namespace {

QuarnValues sampleValues() {
    QuarnValues v;
    // A block's lines in order: rom folder, program, full names, caption, options, logo,
    // emulator folder, artwork folder.
    v.paths[1] = {
        "C:\\roms\\", "mame.exe ", "no", "MAME Roms:", " -nowindow ", "mame.gif", "C:\\mame\\", ""};
    v.paths[2] = {"  D:\\neo\\  ", "", " Yes ", "", "", "", "", ""};
    v.mameDir = "C:\\mame\\";
    v.kiDir = "C:\\ki\\";
    v.runWidth = "800";
    v.runHeight = "600";
    v.runRefresh = "60";
    v.runDepth = "32";
    return v;
}

EmulatorConfig read(const std::string& text) {
    EmulatorConfig config;
    const auto error = zembra::readEmulatorConfig(text, "quarn.ini", config);
    EXPECT_FALSE(error) << (error ? error->message() : "");
    return config;
}

std::string readError(const std::string& text) {
    EmulatorConfig config;
    config.mameDir = "untouched";
    const auto error = zembra::readEmulatorConfig(text, "quarn.ini", config);
    EXPECT_EQ(config.mameDir, "untouched");
    return error ? error->message() : "no error";
}

TEST(EmulatorConfig, ReadsLabelledValuesTrimmedExceptTheOptionsWhateverTheLineEnds) {
    for (const char* lineEnd : {"\r\n", "\n"}) {
        SCOPED_TRACE(lineEnd[0] == '\r' ? "CR LF" : "LF");
        const auto c = read(joinLines(quarnLines(sampleValues()), lineEnd));
        EXPECT_EQ(
            std::tuple(c.pathRomPrefix[1], c.pathExe[1], c.pathTitle[1], c.pathOptions[1],
                       c.pathRomPrefix[2], c.runDepth),
            std::tuple("C:\\roms\\", "mame.exe", "MAME Roms:", " -nowindow ", "D:\\neo\\", 32));
    }
}

TEST(EmulatorConfig, FlagsAreYesInAnyCaseAndNothingElse) {
    for (const auto& [text, expected] :
         {std::pair{" yEs ", true}, {"Y", false}, {"TRUE", false}, {"YESS", false}}) {
        auto v = sampleValues();
        v.paths[3].fullName = text;
        v.powerOffOnExit = text;
        const auto c = read(joinLines(quarnLines(v)));
        EXPECT_EQ(std::pair(c.pathFullName[3], c.powerOffOnExit), std::pair(expected, expected))
            << text;
    }
}

TEST(EmulatorConfig, CommentsAreSkippedOnlyBeforeLinesThatAllowThem) {
    auto lines = quarnLines(sampleValues());
    // Before a block's first line and before a skipping global line: ignored.
    lines.insert(lines.begin() + static_cast<long>(globalLine(16)), {"* display", "", "   "});
    lines.insert(lines.begin() + static_cast<long>(blockLine(2, 1)), {"*** Neo-Geo ***", ""});
    const auto c = read(joinLines(lines));
    EXPECT_EQ(std::tuple(c.pathRomPrefix[2], c.runWidth), std::tuple("D:\\neo\\", 800));
}

TEST(EmulatorConfig, CompletionFillsDefaultsInOrderAlsoIntoALabelOnlyBlock) {
    auto v = sampleValues();
    v.paths[1].exe = "";
    v.paths[1].emuFolder = "";
    v.paths[1].artFolder = "";
    v.exitRefresh = "0";
    v.exitDepth = "16";
    v.runRefresh = "0";
    v.runDepth = "0";
    auto c = read(joinLines(quarnLines(v)));
    // A label-only block leaves its path unused but takes path 1's values.
    // (The artwork folder is path 1's, which came from mameDir.)
    EXPECT_EQ(std::tuple(c.pathRomPrefix[5], c.pathTitle[5], c.pathExe[5], c.pathArtDir[5]),
              std::tuple("", "MAME Roms:", "mame.exe", "C:\\mame\\"));
    // Exit values not both positive take the run values, which are then copied back.
    EXPECT_EQ(std::tuple(c.exitDepth, c.runDepth), std::tuple(0, 0));

    v.exitRefresh = "75";
    v.exitDepth = "16";
    c = read(joinLines(quarnLines(v)));
    EXPECT_EQ(std::tuple(c.runRefresh, c.runDepth), std::tuple(75, 16));
}

TEST(EmulatorConfig, AQuotedValueMayHoldACommaAndAnUnquotedOneShiftsTheRest) {
    auto v = sampleValues();
    auto lines = quarnLines(v);
    lines[blockLine(1, 4)] = "\"Caption =MAME, the classics\"";
    auto c = read(joinLines(lines));
    EXPECT_EQ(c.pathTitle[1], "MAME, the classics");

    // Unquoted, the comma cuts the title and the rest becomes the next line's value.
    lines[blockLine(1, 4)] = "Caption =MAME, the classics";
    lines.erase(lines.begin() + static_cast<long>(blockLine(1, 5)));
    c = read(joinLines(lines));
    // "the c" is taken as the 5-character label of the options.
    EXPECT_EQ(std::tuple(c.pathTitle[1], c.pathOptions[1], c.pathLogo[1]),
              std::tuple("MAME", "lassics", "mame.gif"));
}

TEST(EmulatorConfig, LabelsAreCountedInCharactersWhateverTheEncoding) {
    // UTF-8, and the same labels as a Windows editor saves them (Windows-1252).
    for (const auto& [path, caption] :
         {std::pair{"Pfäd=/roms/", "Légende =MAME"}, std::pair{"Pf\xE4"
                                                               "d=/roms/",
                                                               "L\xE9gende =MAME"}}) {
        auto lines = quarnLines(sampleValues());
        lines[blockLine(1, 1)] = path;
        lines[blockLine(1, 4)] = caption;
        const auto c = read(common::decodeText(joinLines(lines)));
        EXPECT_EQ(std::tuple(c.pathRomPrefix[1], c.pathTitle[1]), std::tuple("/roms/", "MAME"));
    }
}

TEST(EmulatorConfig, ScrollRateTakesTheLeadingNumber) {
    auto v = sampleValues();
    for (const auto& [text, rate] : {std::pair{" 40ms", 40}, {"fast", 0}}) {
        v.scrollRate = text;
        EXPECT_EQ(read(joinLines(quarnLines(v))).scrollRate, rate) << text;
    }
    v.scrollRate = "99999";
    EXPECT_NE(readError(joinLines(quarnLines(v))).find("line 173"), std::string::npos);
}

// A fatal error names the line, what belongs there and what was found instead.
TEST(EmulatorConfig, FatalErrorsNameTheLineAndWhatBelongsThere) {
    using Lines = std::vector<std::string>;
    const auto commaLine = std::to_string(blockLine(3, 4) + 1);
    const struct {
        std::function<void(Lines&)> edit;
        std::string said;
    } rows[] = {
        {[](Lines& l) { l.resize(globalLine(21)); },
         "quarn.ini, line 180: expected the run colour depth in bits (global line 21), but found "
         "the file ends here"},
        {[](Lines& l) { l[globalLine(16)] = "RunW=wide"; },
         "quarn.ini, line 176: expected the run width in pixels (global line 16), a number, but "
         "found \"wide\""},
        {[](Lines& l) { l[globalLine(16)] = "RunW="; }, "but found nothing"},
        // A comment between block lines is the next value: every later line shifts by one,
        // which the display numbers then catch.
        {[](Lines& l) { l.insert(l.begin() + static_cast<long>(blockLine(1, 2)), "* emu"); },
         "(global line 16), a number, but found \"tput  =NO\""},
        // The first earlier line with a comma outside quotes is named.
        {[](Lines& l) {
             l[blockLine(1, 4)] = "\"Caption =MAME, the classics\""; // quoted: harmless
             l[blockLine(3, 4)] = "Caption =Neo, Geo";
             l[blockLine(5, 4)] = "Caption =And, another";
         },
         "(line " + commaLine + " holds a comma outside double quotes"},
        {[](Lines& l) { l[blockLine(2, 1)] = std::string("Path=/cab/ro\0ms/", 16); },
         "line 9: expected the ROM folder of path 2 (block line 1), but found "
         "\"Path=/cab/ro\\x00ms/\", which holds a NUL byte"},
    };
    for (const auto& row : rows) {
        Lines lines = quarnLines(sampleValues());
        row.edit(lines);
        const std::string message = readError(joinLines(lines));
        EXPECT_NE(message.find(row.said), std::string::npos) << message;
        EXPECT_EQ(message.find('\0'), std::string::npos);
    }
}

TEST(EmulatorConfig, TheLastLineMayBeMissing) {
    auto lines = quarnLines(sampleValues());
    lines.pop_back();
    EXPECT_FALSE(read(joinLines(lines)).powerOffOnExit);
    lines.push_back("* nothing but comments");
    EXPECT_FALSE(read(joinLines(lines)).powerOffOnExit);
}

} // namespace
