// SPDX-License-Identifier: GPL-3.0-or-later
// How the program's key codes are named on X: the XTest injector's own table.
#pragma once

namespace zembra {

/// The X keysym of a Windows virtual-key code; 0 for a code without one.
unsigned long keysymForVirtualKey(int virtualKey);

} // namespace zembra
