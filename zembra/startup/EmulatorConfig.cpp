// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/EmulatorConfig.h"

#include "common/text/ItemReader.h"
#include "common/text/NativePath.h"
#include "common/text/Numbers.h"
#include "common/text/Strings.h"
#include "common/text/TextFile.h"

namespace zembra {
namespace {

using common::afterLabel;
using common::trim;

/// Thrown inside the reader only; OpenINI turns it into a ConfigError.
struct Fatal {
    ConfigError error;
};

/// Walks the file line by line as its format has it: each value line is one item with a
/// fixed-width label in front. Lines marked "skip" may be preceded by blank lines and by
/// comment lines beginning with "*"; other lines must follow at once.
class IniLines {
public:
    IniLines(std::string_view text, const std::string& fileName) : items_(text), file_(fileName) {}

    /// The item of the next value line, label included.
    std::string line(bool skip, const std::string& expected) {
        if (skip) {
            while (auto item = items_.next()) {
                if (!item->empty() && item->front() != '*') {
                    return checked(std::move(*item), expected);
                }
            }
            // The end of the file while skipping makes an empty value line.
            return {};
        }
        auto item = items_.next();
        if (!item) {
            throw Fatal{{file_, items_.line(), expected, "the file ends here"}};
        }
        return checked(std::move(*item), expected);
    }

    /// A NUL byte would silently cut a folder or file name where the system takes it.
    std::string checked(std::string item, const std::string& expected) {
        if (item.find('\0') != std::string::npos) {
            throw Fatal{{file_, items_.line(), expected,
                         "\"" + common::printable(item) +
                             "\", which holds a NUL byte that no name can hold"}};
        }
        return item;
    }

    std::string text(bool skip, std::size_t labelWidth, const std::string& expected) {
        return trim(afterLabel(line(skip, expected), labelWidth));
    }

    std::string untrimmed(bool skip, std::size_t labelWidth, const std::string& expected) {
        return afterLabel(line(skip, expected), labelWidth);
    }

    bool flag(bool skip, std::size_t labelWidth, const std::string& expected) {
        return common::upperAscii(text(skip, labelWidth, expected)) == "YES";
    }

    float number(bool skip, const std::string& expected) {
        const std::string value = text(skip, 5, expected);
        // Checked as a whole number text first, then read straight into single precision,
        // as every other single of the cabinet's files is.
        const auto single = common::parseNumber(value) ? common::itemSingle(value) : std::nullopt;
        if (!single) {
            throw Fatal{{file_, items_.line(), expected + ", a number",
                         value.empty() ? "nothing" : "\"" + common::printable(value) + "\""}};
        }
        return *single;
    }

    std::int16_t whole(bool skip, const std::string& expected) {
        const std::string value = text(skip, 15, expected);
        const auto number = common::toInt16(common::leadingNumber(value));
        if (!number) {
            throw Fatal{{file_, items_.line(), expected + ", a whole number from -32768 to 32767",
                         "\"" + common::printable(value) + "\""}};
        }
        return *number;
    }

private:
    common::ItemReader items_;
    std::string file_;
};

void readPathBlocks(IniLines& in, EmulatorConfig& c) {
    for (int n = 1; n <= 20; ++n) {
        const std::string block = "path " + std::to_string(n) + " (block line ";
        c.pathRomPrefix[n] = in.text(true, 5, "the ROM folder of " + block + "1)");
        c.pathExe[n] = in.text(false, 5, "the emulator program of " + block + "2)");
        c.pathFullName[n] = in.flag(false, 10, "the full-name switch of " + block + "3)");
        c.pathTitle[n] = in.text(false, 9, "the title of " + block + "4)");
        c.pathOptions[n] = in.untrimmed(false, 5, "the options of " + block + "5)");
        c.pathLogo[n] = in.text(false, 7, "the logo of " + block + "6)");
        c.pathEmuDir[n] = in.text(false, 10, "the emulator folder of " + block + "7)");
        c.pathArtDir[n] = in.text(false, 12, "the artwork folder of " + block + "8)");
    }
}

void readGlobalLines(IniLines& in, EmulatorConfig& c) {
    c.mameDir = in.text(true, 9, "the MAME folder (global line 1)");
    c.impactDir = in.text(true, 10, "the Impact folder (global line 2)");
    c.impactNt = in.flag(true, 9, "the Impact NT switch (global line 3)");
    c.modelerDir = in.text(true, 11, "the Modeler folder (global line 4)");
    c.kiDir = in.text(true, 7, "the Ultra 64 folder (global line 5)");
    c.ki2Dir = in.text(true, 8, "the second Ultra 64 folder (global line 6)");
    c.vpDir = in.text(true, 12, "the Visual Pinball folder (global line 7)");
    c.s11Dir = in.text(true, 7, "the S11 Emu folder (global line 8)");
    c.s11NewPlugins = common::upperAscii(trim(in.line(false, "the S11 Emu plug-in switch "
                                                             "(global line 9)"))) == "YES";
    c.s11Args = in.text(false, 7, "the S11 Emu arguments (global line 10)");
    c.daphneDir = in.text(true, 8, "the Daphne folder (global line 11)");
    c.daphneArgs = in.text(false, 8, "the Daphne arguments (global line 12)");
    c.scrollRate = in.whole(true, "the scroll rate in milliseconds (global line 13)");
    c.unusedNumber = in.whole(false, "the reserved number (global line 14)");
    c.tvOut = in.flag(true, 12, "the TV output switch (global line 15)");
    c.runWidth = in.number(true, "the run width in pixels (global line 16)");
    c.runHeight = in.number(false, "the run height in pixels (global line 17)");
    c.exitRefresh = in.number(true, "the exit refresh rate in Hz (global line 18)");
    c.exitDepth = in.number(false, "the exit colour depth in bits (global line 19)");
    c.runRefresh = in.number(true, "the run refresh rate in Hz (global line 20)");
    c.runDepth = in.number(false, "the run colour depth in bits (global line 21)");
    c.powerOffOnExit = in.flag(true, 15, "the power-off switch (global line 22)");
}

void complete(EmulatorConfig& c) {
    if (!(c.exitDepth > 0 && c.exitRefresh > 0)) {
        c.exitDepth = c.runDepth;
        c.exitRefresh = c.runRefresh;
    }
    if (!(c.runDepth > 0 && c.runRefresh > 0)) {
        c.runDepth = c.exitDepth;
        c.runRefresh = c.exitRefresh;
    }
    if (c.pathArtDir[1].empty()) {
        c.pathArtDir[1] = c.mameDir;
    }
    c.pathArtDir[21] = c.impactDir;
    c.pathArtDir[22] = c.modelerDir;
    c.pathArtDir[23] = c.kiDir;
    c.pathArtDir[24] = c.vpDir;
    c.pathArtDir[25] = c.s11Dir;
    c.pathArtDir[26] = c.daphneDir;
    const char* fixedLogos[] = {"impact.gif", "modeler.gif", "u64.gif",   "vp.gif",
                                "s11.gif",    "daphne.gif",  "extras.gif"};
    for (int p = 21; p <= 27; ++p) {
        c.pathLogo[p] = fixedLogos[p - 21];
    }
    if (c.pathExe[1].empty()) {
        c.pathExe[1] = "mame.exe";
    }
    if (c.pathEmuDir[1].empty()) {
        c.pathEmuDir[1] = c.mameDir;
    }
    for (int n = 1; n <= 20; ++n) {
        for (auto* table : {&c.pathTitle, &c.pathExe, &c.pathEmuDir}) {
            if ((*table)[n].empty()) {
                (*table)[n] = (*table)[1];
            }
        }
        if (c.pathArtDir[n].empty()) {
            c.pathArtDir[n] = c.pathArtDir[1];
        }
        if (c.pathLogo[n].empty()) {
            c.pathLogo[n] = c.pathLogo[1];
        }
    }
}

/// The first line before `beforeLine` that holds a comma outside double quotes: the comma
/// splits it in two and every later value moves down one line, the usual reason why a line no
/// longer holds what belongs there. 0 when there is none.
int firstLineWithAComma(std::string_view text, int beforeLine) {
    int line = 1;
    bool quoted = false;
    for (std::size_t at = 0; at < text.size() && line < beforeLine; ++at) {
        const char c = text[at];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            return line;
        } else if (c == '\n' || (c == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'))) {
            ++line;
            quoted = false;
        }
    }
    return 0;
}

} // namespace

std::string ConfigError::message() const {
    std::string text = common::printable(file);
    if (line > 0) {
        text += ", line " + std::to_string(line);
    }
    text += ": ";
    if (expected.empty()) {
        text += problem;
    } else {
        text += "expected " + expected + ", but found " + problem;
    }
    if (commaLine > 0) {
        text += " (line " + std::to_string(commaLine) +
                " holds a comma outside double quotes, which splits that line in two and moves "
                "every later value down one line; enclose the whole line in double quotes)";
    }
    return text;
}

std::optional<ConfigError> readEmulatorConfig(std::string_view text, const std::string& fileName,
                                              EmulatorConfig& config) {
    EmulatorConfig fresh;
    IniLines in(text, fileName);
    try {
        readPathBlocks(in, fresh);
        readGlobalLines(in, fresh);
    } catch (const Fatal& fatal) {
        ConfigError error = fatal.error;
        error.commaLine = firstLineWithAComma(text, error.line);
        return error;
    }
    complete(fresh);
    config = std::move(fresh);
    return std::nullopt;
}

std::optional<ConfigError> OpenINI(const std::string& programFolder, EmulatorConfig& config) {
    const std::string file = common::nativePathText(programFolder + "\\quarn.ini");
    std::string why;
    const auto text = common::loadTextFile(file, &why);
    if (!text) {
        return ConfigError{
            file, 0, {}, "the emulator configuration " + why + "; Zembra cannot start without it"};
    }
    return readEmulatorConfig(*text, file, config);
}

} // namespace zembra
