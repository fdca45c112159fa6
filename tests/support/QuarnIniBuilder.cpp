// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/QuarnIniBuilder.h"

namespace testing_support {

std::vector<std::string> quarnLines(const QuarnValues& v) {
    std::vector<std::string> lines;
    for (int n = 1; n <= 20; ++n) {
        const auto& b = v.paths[n];
        lines.push_back("Path=" + b.romFolder);
        lines.push_back("Exec=" + b.exe);
        lines.push_back("FullName =" + b.fullName);
        lines.push_back("Caption =" + b.title);
        lines.push_back("Opts=" + b.options);
        lines.push_back("Logo  =" + b.logo);
        lines.push_back("EmuFolder=" + b.emuFolder);
        lines.push_back("ArtworkPath=" + b.artFolder);
    }
    lines.push_back("MameDir =" + v.mameDir);
    lines.push_back("ImpactDir=" + v.impactDir);
    lines.push_back("ImpactNT=" + v.impactNt);
    lines.push_back("ModelerDir=" + v.modelerDir);
    lines.push_back("KI Dir=" + v.kiDir);
    lines.push_back("KI2Dir =" + v.ki2Dir);
    lines.push_back("VPinballDir=" + v.vpDir);
    lines.push_back("S11Dir=" + v.s11Dir);
    lines.push_back(v.s11NewPlugins);
    lines.push_back("S11Arg=" + v.s11Args);
    lines.push_back("DaphDir=" + v.daphneDir);
    lines.push_back("DaphArg=" + v.daphneArgs);
    lines.push_back("ScrollRate(ms)=" + v.scrollRate);
    lines.push_back("Reserved      =" + v.reserved);
    lines.push_back("TV Output  =" + v.tvOut);
    lines.push_back("RunW=" + v.runWidth);
    lines.push_back("RunH=" + v.runHeight);
    lines.push_back("ExHz=" + v.exitRefresh);
    lines.push_back("ExBp=" + v.exitDepth);
    lines.push_back("RuHz=" + v.runRefresh);
    lines.push_back("RuBp=" + v.runDepth);
    lines.push_back("PowerOffOnExit=" + v.powerOffOnExit);
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const std::string& lineEnd) {
    std::string text;
    for (const auto& line : lines) {
        text += line + lineEnd;
    }
    return text;
}

} // namespace testing_support
