// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/UserSettings.h"

#include "common/text/AtomicFile.h"
#include "common/text/FieldReader.h"
#include "common/text/ItemWriter.h"
#include "common/text/NativePath.h"
#include "common/text/TextFile.h"

namespace zembra {
namespace {

std::string cfgFile(const std::string& programFolder) {
    return common::nativePathText(programFolder + "\\quarn.cfg");
}

} // namespace

bool readUserSettings(std::string_view text, UserSettings& s) {
    common::FieldReader in(text);
    if (!in.read(s.skinDir)) {
        return false;
    }
    double delay = 0;
    if (!in.read(delay)) {
        return false;
    }
    s.ssDelay = delay;
    s.ssCountdown = delay;
    return in.read(s.shuffle) && in.read(s.musicVolume) && in.read(s.songIdx) && in.read(s.muted) &&
           in.read(s.cfgListIndex) && in.read(s.cfgPath) && in.read(s.userFontSize);
}

std::string writeUserSettings(const UserSettings& s) {
    common::RecordWriter out;
    out.text(s.skinDir).endRecord();
    out.number(s.ssDelay).endRecord();
    out.number(s.shuffle).endRecord();
    out.number(s.musicVolume).endRecord();
    out.number(s.songIdx).endRecord();
    out.flag(s.muted).endRecord();
    out.number(double(s.cfgListIndex)).endRecord();
    out.number(double(s.cfgPath)).endRecord();
    out.number(double(s.userFontSize)).endRecord();
    return out.str();
}

bool openCfg(const std::string& programFolder, UserSettings& settings) {
    const auto text = common::loadTextFile(cfgFile(programFolder));
    return text && readUserSettings(*text, settings);
}

bool SaveCfg(const std::string& programFolder, UserSettings& settings, std::int16_t listIndex,
             std::int16_t curPath, std::string* error) {
    settings.cfgListIndex = listIndex;
    settings.cfgPath = curPath;
    return common::writeFileAtomically(cfgFile(programFolder), writeUserSettings(settings), error);
}

} // namespace zembra
