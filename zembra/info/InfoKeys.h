// SPDX-License-Identifier: GPL-3.0-or-later
// What a key does in the information window, and how far the text scrolls.
#pragma once

#include "zembra/input/KeyFile.h"

namespace zembra {

enum class InfoCommand { ScrollUp, ScrollDown, SwitchFile, Close };

/// Up and Down scroll, either page key switches the file, any other key closes. An unbound
/// action matches no key.
InfoCommand infoKeyCommand(int keyCode, const KeyBindings& keys);

/// One scroll step, in twips.
inline constexpr int kInfoScrollStep = 1000;

/// The text's new top (twips) after one step: Up moves the text down while its top is above
/// the window's bottom; Down moves it up while any of it is still below the window's top.
/// `textHeight` is the height of the text as laid out before wrapping.
int scrollInfo(InfoCommand command, int textTop, int textHeight, int windowHeight);

} // namespace zembra
