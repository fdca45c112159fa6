// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/info/InfoKeys.h"

namespace zembra {
namespace {

bool bound(const KeyBindings::Code& binding, int keyCode) {
    return binding.has_value() && *binding == keyCode;
}

} // namespace

InfoCommand infoKeyCommand(int keyCode, const KeyBindings& keys) {
    if (bound(keys.keyUp, keyCode)) {
        return InfoCommand::ScrollUp;
    }
    if (bound(keys.keyDown, keyCode)) {
        return InfoCommand::ScrollDown;
    }
    if (bound(keys.keyNextPage, keyCode) || bound(keys.keyPrevPage, keyCode)) {
        return InfoCommand::SwitchFile;
    }
    return InfoCommand::Close;
}

int scrollInfo(InfoCommand command, int textTop, int textHeight, int windowHeight) {
    if (command == InfoCommand::ScrollUp && textTop < windowHeight) {
        return textTop + kInfoScrollStep;
    }
    if (command == InfoCommand::ScrollDown && textTop > -textHeight) {
        return textTop - kInfoScrollStep;
    }
    return textTop;
}

} // namespace zembra
